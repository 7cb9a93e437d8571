// SPDX-License-Identifier: MIT
// One help window per user and file, over a socket only the user can reach.

#include "qt/help/HelpInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zamut {
namespace {

constexpr int ForwardTimeoutMs = 2000;
const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray RaiseDone = QByteArrayLiteral("ok\n");
// Room for the file part of a socket's name, "help-" and 24 hex digits, and
// for the "-XXXXXX/s" of the temporary name Qt binds it under first.
constexpr qsizetype ServerNameRoom = 29 + 9;

// A folder nobody but this user can enter; `follow` when a symbolic link to
// such a folder will do.
bool isPrivateFolder(const QString& path, bool follow) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    const int status = follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    return status == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 0777) == 0700;
}

// Whether a socket in `folder` has a name short enough for the system.
bool fits(const QString& folder) {
    return QFile::encodeName(folder).size() + 1 + ServerNameRoom <
           qsizetype(sizeof(sockaddr_un::sun_path));
}

bool isSameUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::getuid();
}

} // namespace

HelpInstance::HelpInstance(const QString& key, const QString& folder, QObject* parent)
    : QObject(parent), path_(folder.isEmpty() ? QString() : serverPath(key, folder)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HelpInstance::serve);
}

QString HelpInstance::privateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && fits(runtime) && isPrivateFolder(runtime, true)) {
        return runtime;
    }
    const QString own = QStringLiteral("zamut-help-%1").arg(::getuid());
    for (const QString& temp : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        const QString folder = QDir(temp).filePath(own);
        if (fits(folder)) {
            ::mkdir(QFile::encodeName(folder).constData(), 0700);
            // Someone else may have made it first, in a folder anyone can write to.
            return isPrivateFolder(folder, false) ? folder : QString();
        }
    }
    return {};
}

QString HelpInstance::serverPath(const QString& key, const QString& folder) {
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QDir(folder).filePath(QStringLiteral("help-") + QString::fromLatin1(hash));
}

bool HelpInstance::claim() {
    if (path_.isEmpty()) {
        return true;
    }
    // Engines for the same file claim it one at a time, so the second always
    // finds the first one's server. Without the lock there is no single
    // window, but the help still shows.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(ForwardTimeoutMs)) {
        return true;
    }
    if (forward()) {
        return false;
    }
    // What is left of the name is an engine that died or stopped answering.
    QLocalServer::removeServer(path_);
    server_.listen(path_);
    return true;
}

bool HelpInstance::forward() {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(ForwardTimeoutMs) || !isSameUser(socket)) {
        return false;
    }
    socket.write(RaiseRequest);
    // Only an answer shows that the window came up; without one the request
    // gets its own window.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(ForwardTimeoutMs)) {
            return false;
        }
    }
    return socket.readLine() == RaiseDone;
}

void HelpInstance::serve() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == RaiseRequest) {
                emit raiseRequested();
                socket->write(RaiseDone);
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace zamut
