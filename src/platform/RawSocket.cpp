#include "platform/RawSocket.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// An interrupted call is tried again when the notifier fires next.
bool wouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR; }

qint64 result(ssize_t done) {
    if (done >= 0) return done;
    return wouldBlock() ? RawSocket::kWouldBlock : RawSocket::kFailed;
}

}  // namespace

namespace RawSocket {

bool makeNonBlocking(qintptr descriptor) {
    const int fd = static_cast<int>(descriptor);
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

qint64 receive(qintptr descriptor, char* buffer, qint64 size) {
    return result(::recv(static_cast<int>(descriptor), buffer, static_cast<size_t>(size), 0));
}

qint64 sendSome(qintptr descriptor, const char* data, qint64 size) {
    return result(::send(static_cast<int>(descriptor), data, static_cast<size_t>(size), MSG_NOSIGNAL));
}

void shutdownSending(qintptr descriptor) { ::shutdown(static_cast<int>(descriptor), SHUT_WR); }

void close(qintptr descriptor) { ::close(static_cast<int>(descriptor)); }

QHostAddress peerAddress(qintptr descriptor) {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    if (::getpeername(static_cast<int>(descriptor), reinterpret_cast<sockaddr*>(&storage), &length) != 0) return {};
    return QHostAddress(reinterpret_cast<const sockaddr*>(&storage));
}

}  // namespace RawSocket
