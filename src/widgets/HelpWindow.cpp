#include "widgets/HelpWindow.h"

#include "base/Help.h"
#include "base/MessageService.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QPointer<QTextBrowser> &helpWindow()
{
    static QPointer<QTextBrowser> window;
    return window;
}

} // namespace

void CloseHelp()
{
    if (helpWindow()) {
        helpWindow()->close();
        delete helpWindow().data();
    }
}

void ShowHelp(const QString &topic, MessageService &messages)
{
    if (!QFileInfo(HelpFolder()).isDir()) {
        messages.showError(MissingHelpMessage());
        return;
    }
    CloseHelp();
    QString page = HelpPagePath(topic);
    if (!QFileInfo::exists(page)) {
        page = HelpPagePath(QString());
    }
    auto *browser = new QTextBrowser;
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setWindowTitle(QStringLiteral("Corvane帮助"));
    browser->setOpenLinks(true);
    browser->setSearchPaths({HelpFolder()});
    browser->setSource(QUrl::fromLocalFile(page));
    browser->resize(720, 560);
    browser->show();
    browser->raise();
    helpWindow() = browser;
}

QString OpenHelpPage()
{
    return helpWindow() ? helpWindow()->source().toLocalFile() : QString();
}
