#include "backpay/ui/BackPayFunctions.h"

#include "backpay/BackPayQuery.h"
#include "backpay/BackPaySheet.h"
#include "backpay/BackPayTexts.h"
#include "base/MessageService.h"
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
