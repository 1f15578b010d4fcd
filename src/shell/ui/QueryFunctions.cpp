#include "shell/ui/QueryFunctions.h"

#include "queries/ui/AnnualTaxWindow.h"
#include "queries/ui/BankPaymentWindow.h"
#include "queries/ui/DeptWageSumWindow.h"
#include "queries/ui/HighIncomeWindow.h"
#include "queries/ui/PersonalPayoutWindow.h"
#include "queries/ui/PersonalWageWindow.h"
#include "queries/ui/ThreeFundWindow.h"
#include "queries/ui/WageListWindow.h"
#include "shell/Session.h"
#include "shell/ui/MainWindow.h"
#include "widgets/QtFileOpener.h"

#include <functional>

namespace {

template <typename Window> std::function<QWidget *(Session &, FileOpener &)> make()
{
    return [](Session &session, FileOpener &opener) -> QWidget * {
        return new Window(session.db(), session.messages(), opener);
    };
}

} // namespace

void WireQueryFunctions(MainWindow &window, Session &session)
{
    // Opening a workbook keeps no state: one opener serves every window.
    static QtFileOpener opener;
    const struct
    {
        const char *action;
        const char *objectName;
        std::function<QWidget *(Session &, FileOpener &)> make;
    } functions[] = {
        {"actWageTable", "WageListWindow", make<WageListWindow>()},
        {"actWageSum", "DeptWageSumWindow", make<DeptWageSumWindow>()},
        {"actBankWage", "BankPaymentWindow", make<BankPaymentWindow>()},
        {"actWagePersonal", "PersonalWageWindow", make<PersonalWageWindow>()},
        {"actThreeFund", "ThreeFundWindow", make<ThreeFundWindow>()},
        {"actHighIncome", "HighIncomeWindow", make<HighIncomeWindow>()},
        {"actPersonalPayout", "PersonalPayoutWindow", make<PersonalPayoutWindow>()},
        {"actTaxPersonal", "AnnualTaxWindow", make<AnnualTaxWindow>()},
    };
    for (const auto &f : functions) {
        const QString objectName = QString::fromLatin1(f.objectName);
        window.wire(QString::fromLatin1(f.action), [&window, &session, objectName, make = f.make] {
            if (!window.activateChild(objectName)) {
                window.openChild(make(session, opener));
            }
        });
    }
}
