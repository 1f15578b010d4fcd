#pragma once

#include <QPrintPreviewDialog>

class FileDialogs;
class MessageService;
class ReturnForm;

// The modal print preview of a laid-out return (the caption is the form's title): page
// through it, print it on a printer chosen from the preview, or save it as a PDF file. The
// preview, the printer and the file are all drawn by the form itself.
class ReturnPreviewDialog final : public QPrintPreviewDialog
{
    Q_OBJECT
public:
    ReturnPreviewDialog(const ReturnForm &form, FileDialogs &files, MessageService &messages,
                        QWidget *parent = nullptr);

    QAction *exportPdfAction() const { return m_exportPdf; }
    // Asks for a file and writes the form into it; false when cancelled or not written.
    bool exportPdf();

private:
    const ReturnForm &m_form;
    FileDialogs &m_files;
    MessageService &m_messages;
    QAction *m_exportPdf;
};
