#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");

// Asks the copy that listens to come forward. It may still be starting (it holds the lock
// but does not listen yet): a few tries.
void askToComeForward(const QString &key)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(key);
        if (probe.waitForConnected(500)) {
            probe.write(kRaise);
            probe.waitForBytesWritten(1000);
            probe.disconnectFromServer();
            return;
        }
        QThread::msleep(100);
    }
}
} // namespace

QString SingleInstance::defaultKey()
{
    const QString key = qEnvironmentVariable("CORVANE_INSTANCE_KEY");
    return key.isEmpty() ? QStringLiteral("{2CF4314A-1CEE-41A3-8EF1-22CB0E05B06D}") : key;
}

QString SingleInstance::lockFilePath(const QString &key)
{
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() + QStringLiteral("/corvane-%1.lock").arg(QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(QString key, QObject *parent)
    : QObject(parent), m_key(std::move(key)),
      m_lock(std::make_unique<QLockFile>(lockFilePath(m_key)))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::anotherIsRunning()
{
    // The lock file decides, atomically, which copy runs; a lock whose holder died is taken
    // over. Only the copy that holds it may touch the socket, so a copy that is still
    // starting never has its socket removed by another.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        askToComeForward(m_key);
        return true;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // Left behind by a copy that crashed: we hold the lock, so nobody else listens.
        QLocalServer::removeServer(m_key);
        m_server->listen(m_key);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kRaise.trimmed())) {
                    emit activationRequested();
                }
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return false;
}
