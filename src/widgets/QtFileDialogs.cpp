#include "widgets/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogs::openFile(const QString &title, const QString &filter, const QString &dir)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, dir, filter);
}

QString QtFileDialogs::saveFile(const QString &title, const QString &filter, const QString &dir)
{
    // The backup asks its own question before it replaces a file.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, dir, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
