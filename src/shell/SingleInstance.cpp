#include "shell/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
}

QString SingleInstance::defaultKey()
{
    const QString key = qEnvironmentVariable("CORVANE_INSTANCE_KEY");
    return key.isEmpty() ? QStringLiteral("{2CF4314A-1CEE-41A3-8EF1-22CB0E05B06D}") : key;
}

SingleInstance::SingleInstance(QString key, QObject *parent) : QObject(parent), m_key(std::move(key))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::anotherIsRunning()
{
    QLocalSocket probe;
    probe.connectToServer(m_key);
    if (probe.waitForConnected(1000)) {
        probe.write(kRaise);
        probe.waitForBytesWritten(1000);
        probe.disconnectFromServer();
        return true;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // Left behind by a copy that crashed: nobody answered, so the name is free.
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
