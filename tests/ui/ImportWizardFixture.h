#pragma once

// What the import wizard's window tests start from: a fresh application folder with the
// delivered database and three employees, scripted boxes and file dialogs, and helpers that
// write source files into the folder.

#include "OrgFixture.h"
#include "TestApp.h"

#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "payroll/ui/WageImportWizard.h"

#include <QFile>
#include <QStringEncoder>

struct ImportWizardFixture
{
    ImportWizardFixture()
    {
        OrgFixture::addDept(app.db(), QStringLiteral("0001"), QStringLiteral("财务部"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E001"), QStringLiteral("张三"), QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("E002"), QStringLiteral("李四"), QStringLiteral("0001"));
        OrgFixture::addEmp(app.db(), QStringLiteral("1003"), QStringLiteral("王五"), QStringLiteral("0001"));
    }

    // A file in the application folder; `gbk` writes the text in the Chinese code page.
    QString writeFile(const QString &name, const QString &text, bool gbk = false)
    {
        const QString path = app.dir() + name;
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) {
            QStringEncoder encoder("GBK");
            f.write(gbk ? QByteArray(encoder.encode(text)) : text.toUtf8());
        }
        return path;
    }

    QString fixture(const char *name) const
    {
        return QStringLiteral(CORVANE_FIXTURES "/import/") + QString::fromUtf8(name);
    }

    // A wizard that picks `path` on "浏览".
    std::unique_ptr<WageImportWizard> wizard(const QString &path = {})
    {
        if (!path.isEmpty()) {
            files.setNextFileName(path);
        }
        auto w = std::make_unique<WageImportWizard>(app.db(), messages, files, progress);
        if (!path.isEmpty()) {
            w->browse();
        }
        return w;
    }

    TestApp app; // 2005-03-15: the wizard proposes March 2005
    ScriptedMessageService messages;
    ScriptedFileDialogs files;
    CountingProgress progress;
};
