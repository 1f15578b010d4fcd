#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Where the program lives and what time it is. Both are fixed once at start-up by main()
// (and by every test fixture), so that INI files, exports, backups and the weekly
// compaction can be pointed at a temporary folder and a fixed day.

// The application folder, always ending with "/": the executable's folder, unless
// `--home DIR` or the environment variable CORVANE_HOME names another.
QString GetAppDir();
void SetAppDir(const QString &dir);
// Works out the application folder from the command line and environment.
QString ResolveAppDir(const QStringList &arguments, const QString &executableDir);

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }
    void set(const QDateTime &at) { m_at = at; }

private:
    QDateTime m_at;
};

// The current local date and time, from the installed clock.
QDateTime CurrentDateTime();
QDate Today();
void SetClock(std::shared_ptr<Clock> clock);

// "Open with the default program" for exported workbooks and similar files.
class FileOpener
{
public:
    virtual ~FileOpener() = default;
    // False when the file is missing or no program could open it.
    virtual bool open(const QString &path) = 0;
};

// Records what it was asked to open; opening succeeds when the file exists.
class RecordingFileOpener final : public FileOpener
{
public:
    bool open(const QString &path) override;
    QStringList opened;
};
