#include "shell/SingleInstance.h"

#include "shell/ui/MainWindow.h"
#include "ShellFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void aSecondProgramRaisesTheFirstAndEnds()
    {
        const QString key = QStringLiteral("corvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
        SingleInstance first(key);
        QVERIFY(!first.anotherIsRunning());

        ShellFixture f;
        MainWindow window(f.session, f.files);
        window.setShutdownEnabled(false);
        window.showMinimized();
        connect(&first, &SingleInstance::activationRequested, &window, &MainWindow::bringForward);
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        // The real program, on the same key and an empty folder: it must not get as far as
        // looking for a database.
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CORVANE_INSTANCE_KEY"), key);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        second.start(QCoreApplication::applicationDirPath() + QStringLiteral("/corvane"),
                     {QStringLiteral("--home"), f.app.dir() + QStringLiteral("empty")});
        QVERIFY(second.waitForStarted(10000));
        QTRY_COMPARE_WITH_TIMEOUT(raised.count(), 1, 10000);
        QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(timer.elapsed() < 10000);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void aProgramThatCrashedDoesNotBlockTheNext()
    {
        const QString key = QStringLiteral("corvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
        {
            SingleInstance gone(key);
            QVERIFY(!gone.anotherIsRunning());
        }
        SingleInstance next(key);
        QVERIFY(!next.anotherIsRunning());
        SingleInstance third(key);
        QVERIFY(third.anotherIsRunning());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
