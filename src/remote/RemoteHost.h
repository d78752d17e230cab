#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>

#include <memory>

class Clock;
class Dialogs;
class IpLists;
class QSocketNotifier;
class RemoteCommands;

// Hands accepted connections over as plain descriptors: QTcpSocket closes the
// whole connection once the caller closes its sending side, and that is
// exactly when the reply still has to go back.
class DescriptorServer final : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;
signals:
    void accepted(qintptr descriptor);

protected:
    void incomingConnection(qintptr descriptor) override { emit accepted(descriptor); }
};

// The listening half of the remote link. One connection at a time: the
// command is read until the caller closes its sending side, falls silent
// or runs out of time, the caller's address is checked against the lists,
// and one reply goes back before the next caller is taken.
class RemoteHost final : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int idleMs = 200;
        int totalMs = 5000;
        qsizetype maxBytes = 64 * 1024;
    };
    // Whether a caller in none of the lists is asked about or refused at
    // once (nobody at the screen).
    enum class UnknownCallers { Ask, Refuse };

    RemoteHost(RemoteCommands& commands, IpLists& lists, Dialogs& dialogs, const Clock& clock,
               QObject* parent = nullptr);
    ~RemoteHost() override;

    void setUnknownCallers(UnknownCallers policy) { unknown_ = policy; }
    void setLimits(const Limits& limits) { limits_ = limits; }

    bool listen(const QHostAddress& address, quint16 port);
    bool isListening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    // Stops listening and drops a connection being served.
    void close();

    QString ReceivedCommand() const { return receivedCommand_; }

signals:
    // A host log line, the time of day in front.
    void logged(const QString& line);
    // A connection has been answered or refused.
    void served();

private:
    struct Call;

    void takeCall(qintptr descriptor);
    void readAvailable();
    void commandComplete();
    bool callerAccepted(const QString& address);
    void answer();
    void writeMore();
    void endCall();
    void dropCall();
    void log(const QString& text);

    RemoteCommands& commands_;
    IpLists& lists_;
    Dialogs& dialogs_;
    const Clock& clock_;
    DescriptorServer server_;
    UnknownCallers unknown_ = UnknownCallers::Ask;
    Limits limits_;
    std::unique_ptr<Call> call_;
    QString receivedCommand_;
};
