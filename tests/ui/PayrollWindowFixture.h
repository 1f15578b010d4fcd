#pragma once

// What the payroll windows' tests start from: a fresh application folder with the delivered
// database (items 基本工资 and the three funds, the temporary-staff department), a fixed clock
// (2005-03-15), scripted boxes,
// the rate sets written out by hand, and a recording file opener. Two departments with three
// employees, and the temporary-staff department with one, unless asked not to.

#include "OrgFixture.h"
#include "TestApp.h"
#include "tax/TaxTestRates.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "tax/TaxRates.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <functional>

using Kind = ScriptedMessageService::Kind;
using Boxes = QList<ScriptedMessageService::Box>;

struct PayrollWindowFixture
{
    explicit PayrollWindowFixture(bool withStaff = true)
    {
        if (withStaff) {
            OrgFixture::addDept(db(), QStringLiteral("0001"), QStringLiteral("财务部"));
            OrgFixture::addDept(db(), QStringLiteral("0002"), QStringLiteral("生产部"));
            OrgFixture::addEmp(db(), QStringLiteral("E01"), QStringLiteral("张三"),
                               QStringLiteral("0001"));
            OrgFixture::addEmp(db(), QStringLiteral("E02"), QStringLiteral("李四"),
                               QStringLiteral("0002"));
            OrgFixture::addEmp(db(), QStringLiteral("E03"), QStringLiteral("王五"),
                               QStringLiteral("0002"), 1, QStringLiteral("外方"));
            OrgFixture::addEmp(db(), QStringLiteral("T01"), QStringLiteral("赵六"),
                               QStringLiteral("9999"));
        }
    }
    Database &db() { return app.db(); }
    int count(const QString &sql, const QVariantList &params = {})
    {
        return app.scalar(sql, params).toInt();
    }

    TestApp app;
    ScriptedMessageService messages;
    TaxRates rates = handRates();
    RecordingFileOpener opener;
};

// Runs `act` on the modal dialog of type T that the next command opens.
template <typename T>
void onNextDialog(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget())) {
            act(d);
        } else {
            QFAIL("the expected dialog did not open");
        }
    });
}
