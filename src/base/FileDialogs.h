#pragma once

#include <QString>
#include <QStringList>

// File-open and file-save dialogs. The desktop program shows real ones; tests script the
// answers.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen file, empty when cancelled. `filter` in Qt's form ("数据库文件 (*.mdb)").
    virtual QString openFile(const QString &title, const QString &filter, const QString &dir) = 0;
    virtual QString saveFile(const QString &title, const QString &filter, const QString &dir) = 0;
};

// Answers from a queue (empty, that is cancelled, when it runs out) and records the titles.
class ScriptedFileDialogs final : public FileDialogs
{
public:
    void setNextFileName(const QString &name) { m_answers.append(name); }
    QString openFile(const QString &title, const QString &, const QString &) override
    {
        return answer(title);
    }
    QString saveFile(const QString &title, const QString &, const QString &) override
    {
        return answer(title);
    }
    QStringList asked;

private:
    QString answer(const QString &title)
    {
        asked.append(title);
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    QStringList m_answers;
};
