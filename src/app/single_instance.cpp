#include "app/single_instance.hpp"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace sorvanta::ui {

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
    // The temporary folder and the socket names are shared by all users of
    // the machine: each user gets a name of their own.
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
    return QStringLiteral("sorvanta-") + user;
}

QString SingleInstance::lockFilePath() const {
    return QDir(QDir::tempPath()).filePath(name_ + QStringLiteral(".lock"));
}

bool SingleInstance::holdsName() const {
    return lock_ && lock_->isLocked();
}

bool SingleInstance::anotherCopyRunning() {
    if (holdsName())
        return false;
    lock_ = std::make_unique<QLockFile>(lockFilePath());
    // The default gives up a lock older than 30 seconds even when its owner
    // still runs; only a dead owner may lose it.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        listen();
        return false;
    }
    const bool taken = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    if (!taken)
        return false; // a lock that cannot be written must not keep the program from starting
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(1000)) {
        socket.write("show", 4);
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
    return true;
}

void SingleInstance::listen() {
    // A socket left by a crashed copy would keep the name busy; the lock
    // says it is ours now.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    // Without the socket a later copy still sees the lock and gives up; it
    // only cannot bring this one to the front.
    server_->listen(name_);
}

} // namespace sorvanta::ui
