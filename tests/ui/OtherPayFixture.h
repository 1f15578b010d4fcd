#pragma once

// What the other-payment window tests start from: a company with two departments and three
// employees, the delivered rates, scripted boxes, the clock at 2005-03-15, and a window on
// March 2005 whose employee picker answers from a queue.

#include "OrgFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "org/OrgTypes.h"
#include "otherpay/ui/OtherPayWindow.h"
#include "tax/TaxRates.h"

#include <QComboBox>
#include <QList>

#include <memory>
#include <optional>

struct OtherPayFixture
{
    OtherPayFixture()
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addDept(app.db(), QStringLiteral("0002"), QStringLiteral("销售部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E1"), QStringLiteral("张三"),
                           QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E2"), QStringLiteral("李四"),
                           QStringLiteral("0002"), 1, QStringLiteral("外方"));
        LoadAllTaxRates(app.db(), rates, messages);
    }

    // A ledger row of March 2005 written directly.
    void ledger(const char *type, const char *empId, const char *deptId, const char *income)
    {
        app.exec(
            QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                           "EmpCardNo, DeptID, Income, FactIncome, TaxIncome, TaxDate) "
                           "values (2005, 3, ?, ?, ?, 'C', ?, ?, ?, ?, '2005-03-05')"),
            {QString::fromUtf8(type), QString::fromLatin1(empId),
             QString::fromLatin1(empId) == QLatin1String("E1") ? QStringLiteral("张三")
                                                               : QStringLiteral("李四"),
             QString::fromLatin1(deptId),
             QVariant::fromValue(*Money::parse(QString::fromLatin1(income))),
             QVariant::fromValue(*Money::parse(QString::fromLatin1(income))),
             QVariant::fromValue(*Money::parse(QString::fromLatin1(income)))});
    }

    OtherPayWindow &open()
    {
        window = std::make_unique<OtherPayWindow>(app.db(), rates, messages,
                                                  QStringLiteral("北方机械厂"), 2005, 3);
        window->setEmployeePicker([this]() -> std::optional<RdEmployee> {
            return picks.isEmpty() ? std::nullopt : picks.takeFirst();
        });
        return *window;
    }

    // The window, adding a payment of `empId` of the type (none when null).
    OtherPayWindow &openAdding(const char *empId, const char *type = nullptr)
    {
        OtherPayWindow &w = open();
        willPick(empId);
        w.pickPerson();
        if (type) {
            w.typeBox()->setCurrentIndex(w.typeBox()->findText(QString::fromUtf8(type)));
        }
        return w;
    }

    void willPick(const char *empId)
    {
        const QString id = QString::fromLatin1(empId);
        picks.append(id == QLatin1String("E1")
                         ? RdEmployee{id, QStringLiteral("张三"), QStringLiteral("0001"),
                                      QStringLiteral("财务部"), QStringLiteral("中方")}
                         : RdEmployee{id, QStringLiteral("李四"), QStringLiteral("0002"),
                                      QStringLiteral("销售部"), QStringLiteral("外方")});
    }

    int count(const QString &where = QStringLiteral("1"))
    {
        return app.scalar(QStringLiteral("select count(*) from TaxIncome where ") + where).toInt();
    }

    TestApp app;
    TaxRates rates;
    ScriptedMessageService messages;
    QList<std::optional<RdEmployee>> picks;
    std::unique_ptr<OtherPayWindow> window;
};
