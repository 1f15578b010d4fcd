#include "returns/ui/ReturnPreviewDialog.h"

#include "base/AppEnv.h"
#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "returns/FormOutput.h"
#include "returns/ReturnForm.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QToolBar>

ReturnPreviewDialog::ReturnPreviewDialog(const ReturnForm &form, FileDialogs &files,
                                         MessageService &messages, QWidget *parent)
    : QPrintPreviewDialog(parent), m_form(form), m_files(files), m_messages(messages)
{
    setObjectName(QStringLiteral("ReturnPreviewDialog"));
    setWindowTitle(form.jobTitle());
    QPrinter *p = printer();
    p->setDocName(form.jobTitle());
    p->setPageLayout(form.pageLayout());
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { PrintForm(m_form, *target); });

    m_exportPdf = new QAction(QStringLiteral("导出PDF"), this);
    m_exportPdf->setObjectName(QStringLiteral("actExportPdf"));
    m_exportPdf->setToolTip(QStringLiteral("把报表保存为PDF文件"));
    connect(m_exportPdf, &QAction::triggered, this, [this] { exportPdf(); });
    if (auto *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(m_exportPdf);
    }
    setWindowState(Qt::WindowMaximized);
}

bool ReturnPreviewDialog::exportPdf()
{
    QString path = m_files.saveFile(QStringLiteral("导出PDF"), QStringLiteral("PDF文件 (*.pdf)"),
                                    GetAppDir() + m_form.jobTitle() + QStringLiteral(".pdf"));
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = WriteFormPdf(m_form, path);
    QApplication::restoreOverrideCursor();
    if (!written) {
        m_messages.showError(QStringLiteral("PDF文件保存失败！"));
    }
    return written;
}
