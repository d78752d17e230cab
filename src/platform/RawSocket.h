#pragma once

#include <QHostAddress>
#include <QtGlobal>

// The few calls the remote host and client make on a connection's socket
// beside Qt's classes: Qt's socket closes the whole connection as soon as
// the caller closes its sending side, which would leave no way to send the
// reply, and it cannot close its own sending side alone.
namespace RawSocket {

inline constexpr qint64 kWouldBlock = -2;
inline constexpr qint64 kFailed = -1;

bool makeNonBlocking(qintptr descriptor);
// Bytes read; 0 when the caller has closed its sending side; kWouldBlock
// when nothing is there yet; kFailed.
qint64 receive(qintptr descriptor, char* buffer, qint64 size);
// Bytes written; kWouldBlock when the connection takes no more for now;
// kFailed. A caller that has gone never raises a signal.
qint64 sendSome(qintptr descriptor, const char* data, qint64 size);
// Ends the sending side; the other side reads the end of the data.
void shutdownSending(qintptr descriptor);
void close(qintptr descriptor);
QHostAddress peerAddress(qintptr descriptor);

}  // namespace RawSocket
