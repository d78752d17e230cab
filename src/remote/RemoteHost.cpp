#include "remote/RemoteHost.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
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
        if (descriptor >= 0) ::close(static_cast<int>(descriptor));
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

namespace {

QHostAddress peerOf(qintptr descriptor) {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    if (::getpeername(static_cast<int>(descriptor), reinterpret_cast<sockaddr*>(&storage), &length) != 0) return {};
    return QHostAddress(reinterpret_cast<const sockaddr*>(&storage));
}

bool wouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR; }

}  // namespace

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
        ::close(static_cast<int>(descriptor));
        return;
    }
    server_.pauseAccepting();
    const int fd = static_cast<int>(descriptor);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    call_ = std::make_unique<Call>(descriptor);
    call_->address = RemoteText::plainAddress(peerOf(descriptor));
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
        const ssize_t got = ::recv(static_cast<int>(call_->descriptor), buffer.data(), static_cast<size_t>(room), 0);
        if (got < 0 && wouldBlock()) {
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
    const int fd = static_cast<int>(call_->descriptor);
    while (call_->sent < call_->reply.size()) {
        const ssize_t put = ::send(fd, call_->reply.constData() + call_->sent,
                                   static_cast<size_t>(call_->reply.size() - call_->sent), MSG_NOSIGNAL);
        if (put < 0 && wouldBlock()) {
            call_->writer.setEnabled(true);
            return;
        }
        if (put <= 0) {
            log(QStringLiteral("不能傳回所要求的資料。"));
            break;
        }
        call_->sent += put;
    }
    ::shutdown(fd, SHUT_WR);
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
