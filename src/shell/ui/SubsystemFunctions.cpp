#include "app/ui/SubsystemFunctions.h"

#include "app/Session.h"
#include "app/ui/TFrmMain.h"
#include "org/ui/TfrmDeptEmp.h"
#include "tax/ui/TFrmSetTax.h"
#include "tax/ui/TfrmTaxCalculator.h"

namespace {

// Brings an open window of the function forward, or opens a new one.
template <typename Window, typename Make>
void openOnce(TFrmMain &window, const QString &objectName, Make make)
{
    if (!window.activateChild(objectName)) {
        Window *child = make();
        child->setObjectName(objectName);
        window.openChild(child);
    }
}

} // namespace

void WireSubsystemFunctions(TFrmMain &window, Session &session)
{
    window.wire(QStringLiteral("actTaxCalculator"), [&window, &session] {
        openOnce<TfrmTaxCalculator>(window, QStringLiteral("TfrmTaxCalculator"), [&session] {
            return new TfrmTaxCalculator(session.taxRates(), session.messages());
        });
    });
    window.wire(QStringLiteral("actOtherSettings"), [&window, &session] {
        TFrmSetTax dialog(session.db(), session.taxRates(), session.messages(), &window);
        dialog.exec();
    });
    // The browser is modal: the departments and employees cannot change under an open sheet.
    window.wire(QStringLiteral("actDeptEmp"), [&window, &session] {
        ShowDeptEmp(session.db(), session.messages(), session.corpName, &window);
    });
}
