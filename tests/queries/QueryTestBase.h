#pragma once

#include "OrgFixture.h"
#include "QueryFixture.h"
#include "TestApp.h"

#include "queries/ResultGrid.h"

#include <gtest/gtest.h>

#include <ostream>

// Failures show the texts, not their bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// The company every query test starts from: three departments, one of whose names begins
// with another's, and five employees.
class QueryTestBase : public ::testing::Test
{
protected:
    QueryTestBase()
    {
        OrgFixture::addDept(db(), QStringLiteral("0001"), QStringLiteral("销售部"));
        OrgFixture::addDept(db(), QStringLiteral("0002"), QStringLiteral("销售部北区"));
        OrgFixture::addDept(db(), QStringLiteral("0003"), QStringLiteral("财务部"));
        OrgFixture::addEmp(db(), QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("E2"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db(), QStringLiteral("E3"), QStringLiteral("王五"),
                           QStringLiteral("0002"));
        OrgFixture::addEmp(db(), QStringLiteral("E4"), QStringLiteral("赵六"),
                           QStringLiteral("0003"));
        OrgFixture::addEmp(db(), QStringLiteral("E5"), QStringLiteral("张丽"),
                           QStringLiteral("0003"), 0);
    }

    Database &db() { return app.db(); }

    // A row as the grid shows it.
    static QStringList row(const ResultGrid &grid, int r)
    {
        QStringList texts;
        for (int c = 0; c < grid.columnCount(); ++c) {
            texts << grid.displayText(r, c);
        }
        return texts;
    }
    static QStringList column(const ResultGrid &grid, int c)
    {
        QStringList texts;
        for (int r = 0; r < grid.rowCount(); ++r) {
            texts << grid.displayText(r, c);
        }
        return texts;
    }

    TestApp app;
};
