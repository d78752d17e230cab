#include "remote/RemoteClient.h"

#include "platform/Clock.h"
#include "platform/RawSocket.h"
#include "remote/RemoteText.h"

RemoteClient::RemoteClient(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    WaitTimer.setSingleShot(true);
    connect(&WaitTimer, &QTimer::timeout, this, &RemoteClient::onWaitTimeout);
    connect(&socket_, &QTcpSocket::connected, this, &RemoteClient::onConnected);
    connect(&socket_, &QTcpSocket::bytesWritten, this, &RemoteClient::onBytesWritten);
    connect(&socket_, &QTcpSocket::readyRead, this, [this] { reply_ += socket_.readAll(); });
    connect(&socket_, &QTcpSocket::errorOccurred, this, &RemoteClient::onError);
    connect(&socket_, &QTcpSocket::disconnected, this, &RemoteClient::complete);
}

void RemoteClient::log(const QString& text) { emit logged(RemoteText::logLine(clock_.timeOfDay(), text)); }

void RemoteClient::connectAndSend(const QString& host, quint16 port, const QString& command,
                                  const QString& ownEndpoint) {
    close();
    command_ = command;
    reply_.clear();
    returnInfo_.clear();
    sendingClosed_ = false;
    socket_.connectToHost(host, port);
    log(QStringLiteral("本機正試圖連接 [") + ownEndpoint + u']');
}

void RemoteClient::close() {
    WaitTimer.stop();
    socket_.abort();
}

void RemoteClient::onConnected() {
    const QByteArray bytes = RemoteText::encode(command_);
    if (!bytes.isEmpty()) socket_.write(bytes);
    log(QStringLiteral("已成功連接並發放指令 [") + command_ + u']');
    WaitTimer.start(waitMs_);
    onBytesWritten();
}

void RemoteClient::onBytesWritten() {
    if (sendingClosed_ || socket_.bytesToWrite() > 0 || socket_.state() != QAbstractSocket::ConnectedState) return;
    // Qt offers no half-close; the host reads the command until this end.
    sendingClosed_ = true;
    RawSocket::shutdownSending(socket_.socketDescriptor());
}

void RemoteClient::onError(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError) {
        complete();
        return;
    }
    log(socket_.errorString());
    WaitTimer.stop();
    socket_.abort();
    emit finished(returnInfo_);
}

void RemoteClient::complete() {
    if (!WaitTimer.isActive()) return;  // not waiting: nothing was sent, or already done
    WaitTimer.stop();
    reply_ += socket_.readAll();
    returnInfo_ = RemoteText::decode(reply_);
    socket_.abort();
    emit finished(returnInfo_);
}

void RemoteClient::onWaitTimeout() {
    returnInfo_ = QStringLiteral("已等候1分鐘，仍沒有傳回資料，已中止等候。");
    socket_.abort();
    emit finished(returnInfo_);
}
