#include "shell/ui/SubsystemFunctions.h"

#include "backpay/ui/BackPayFunctions.h"
#include "org/ui/OrgBrowserWindow.h"
#include "otherpay/ui/OtherPayWindow.h"
#include "shell/Session.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/QueryFunctions.h"
#include "tax/ui/DeductionSettingsDialog.h"
#include "tax/ui/TaxCalculatorWindow.h"
#include "widgets/QtFileOpener.h"

namespace {

// Brings an open window of the function forward, or opens a new one.
template <typename Window, typename Make>
void openOnce(MainWindow &window, const QString &objectName, Make make)
{
    if (!window.activateChild(objectName)) {
        Window *child = make();
        child->setObjectName(objectName);
        window.openChild(child);
    }
}

// "补发工资", "补发工资查询" (both refused by the guards while the wage window is open) and
// "补发工资过账".
void WireBackPayFunctions(MainWindow &window, Session &session)
{
    static QtFileOpener opener;
    const auto run = [&window, &session](auto function) {
        return [&window, &session, function] {
            const BackPayServices services{session.db(), session.taxRates(), session.messages(),
                                           opener};
            function(*window.mdiArea(), services,
                     DesktopBackPayDialogs(services, session.corpName, &window));
        };
    };
    window.wire(QStringLiteral("actReissue"), run(StartBackPay));
    window.wire(QStringLiteral("actReissueQuery"), run(ShowBackPayQuery));
    window.wire(QStringLiteral("actReissuePost"), run(PostBackPayFromMenu));
}

} // namespace

void WireSubsystemFunctions(MainWindow &window, Session &session)
{
    window.wire(QStringLiteral("actTaxCalculator"), [&window, &session] {
        openOnce<TaxCalculatorWindow>(window, QStringLiteral("TaxCalculatorWindow"), [&session] {
            return new TaxCalculatorWindow(session.taxRates(), session.messages());
        });
    });
    window.wire(QStringLiteral("actOtherSettings"), [&window, &session] {
        DeductionSettingsDialog dialog(session.db(), session.taxRates(), session.messages(),
                                       &window);
        dialog.exec();
    });
    // The browser is modal: the departments and employees cannot change under an open sheet.
    window.wire(QStringLiteral("actDeptEmp"), [&window, &session] {
        ShowDeptEmp(session.db(), session.messages(), session.corpName, &window);
    });
    // One window; the month is asked for only when it opens.
    window.wire(QStringLiteral("actOtherPay"), [&window, &session] {
        if (window.activateChild(QStringLiteral("OtherPayWindow"))) {
            return;
        }
        if (auto *child = OpenOtherPay(session.db(), session.taxRates(), session.messages(),
                                       session.corpName, &window)) {
            window.openChild(child);
        }
    });
    WireQueryFunctions(window, session);
    WireBackPayFunctions(window, session);
}
