#include "base/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TEST(FileReplacement, TemporariesAreUniqueOwnerOnlyAndBesideTheTarget)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("a.mdb"));
    const QString one = FileReplacement::CreateTemporaryBeside(target);
    const QString two = FileReplacement::CreateTemporaryBeside(target);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_NE(one, two);
    EXPECT_EQ(QFileInfo(one).absolutePath(), QFileInfo(target).absolutePath());
    EXPECT_EQ(QFile::permissions(one) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(FileReplacement::IsTemporaryName(QFileInfo(one).fileName()));
    EXPECT_FALSE(FileReplacement::IsTemporaryName(QStringLiteral("newdb.mdb")));
    EXPECT_FALSE(FileReplacement::IsTemporaryName(QStringLiteral("a.mdb")));
}

TEST(FileReplacement, ReplacingKeepsTheModeAndFollowsLinks)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.mdb"));
    const QString link = dir.filePath(QStringLiteral("link.mdb"));
    ASSERT_TRUE(write(real, "old"));
    ASSERT_TRUE(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup));
    ASSERT_TRUE(QFile::link(real, link));
    const QString target = FileReplacement::ResolveLinks(link);
    EXPECT_EQ(target, real);
    EXPECT_TRUE(FileReplacement::SameFile(link, real));
    const QString temp = FileReplacement::CreateTemporaryBeside(target);
    ASSERT_TRUE(write(temp, "new"));
    ASSERT_TRUE(FileReplacement::Replace(temp, target));
    QFile f(link);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFile::permissions(real) & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(filesIn(dir.path()),
              (QStringList{QStringLiteral("link.mdb"), QStringLiteral("real.mdb")}));
}

TEST(FileReplacement, AFailedReplacementLeavesTheTargetAndRemovesOnlyItsTemporary)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("folder.mdb"));
    ASSERT_TRUE(QDir().mkpath(target));
    const QString temp = FileReplacement::CreateTemporaryBeside(target);
    QString error;
    EXPECT_FALSE(FileReplacement::Replace(temp, target, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_FALSE(QFileInfo::exists(temp));
}

TEST(FileReplacement, LeftoversOfDeadProcessesAreRemovedAndNothingElse)
{
    QTemporaryDir dir;
    // A process that has ended: its id names nobody now.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 gonePid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    const QString dead = QStringLiteral(".Halvek.mdb.corvane-%1-AbC123").arg(gonePid);
    const QString live = QStringLiteral(".Halvek.mdb.corvane-%1-XyZ789").arg(::getpid());
    for (const QString &name :
         {dead, dead + QStringLiteral("-journal"), live, QStringLiteral("newdb.mdb"),
          QStringLiteral("Halvek.mdb"), QStringLiteral("x.corvane-1-AbC123")}) {
        ASSERT_TRUE(write(dir.filePath(name), "x"));
    }
    EXPECT_EQ(FileReplacement::RemoveLeftovers(dir.path()), 2);
    EXPECT_EQ(filesIn(dir.path()),
              (QStringList{live, QStringLiteral("Halvek.mdb"), QStringLiteral("newdb.mdb"),
                           QStringLiteral("x.corvane-1-AbC123")}));
}

} // namespace
