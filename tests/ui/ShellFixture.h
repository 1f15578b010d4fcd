#pragma once

// What the shell's window tests start from: a fresh application folder with the delivered
// database, a session opened on it, scripted boxes and file dialogs, a fixed clock, and the
// program's registry key inside the folder.

#include "TestApp.h"

#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "shell/Session.h"

#include <QSettings>

struct ShellFixture
{
    explicit ShellFixture(const QString &user = QStringLiteral("admin"), bool withCompany = true)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, app.dir() + QStringLiteral("reg"));
        if (withCompany) {
            app.exec(QStringLiteral("insert into CorpInfo (CorpName, ObligorNo, TaxNo) values (?, ?, ?)"),
                     {QStringLiteral("北方机械厂"), QStringLiteral("110101"), QStringLiteral("T-9")});
        }
        session.databasePath = app.dbPath();
        session.openDatabase();
        session.currentUser = user;
        session.corpName = withCompany ? QStringLiteral("北方机械厂") : QString();
    }

    TestApp app;
    ScriptedMessageService messages;
    ScriptedFileDialogs files;
    Session session{messages};
};
