#include "DelayedWriter.h"

#include "base/Password.h"

#include <QThread>

#include <gtest/gtest.h>

DelayedWriter::DelayedWriter(const QString &path, const QString &value, int ms)
{
    EXPECT_TRUE(m_db.open(path, DatabasePassword()));
    EXPECT_TRUE(m_db.exec(QStringLiteral("BEGIN IMMEDIATE")));
    EXPECT_TRUE(
        m_db.exec(QStringLiteral("insert into Dict_TaxType (TaxType) values (?)"), {value}));
    m_thread = std::thread([this, ms] {
        QThread::msleep(ms);
        m_committed = m_db.exec(QStringLiteral("COMMIT"));
    });
}

DelayedWriter::~DelayedWriter()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool DelayedWriter::committed()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
    return m_committed;
}
