#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

class Clock;

// The calling half of the remote link: sends one command, closes its
// sending side so the host knows the command is whole, and reads the reply
// until the host closes the connection or the wait runs out.
class RemoteClient final : public QObject {
    Q_OBJECT
public:
    static constexpr int kWaitMs = 60000;

    explicit RemoteClient(const Clock& clock, QObject* parent = nullptr);

    void setWaitMs(int ms) { waitMs_ = ms; }
    // `ownEndpoint` is this machine's "address:port", for the log line.
    void connectAndSend(const QString& host, quint16 port, const QString& command, const QString& ownEndpoint);
    void close();
    QString returnInfo() const { return returnInfo_; }

    QTimer WaitTimer;

signals:
    void logged(const QString& line);
    // The reply has arrived, the wait ran out or the call failed;
    // `returnInfo` is what txtReturnInfo shows.
    void finished(const QString& returnInfo);

private:
    void onConnected();
    void onBytesWritten();
    void onError(QAbstractSocket::SocketError error);
    void onWaitTimeout();
    void complete();
    void log(const QString& text);

    const Clock& clock_;
    QTcpSocket socket_;
    QString command_;
    QByteArray reply_;
    QString returnInfo_;
    int waitMs_ = kWaitMs;
    bool sendingClosed_ = false;
};
