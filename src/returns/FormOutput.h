#pragma once

#include <QString>

class Progress;
class QPagedPaintDevice;
class ReturnForm;

// Draws every page of a laid-out form on a printer (the preview's too) or a PDF writer, with
// the form's paper and margins. False when the device cannot be painted on.
bool PrintForm(const ReturnForm &form, QPagedPaintDevice &device, Progress *progress = nullptr);

// Writes the form as a PDF file. The file appears complete or not at all; false when it
// cannot be written.
bool WriteFormPdf(const ReturnForm &form, const QString &path, Progress *progress = nullptr);
