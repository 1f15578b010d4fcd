#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "widgets/EditHelpers.h"
#include "widgets/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

class HelpAndEditTest : public QObject
{
    Q_OBJECT

private slots:
    void digitsOnlyTakesDigits()
    {
        QLineEdit edit;
        DigitsOnlyKeyPress(&edit);
        QTest::keyClicks(&edit, QStringLiteral("1a2.-3 "));
        QCOMPARE(edit.text(), QStringLiteral("123"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("12"));
    }

    void moneyTakesOnePoint()
    {
        QLineEdit edit;
        MoneyKeyPress(&edit);
        QTest::keyClicks(&edit, QStringLiteral("12.3.4-x5"));
        QCOMPARE(edit.text(), QStringLiteral("12.345"));
    }

    void enterMovesToTheNextControl()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *first = new QLineEdit;
        auto *second = new QLineEdit;
        layout->addWidget(first);
        layout->addWidget(second);
        EnterToNextControl(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        first->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(second->hasFocus());
    }

    void looks()
    {
        QLabel label(QStringLiteral("项目名称:"));
        HighlightLabel(&label);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
        QLineEdit edit;
        GreyEdit(&edit);
        QCOMPARE(edit.palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    }

    void helpOpensTheTopicAndReplacesAnEarlierWindow()
    {
        QTemporaryDir dir;
        SetAppDir(dir.path() + u'/');
        QDir().mkpath(dir.path() + QStringLiteral("/help"));
        for (const QString &page : {QStringLiteral("index.htm"), QStringLiteral("工资过帐.htm")}) {
            QFile f(dir.path() + QStringLiteral("/help/") + page);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><body>" + page.toUtf8() + "</body></html>");
        }
        ScriptedMessageService messages;
        ShowHelp(QStringLiteral("工资过帐"), messages);
        QCOMPARE(OpenHelpPage(), dir.path() + QStringLiteral("/help/工资过帐.htm"));
        ShowHelp(QString(), messages);
        QCOMPARE(OpenHelpPage(), dir.path() + QStringLiteral("/help/index.htm"));
        int helpWindows = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowTitle() == QStringLiteral("Corvane帮助") && w->isVisible()) {
                ++helpWindows;
            }
        }
        QCOMPARE(helpWindows, 1);
        QVERIFY(messages.boxes().isEmpty());
        CloseHelp();
        QCOMPARE(OpenHelpPage(), QString());
    }

    void missingHelpFolderIsReported()
    {
        QTemporaryDir dir;
        SetAppDir(dir.path() + u'/');
        ScriptedMessageService messages;
        ShowHelp(QStringLiteral("补发工资"), messages);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("帮助文件\"help\"不存在!")});
        QCOMPARE(messages.boxes().first().kind, ScriptedMessageService::Kind::Error);
        QCOMPARE(OpenHelpPage(), QString());
    }
};

QTEST_MAIN(HelpAndEditTest)
#include "HelpAndEditTest.moc"
