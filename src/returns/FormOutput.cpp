#include "returns/FormOutput.h"

#include "base/Progress.h"
#include "returns/ReturnForm.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int kPdfResolution = 600;
}

bool PrintForm(const ReturnForm &form, QPagedPaintDevice &device, Progress *progress)
{
    device.setPageLayout(form.pageLayout());
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    if (progress) {
        progress->begin(form.jobTitle(), QStringLiteral("正在输出报表，请稍候……"),
                        form.pageCount());
    }
    for (int page = 0; page < form.pageCount(); ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        form.render(painter, page);
        if (progress) {
            progress->advance();
        }
    }
    if (progress) {
        progress->finish();
    }
    return painter.end();
}

bool WriteFormPdf(const ReturnForm &form, const QString &path, Progress *progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(form.jobTitle());
        writer.setCreator(QStringLiteral("Corvane"));
        if (!PrintForm(form, writer, progress)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
