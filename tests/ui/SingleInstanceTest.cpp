#include "shell/SingleInstance.h"

#include "shell/ui/MainWindow.h"
#include "ShellFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
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

    void aCopyStillStartingIsNotDisplacedByTheNext()
    {
        // The first copy has taken the lock but does not listen yet (it is still starting):
        // the second must not take its place, nor remove its socket.
        const QString key = QStringLiteral("corvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
        QLockFile starting(SingleInstance::lockFilePath(key));
        QVERIFY(starting.tryLock(0));
        SingleInstance second(key);
        QVERIFY(second.anotherIsRunning());
        starting.unlock();
        SingleInstance next(key);
        QVERIFY(!next.anotherIsRunning());
    }

    void aLockLeftByACrashedCopyIsTakenOver()
    {
        const QString key = QStringLiteral("corvane-test-") + QUuid::createUuid().toString(QUuid::Id128);
        // A lock file whose process is gone, and the socket file it left.
        QProcess ended;
        ended.start(QStringLiteral("true"));
        QVERIFY(ended.waitForStarted());
        const qint64 gone = ended.processId();
        QVERIFY(ended.waitForFinished());
        QFile lock(SingleInstance::lockFilePath(key));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(gone) + "\ncorvane\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();
        SingleInstance next(key);
        QVERIFY(!next.anotherIsRunning());
        SingleInstance third(key);
        QVERIFY(third.anotherIsRunning());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
