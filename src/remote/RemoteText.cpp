#include "remote/RemoteText.h"

#include <QTime>

#include "common/CodePage.h"

namespace RemoteText {

QByteArray encode(const QString& text) { return CodePage::encodeForFile(text); }

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith(CodePage::utf8Bom())) return QString::fromUtf8(bytes.mid(CodePage::utf8Bom().size()));
    return CodePage::fromCp950(bytes);
}

QString plainAddress(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

QString logLine(const QTime& time, const QString& text) {
    return time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + text;
}

}  // namespace RemoteText
