#include "platform/helpengine/HelpInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace zamut {
namespace {

constexpr int ForwardTimeoutMs = 2000;
const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray RaiseDone = QByteArrayLiteral("ok\n");

} // namespace

HelpInstance::HelpInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(ServerName(key)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HelpInstance::Serve);
}

QString HelpInstance::ServerName(const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("zamut-help-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool HelpInstance::Claim() {
    // Engines for the same file claim it one at a time, so the second always
    // finds the first one's server. Listening replaces any socket of that
    // name, a live one too, so look for a running engine first.
    QLockFile lock(QDir(QDir::tempPath()).filePath(name_ + QStringLiteral(".lock")));
    lock.tryLock(ForwardTimeoutMs);
    if (Forward()) {
        return false;
    }
    // Without a server there is no single window, but the help still shows.
    server_.listen(name_);
    return true;
}

bool HelpInstance::Forward() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(ForwardTimeoutMs)) {
        return false;
    }
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(ForwardTimeoutMs);
    // The window is there either way; the answer only keeps the order of
    // events plain for whoever watches both engines.
    socket.waitForReadyRead(ForwardTimeoutMs);
    return true;
}

void HelpInstance::Serve() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == RaiseRequest) {
                emit RaiseRequested();
                socket->write(RaiseDone);
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace zamut
