#pragma once

// What the back-pay window tests share: a company with posted wage months, the rates, and
// dialogs that answer from queues.

#include "BackPayFixture.h"
#include "OrgFixture.h"
#include "TestApp.h"

#include "backpay/BackPaySheet.h"
#include "backpay/ui/BackPayWindow.h"
#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "tax/TaxRates.h"

#include <QList>
#include <QtTest>

#include <memory>

struct ScriptedBackPayDialogs
{
    QList<std::optional<BackPayMonth>> periods;
    QList<std::optional<BackPayMonths>> months;
    QList<std::optional<QString>> depts;
    QList<std::optional<RdEmployee>> emps;
    std::optional<QDate> postingDate = QDate(2005, 5, 20);
    QStringList asked; // what was asked, in order

    BackPayDialogs hooks()
    {
        BackPayDialogs d;
        d.selectPeriod = [this](const QString &title) {
            asked << title;
            return periods.isEmpty() ? std::nullopt : periods.takeFirst();
        };
        d.chooseMonths = [this](const BackPayMonth &pay, const BackPayMonths &chosen) {
            asked << QStringLiteral("months %1 %2").arg(pay.key(), MonthKeys(chosen).join(u','));
            return months.isEmpty() ? std::nullopt : months.takeFirst();
        };
        d.chooseDept = [this] {
            asked << QStringLiteral("dept");
            return depts.isEmpty() ? std::nullopt : depts.takeFirst();
        };
        d.selectEmp = [this] {
            asked << QStringLiteral("emp");
            return emps.isEmpty() ? std::nullopt : emps.takeFirst();
        };
        d.choosePostingDate = [this](const QString &title, int year, int month) {
            asked << QStringLiteral("%1 %2-%3").arg(title).arg(year).arg(month);
            return postingDate;
        };
        return d;
    }
};

// 一部 (A1 张三, A2 李四) and 二部 (B1 王五); March, April and May 2005 posted. A1's March:
// taxable 2000, deduction 1600; April: 2100 and 1600.
class BackPayUiFixture
{
public:
    BackPayUiFixture()
    {
        Database &db = app.db();
        OrgFixture::addDept(db, QStringLiteral("0001"), QStringLiteral("一部"));
        OrgFixture::addDept(db, QStringLiteral("0002"), QStringLiteral("二部"));
        OrgFixture::addEmp(db, QStringLiteral("A1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db, QStringLiteral("A2"), QStringLiteral("李四"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(db, QStringLiteral("B1"), QStringLiteral("王五"),
                           QStringLiteral("0002"));
        for (const char *emp : {"A1", "A2", "B1"}) {
            const QString dept = QString::fromLatin1(emp).startsWith(u'A') ? QStringLiteral("一部")
                                                                           : QStringLiteral("二部");
            BackPayFixture::addPostedWage(db, 2005, 3, emp, dept, M("2000"), M("1600"));
            BackPayFixture::addPostedWage(db, 2005, 4, emp, dept, M("2100"), M("1600"));
            BackPayFixture::addPostedWage(db, 2005, 5, emp, dept, M("2200"), M("1600"));
        }
    }

    std::unique_ptr<BackPayWindow> window()
    {
        return std::make_unique<BackPayWindow>(app.db(), rates, messages, opener, dialogs.hooks());
    }
    // A sheet for May's back pay of March and April with 一部 on it.
    void startSheet()
    {
        BackPaySheet sheet(app.db(), rates, messages);
        QVERIFY(sheet.start({2005, 5}, {{2005, 3}, {2005, 4}}));
        QVERIFY(sheet.add(BackPayStaff::department(QStringLiteral("0001"))));
    }
    int rows(const QString &sql) { return BackPayFixture::count(app.db(), sql); }

    TestApp app;
    TaxRates rates = BackPayFixture::exampleRates();
    ScriptedMessageService messages;
    RecordingFileOpener opener;
    ScriptedBackPayDialogs dialogs;
};
