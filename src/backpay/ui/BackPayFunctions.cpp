#include "backpay/ui/BackPayFunctions.h"

#include "backpay/BackPayQuery.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"
#include "backpay/ui/BackPayDeptDialog.h"
#include "backpay/ui/BackPayMonthsDialog.h"
#include "base/MessageService.h"
#include "org/ui/OrgBrowserWindow.h"
#include "payroll/ui/PostingDateDialog.h"
#include "widgets/PeriodDialog.h"
#include "widgets/ProgressWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

BackPayWindow *openWindow(QMdiArea &area, const BackPayServices &services,
                          const BackPayDialogs &dialogs)
{
    if (BackPayWindow *open = FindBackPayWindow(area)) {
        return open;
    }
    auto *window =
        new BackPayWindow(services.db, services.rates, services.messages, services.opener, dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *frame = area.addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    frame->show();
    return window;
}

void bringForward(QMdiArea &area, BackPayWindow *window)
{
    for (QMdiSubWindow *frame : area.subWindowList()) {
        if (frame->widget() == window) {
            if (frame->isMinimized()) {
                frame->showNormal();
            }
            area.setActiveSubWindow(frame);
        }
    }
}

} // namespace

BackPayDialogs DesktopBackPayDialogs(const BackPayServices &services, const QString &corpName,
                                     QWidget *parent)
{
    Database &db = services.db;
    const TaxRates &rates = services.rates;
    MessageService &messages = services.messages;
    BackPayDialogs dialogs;
    dialogs.selectPeriod = [parent](const QString &title) -> std::optional<BackPayMonth> {
        const auto period = SelectPeriod(title, parent);
        if (!period) {
            return std::nullopt;
        }
        return BackPayMonth{period->year, period->month};
    };
    dialogs.chooseMonths = [&db, &rates, &messages,
                            parent](const BackPayMonth &payPeriod,
                                    const BackPayMonths &chosen) -> std::optional<BackPayMonths> {
        BackPayMonthsDialog dialog(
            [&db, &rates, &messages, payPeriod](std::optional<int> year) {
                return BackPaySheet(db, rates, messages).postedMonths(payPeriod, year);
            },
            chosen, messages, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.chosen();
    };
    dialogs.chooseDept = [&db, &messages, corpName, parent]() -> std::optional<QString> {
        BackPayDeptDialog dialog(db, messages, corpName, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.chosenCode();
    };
    dialogs.selectEmp = [&db, &messages, corpName, parent] {
        return SelectEmp(db, messages, corpName, parent);
    };
    dialogs.choosePostingDate = [parent](const QString &title, int year,
                                         int month) -> std::optional<QDate> {
        const auto date = ChoosePostingDate(title, year, month, parent);
        if (!date) {
            return std::nullopt;
        }
        return QDate::fromString(*date, Qt::ISODate);
    };
    return dialogs;
}

BackPayWindow *FindBackPayWindow(QMdiArea &area)
{
    for (QMdiSubWindow *frame : area.subWindowList()) {
        if (auto *window = qobject_cast<BackPayWindow *>(frame->widget())) {
            return window;
        }
    }
    return nullptr;
}

void StartBackPay(QMdiArea &area, const BackPayServices &services, const BackPayDialogs &dialogs)
{
    if (BackPayWindow *open = FindBackPayWindow(area)) {
        bringForward(area, open);
        return;
    }
    BackPaySheet sheet(services.db, services.rates, services.messages);
    if (sheet.pending()) {
        // The sheet was left pending: it counts as unsaved, so closing asks again.
        openWindow(area, services, dialogs)->openSheet(false);
        return;
    }
    const auto period = dialogs.selectPeriod(BackPayText::periodTitle());
    if (!period || !sheet.checkWagesPosted(*period)) {
        return;
    }
    const auto months = dialogs.chooseMonths(*period, {});
    if (!months || !sheet.start(*period, *months)) {
        return;
    }
    openWindow(area, services, dialogs)->openSheet(false);
}

void ShowBackPayQuery(QMdiArea &area, const BackPayServices &services,
                      const BackPayDialogs &dialogs)
{
    const auto period = dialogs.selectPeriod(BackPayText::periodTitle());
    if (!period) {
        return;
    }
    const BackPayQueryAnswer answer = FindBackPay(services.db, *period);
    if (answer.posted) {
        BackPayWindow *window = openWindow(area, services, dialogs);
        window->showPosted(*period, answer.posted);
        bringForward(area, window);
    } else if (answer.pending) {
        BackPayWindow *window = openWindow(area, services, dialogs);
        window->openSheet(true);
        bringForward(area, window);
    } else {
        services.messages.showInfo(BackPayText::noBackPayOf(period->year, period->month));
    }
}

void PostBackPayFromMenu(QMdiArea &area, const BackPayServices &services,
                         const BackPayDialogs &dialogs)
{
    if (BackPayWindow *open = FindBackPayWindow(area); open && open->showsPendingRows()) {
        bringForward(area, open);
        open->post();
        return;
    }
    ProgressWindow progress(services.messages, &area);
    PostPendingBackPay(services.db, services.rates, services.messages, dialogs.choosePostingDate,
                       progress);
}
