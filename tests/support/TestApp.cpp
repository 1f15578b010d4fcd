#include "TestApp.h"

#include "base/Password.h"
#include "db/Schema.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

bool CreateDeliveredDatabase(const QString &path)
{
    Database db;
    return db.create(path, DatabasePassword()) && Schema::createDatabase(db);
}

TestApp::TestApp(const QDateTime &now) : m_clock(std::make_shared<FixedClock>(now))
{
    SetAppDir(dir());
    SetClock(m_clock);
    EXPECT_TRUE(CreateDeliveredDatabase(dbPath()));
    EXPECT_TRUE(m_db.open(dbPath(), DatabasePassword())) << m_db.lastError().toStdString();
}

TestApp::~TestApp()
{
    m_db.close();
    SetClock(std::make_shared<SystemClock>());
}

void TestApp::exec(const QString &sql, const QVariantList &params)
{
    EXPECT_TRUE(m_db.exec(sql, params)) << sql.toStdString() << ": " << m_db.lastError().toStdString();
}

QVariant TestApp::scalar(const QString &sql, const QVariantList &params)
{
    const auto v = m_db.scalar(sql, params);
    EXPECT_TRUE(v.has_value()) << sql.toStdString() << ": " << m_db.lastError().toStdString();
    return v.value_or(QVariant());
}

QByteArray ReadWholeFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool MakeCrashedCopy(Database &db, const QString &target)
{
    // A tiny page cache makes the engine write pages of the open transaction into the file
    // (after syncing the journal that undoes them), as a large transaction would.
    if (!db.exec(QStringLiteral("PRAGMA cache_size = 2")) || !db.exec(QStringLiteral("BEGIN"))) {
        return false;
    }
    for (int i = 0; i < 300; ++i) {
        db.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values (?)"),
                {QString(600, QChar(u'甲' + i % 50))});
    }
    QFile::remove(target);
    QFile::remove(target + QStringLiteral("-journal"));
    const bool copied =
        QFile::copy(db.path(), target) &&
        QFile::copy(db.path() + QStringLiteral("-journal"), target + QStringLiteral("-journal"));
    db.exec(QStringLiteral("ROLLBACK"));
    db.exec(QStringLiteral("PRAGMA cache_size = -32000"));
    return copied && QFileInfo(target + QStringLiteral("-journal")).size() > 0;
}

QString CorpNameIn(const QString &path)
{
    Database db;
    if (!db.open(path, DatabasePassword())) {
        return QStringLiteral("<cannot open>");
    }
    return db.scalar(QStringLiteral("select CorpName from CorpInfo"))
        .value_or(QVariant())
        .toString();
}
