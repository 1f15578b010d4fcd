#include "shell/ui/ReturnFunctions.h"

#include "returns/ui/OpenReturn.h"
#include "shell/Session.h"
#include "shell/ui/MainWindow.h"
#include "widgets/PeriodDialog.h"
#include "widgets/QtFileDialogs.h"

#include <memory>

void WireReturnFunctions(MainWindow &window, Session &session)
{
    // The agent is read from the session when a return is opened: the company dialog may
    // have changed it since the start.
    auto files = std::make_shared<QtFileDialogs>();
    auto context = std::make_shared<ReturnContext>(ReturnContext{
        session.db(), session.messages(), *files,
        [&session] { return WithholdingAgent{session.corpName, session.obligorNo}; },
        [](QWidget *parent) -> std::optional<ReturnPeriod> {
            const std::optional<YearMonth> period = SelectPeriod(QString(), parent);
            if (!period) {
                return std::nullopt;
            }
            return ReturnPeriod{period->year, period->month};
        }});
    const struct
    {
        const char *action;
        ReturnKind kind;
        bool foreign;
    } forms[] = {
        {"actReportCN", ReturnKind::Withholding, false},
        {"actDetailCN", ReturnKind::PaymentDetail, false},
        {"actReportForeign", ReturnKind::Withholding, true},
        {"actDetailForeign", ReturnKind::PaymentDetail, true},
    };
    for (const auto &form : forms) {
        window.wire(QString::fromLatin1(form.action),
                    [&window, files, context, kind = form.kind, foreign = form.foreign] {
                        OpenReturn(&window, *context, kind, foreign);
                    });
    }
    window.wire(QStringLiteral("actBlankReport"), [&window, files, context] {
        OpenBlankReturn(&window, *context, ReturnKind::Withholding);
    });
    window.wire(QStringLiteral("actBlankDetail"), [&window, files, context] {
        OpenBlankReturn(&window, *context, ReturnKind::PaymentDetail);
    });
}
