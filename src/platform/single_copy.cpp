#include "platform/single_copy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray RaisedAnswer = QByteArrayLiteral("raised\n");
// How long a later copy waits for the first: the first may be starting, or busy for a moment.
constexpr int AnswerTimeMs = 3000;
// Between two tries to reach a first copy that is starting.
constexpr int RetryMs = 50;

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(deadline.remainingTime());
}

}  // namespace

SingleCopy::SingleCopy(const QString& folder) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        const QByteArray key = QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(folder)),
                                                        QCryptographicHash::Sha1);
        name_ = runtime + QStringLiteral("/sudoku-") + QString::fromLatin1(key.toHex().left(16));
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleCopy::Answer);
}

SingleCopy::Start SingleCopy::Claim() {
    if (name_.isEmpty()) {
        qWarning("No runtime folder: other copies of the game cannot be told from this one.");
        return Start::First;
    }
    lock_ = std::make_unique<QLockFile>(name_ + QStringLiteral(".lock"));
    // The lock is held as long as the game runs: only the end of the copy that holds it makes it
    // stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock()) {
        // A socket left beside it belonged to a copy that was killed.
        QLocalServer::removeServer(name_);
        if (!server_.listen(name_)) {
            qWarning("%s: %s", qPrintable(name_), qPrintable(server_.errorString()));
        }
        return Start::First;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        qWarning("%s.lock cannot be made: other copies of the game cannot be told from this one.",
                 qPrintable(name_));
        return Start::First;
    }
    const QDeadlineTimer deadline(AnswerTimeMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(Remaining(deadline))) {
            socket.write(RaiseRequest);
            while (socket.bytesAvailable() < RaisedAnswer.size() &&
                   socket.waitForReadyRead(Remaining(deadline))) {
            }
            return socket.readAll() == RaisedAnswer ? Start::Raised : Start::OtherUnreached;
        }
        // The first copy listens right after it took the lock.
        QThread::msleep(RetryMs);
    }
    return Start::OtherUnreached;
}

void SingleCopy::Answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == RaiseRequest) {
                socket->write(RaisedAnswer);
                emit raiseRequested();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, socket, read);
        read();
    }
}
