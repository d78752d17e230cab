#include "remote/RemoteHost.h"

#include <QSocketNotifier>

#include <array>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/RawSocket.h"
#include "remote/IpLists.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteText.h"

// Ends with deleteLater: a call ends from its own notifiers' and timers'
// signals, which must not be destroyed while they are being emitted.
struct RemoteHost::Call final : QObject {
    explicit Call(qintptr fd)
        : descriptor(fd), reader(fd, QSocketNotifier::Read), writer(fd, QSocketNotifier::Write) {}
    ~Call() override { hangUp(); }
    void hangUp() {
        reader.setEnabled(false);
        writer.setEnabled(false);
        idle.stop();
        deadline.stop();
        if (descriptor >= 0) RawSocket::close(descriptor);
        descriptor = -1;
    }
    qintptr descriptor;
    QSocketNotifier reader;
    QSocketNotifier writer;
    QTimer idle;
    QTimer deadline;
    QByteArray received;
    QByteArray reply;
    qsizetype sent = 0;
    QString address;
};

RemoteHost::RemoteHost(RemoteCommands& commands, IpLists& lists, Dialogs& dialogs, const Clock& clock,
                       QObject* parent)
    : QObject(parent), commands_(commands), lists_(lists), dialogs_(dialogs), clock_(clock) {
    connect(&server_, &DescriptorServer::accepted, this, &RemoteHost::takeCall);
    // The host stays closed after a failure until it is started again.
    connect(&server_, &QTcpServer::acceptError, this, [this] {
        log(server_.errorString());
        close();
    });
}

RemoteHost::~RemoteHost() = default;

bool RemoteHost::listen(const QHostAddress& address, quint16 port) {
    close();
    return server_.listen(address, port);
}

void RemoteHost::close() {
    dropCall();
    server_.close();
}

void RemoteHost::log(const QString& text) { emit logged(RemoteText::logLine(clock_.timeOfDay(), text)); }

void RemoteHost::takeCall(qintptr descriptor) {
    if (call_) {
        RawSocket::close(descriptor);
        return;
    }
    server_.pauseAccepting();
    RawSocket::makeNonBlocking(descriptor);
    call_ = std::make_unique<Call>(descriptor);
    call_->address = RemoteText::plainAddress(RawSocket::peerAddress(descriptor));
    call_->writer.setEnabled(false);
    connect(&call_->reader, &QSocketNotifier::activated, this, &RemoteHost::readAvailable);
    connect(&call_->writer, &QSocketNotifier::activated, this, &RemoteHost::writeMore);
    for (QTimer* timer : {&call_->idle, &call_->deadline}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &RemoteHost::commandComplete);
    }
    call_->idle.start(limits_.idleMs);
    call_->deadline.start(limits_.totalMs);
}

void RemoteHost::readAvailable() {
    std::array<char, 16384> buffer{};
    while (call_ && call_->received.size() < limits_.maxBytes) {
        const qsizetype room = qMin<qsizetype>(buffer.size(), limits_.maxBytes - call_->received.size());
        const qint64 got = RawSocket::receive(call_->descriptor, buffer.data(), room);
        if (got == RawSocket::kWouldBlock) {
            call_->idle.start(limits_.idleMs);
            return;
        }
        if (got <= 0) break;  // the sending side is closed, or the connection failed
        call_->received.append(buffer.data(), got);
    }
    commandComplete();
}

void RemoteHost::commandComplete() {
    if (!call_ || !call_->reader.isEnabled()) return;
    call_->reader.setEnabled(false);
    call_->idle.stop();
    call_->deadline.stop();
    receivedCommand_ = RemoteText::decode(call_->received);
    const QString address = call_->address;
    if (!callerAccepted(address)) {
        log(address + QStringLiteral("的連接已被拒絕"));
        endCall();
        return;
    }
    answer();
}

bool RemoteHost::callerAccepted(const QString& address) {
    switch (lists_.verdictFor(address)) {
    case IpLists::Verdict::Accept: return true;
    case IpLists::Verdict::Refuse: return false;
    case IpLists::Verdict::Unknown: break;
    }
    if (unknown_ == UnknownCallers::Refuse) return false;
    const int answer = dialogs_.messageBox(QStringLiteral("要接受來自[") + address + QStringLiteral("]的連接嗎?"),
                                           MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgResult::Yes) {
        lists_.append(IpLists::TempRefuse, address);
        return false;
    }
    lists_.append(IpLists::TempAccept, address);
    log(address + QStringLiteral("的連接已被接受"));
    return true;
}

void RemoteHost::answer() {
    log(QStringLiteral("收到指令 [") + receivedCommand_ + u']');
    const QString reply = commands_.AnalysisResult(receivedCommand_);
    if (!call_) return;  // closed while the command ran
    call_->reply = RemoteText::encode(reply);
    // A caller that does not take its reply must not hold the host.
    disconnect(&call_->deadline, nullptr, this, nullptr);
    connect(&call_->deadline, &QTimer::timeout, this, [this] {
        log(QStringLiteral("不能傳回所要求的資料。"));
        endCall();
    });
    call_->deadline.start(limits_.totalMs);
    writeMore();
}

void RemoteHost::writeMore() {
    if (!call_) return;
    const qintptr fd = call_->descriptor;
    while (call_->sent < call_->reply.size()) {
        const qint64 put =
            RawSocket::sendSome(fd, call_->reply.constData() + call_->sent, call_->reply.size() - call_->sent);
        if (put == RawSocket::kWouldBlock) {
            call_->writer.setEnabled(true);
            return;
        }
        if (put <= 0) {
            log(QStringLiteral("不能傳回所要求的資料。"));
            break;
        }
        call_->sent += put;
    }
    RawSocket::shutdownSending(fd);
    endCall();
}

void RemoteHost::dropCall() {
    if (!call_) return;
    call_->hangUp();
    call_.release()->deleteLater();
}

void RemoteHost::endCall() {
    dropCall();
    if (server_.isListening()) server_.resumeAccepting();
    emit served();
}
