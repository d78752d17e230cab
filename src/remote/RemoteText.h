#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QTime>

// How texts travel between two players: code page 950, or UTF-8 behind a
// byte-order mark when code page 950 cannot hold them. A reader that sees
// the mark decodes UTF-8; anything else is read as code page 950.
namespace RemoteText {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
// An address as the lists and the logs show it: an IPv4 address mapped into
// IPv6 ("::ffff:127.0.0.1") is written in its plain form ("127.0.0.1").
QString plainAddress(const QHostAddress& address);
// The time of day, two spaces and the text ("14:05:09  ...").
QString logLine(const QTime& time, const QString& text);

}  // namespace RemoteText
