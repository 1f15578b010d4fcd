#include "TestApp.h"

#include "base/Password.h"
#include "db/Schema.h"

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
