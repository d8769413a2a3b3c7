#include "app/secondstart.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace tolvane {

namespace {
const QByteArray ShowRequest = "show\n";
const QByteArray ShownAnswer = "shown\n";

// The runtime folder the session gives the user, else the temporary folder.
QString socketFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}
} // namespace

QString runningProgramSocket(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    return QDir(socketFolder()).filePath(QStringLiteral("tolvane-") + QString::fromLatin1(hash));
}

bool askRunningProgramToShow(const QString& folder, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(runningProgramSocket(folder));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ShowRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine() == ShownAnswer;
}

SecondStartListener::SecondStartListener(const QString& folder, QWidget* window)
    : server_(new QLocalServer(this)), window_(window)
{
    const QString name = runningProgramSocket(folder);
    QLocalServer::removeServer(name);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (server_->listen(name))
        connect(server_, &QLocalServer::newConnection, this, &SecondStartListener::answer);
}

bool SecondStartListener::listening() const { return server_->isListening(); }

void SecondStartListener::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() != ShowRequest) {
                socket->disconnectFromServer();
                return;
            }
            if (window_->isMinimized())
                window_->showNormal();
            window_->raise();
            window_->activateWindow();
            // A dialog open over the window stays over it and keeps the keys.
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window_) {
                modal->raise();
                modal->activateWindow();
            }
            socket->write(ShownAnswer);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

} // namespace tolvane
