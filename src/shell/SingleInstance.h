#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Only one copy of the program runs: the first copy listens on a local socket named after
// the program's key; a later copy that reaches it asks it to come forward and ends.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    // The program's key; CORVANE_INSTANCE_KEY replaces it (tests run their own copies).
    static QString defaultKey();

    explicit SingleInstance(QString key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another copy runs: it has been asked to come forward. Otherwise this copy
    // becomes the one that listens.
    bool anotherIsRunning();

signals:
    // A later copy asked this one to come forward.
    void activationRequested();

private:
    QString m_key;
    QLocalServer *m_server = nullptr;
};
