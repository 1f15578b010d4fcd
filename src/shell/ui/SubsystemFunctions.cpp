#include "shell/ui/SubsystemFunctions.h"

#include "backpay/ui/BackPayFunctions.h"
#include "org/ui/OrgBrowserWindow.h"
#include "otherpay/ui/OtherPayWindow.h"
#include "shell/Session.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/QueryFunctions.h"
#include "shell/ui/ReturnFunctions.h"
#include "payroll/WagePosting.h"
#include "payroll/ui/PostingDateDialog.h"
#include "payroll/ui/WageItemCatalogWindow.h"
#include "payroll/ui/WageSheetWindow.h"
#include "tax/ui/DeductionSettingsDialog.h"
#include "tax/ui/TaxCalculatorWindow.h"
#include "widgets/ProgressWindow.h"
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

const QString kWageWindow = QStringLiteral("WageSheetWindow");

void WirePayrollFunctions(MainWindow &window, Session &session)
{
    window.wire(QStringLiteral("actWageItems"), [&window, &session] {
        ShowWageItems(session.db(), session.messages(), &window);
    });
    // The guard against the back-pay window has run before this.
    window.wire(QStringLiteral("actWageCalc"), [&window, &session] {
        static QtFileOpener opener;
        if (window.activateChild(kWageWindow) ||
            !WageSheetWindow::mayOpen(session.db(), session.messages())) {
            return;
        }
        window.openChild(new WageSheetWindow(session.db(), session.taxRates(), session.messages(),
                                             opener, session.corpName));
    });
    window.wire(QStringLiteral("actWagePost"), [&window, &session] {
        PostLatestDraftHooks hooks;
        hooks.wageWindowOpen = [&window] { return window.openWindowNames().contains(kWageWindow); };
        hooks.showWageWindow = [&window] { window.activateChild(kWageWindow); };
        hooks.choosePostingDate = [&window](const QString &title, int year, int month) {
            return ChoosePostingDate(title, year, month, &window);
        };
        ProgressWindow progress(session.messages());
        PostLatestDraft(session.db(), session.taxRates(), session.messages(), hooks, progress);
    });
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
    WireReturnFunctions(window, session);
    WirePayrollFunctions(window, session);
    WireBackPayFunctions(window, session);
}
