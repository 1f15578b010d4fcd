#include "returns/ui/OpenReturn.h"

#include "base/MessageService.h"
#include "returns/ReturnTexts.h"
#include "returns/ui/ReturnPreviewDialog.h"

#include <QApplication>

namespace {

void showPreview(QWidget *parent, ReturnContext &context, const ReturnForm &form)
{
    ReturnPreviewDialog preview(form, context.files, context.messages, parent);
    preview.exec();
}

} // namespace

bool OpenReturn(QWidget *parent, ReturnContext &context, ReturnKind kind, bool foreignStaff)
{
    const std::optional<ReturnPeriod> period = context.askPeriod(parent);
    if (!period) {
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<FormTable> rows = LoadReturnRows(context.db, kind, *period, foreignStaff);
    if (!rows) {
        QApplication::restoreOverrideCursor();
        context.messages.showInfo(ReturnText::noData());
        return true;
    }
    if (rows->dataRowCount() > ReturnText::kLargeRowCount) {
        context.messages.showInfo(ReturnText::largeData());
    }
    const auto form = MakeReturnForm(
        kind, MakeReturnHeading(ReturnFormTitle(kind), context.agent(), *period), std::move(rows));
    QApplication::restoreOverrideCursor();
    showPreview(parent, context, *form);
    return true;
}

void OpenBlankReturn(QWidget *parent, ReturnContext &context, ReturnKind kind)
{
    const auto form = MakeReturnForm(kind, BlankReturnHeading(ReturnFormTitle(kind)));
    showPreview(parent, context, *form);
}
