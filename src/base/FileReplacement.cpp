#include "base/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace FileReplacement {

namespace {

const QRegularExpression &temporaryPattern()
{
    // ".<target>.corvane-<pid>-XXXXXX", optionally with the engine's "-journal".
    static const QRegularExpression re(
        QStringLiteral(R"(^\..+\.corvane-(\d+)-[A-Za-z0-9]{6}(-journal)?$)"));
    return re;
}

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) {
        return false;
    }
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

QString ResolveLinks(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    // A bounded walk: a loop of links ends here instead of spinning.
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink()) {
            return current;
        }
        const QString target = info.symLinkTarget();
        if (target.isEmpty()) {
            return current;
        }
        current = QFileInfo(target).absoluteFilePath();
    }
    return current;
}

bool SameFile(const QString &a, const QString &b)
{
    struct stat sa
    {
    };
    struct stat sb
    {
    };
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

QString CreateTemporaryBeside(const QString &target)
{
    const QFileInfo info(target);
    QByteArray name =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                          QStringLiteral(".corvane-%1-XXXXXX").arg(::getpid()));
    const int fd = ::mkostemp(name.data(), O_CLOEXEC); // made exclusively, 0600
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    return QFile::decodeName(name);
}

bool IsTemporaryName(const QString &fileName)
{
    return temporaryPattern().match(fileName).hasMatch();
}

bool Replace(const QString &temp, const QString &target, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error) {
            *error = why + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        }
        QFile::remove(temp);
        return false;
    };
    const QByteArray tempName = QFile::encodeName(temp);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old
    {
    };
    if (::stat(targetName.constData(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            errno = EISDIR;
            return fail(QStringLiteral("目标不是普通文件"));
        }
        if (::chmod(tempName.constData(), old.st_mode & 07777) != 0) {
            return fail(QStringLiteral("无法设置文件权限"));
        }
        // Only root may give a file away; another owner's file we may replace keeps at
        // least its mode.
        if (old.st_uid != ::getuid() || old.st_gid != ::getgid()) {
            [[maybe_unused]] const int ignored =
                ::chown(tempName.constData(), old.st_uid, old.st_gid);
        }
    }
    if (!syncPath(temp, O_RDONLY)) {
        return fail(QStringLiteral("无法写入磁盘"));
    }
    if (std::rename(tempName.constData(), targetName.constData()) != 0) {
        return fail(QStringLiteral("无法替换文件"));
    }
    // The rename is only durable once the folder is.
    syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

int RemoveLeftovers(const QString &folder)
{
    int removed = 0;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const auto match = temporaryPattern().match(name);
        if (match.hasMatch() && !processRuns(match.captured(1).toLongLong()) &&
            QFile::remove(dir.filePath(name))) {
            ++removed;
        }
    }
    return removed;
}

} // namespace FileReplacement
