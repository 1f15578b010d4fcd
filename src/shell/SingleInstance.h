#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// Only one copy of the program runs: the copy that takes the lock file of the program's key
// runs and listens on a local socket of that name; a later copy finds the lock taken, asks
// the running copy through the socket to come forward, and ends.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    // The program's key; CORVANE_INSTANCE_KEY replaces it (tests run their own copies).
    static QString defaultKey();
    // The lock file of a key (in the temporary folder).
    static QString lockFilePath(const QString &key);

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
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
