#include "playback/MultiMedia.h"

#include "common/Numbers.h"
#include "common/PathText.h"
#include "platform/mci/MciEngine.h"

namespace {

const QString kTmpAlias = QStringLiteral("tmpFile");

}  // namespace

qint32 replyToInt32(const QString& reply) {
    return tryRoundTo<qint32>(leadingNumber(reply)).value_or(0);
}

qint16 replyToInt16(const QString& reply) {
    return tryRoundTo<qint16>(leadingNumber(reply)).value_or(0);
}

MultiMedia::MultiMedia(MciEngine& engine) : engine_(engine) {}

QString MultiMedia::resolve(const QString& alias) const {
    return alias.trimmed().isEmpty() ? defaultAlias_ : alias;
}

QString MultiMedia::send(const QString& command, int replySize, quint32* resultCode) {
    // A failed command leaves its reply buffer empty, so it reads as 0 and
    // never as a stale or partial answer.
    const MciReply reply = engine_.sendString(command, replySize);
    if (resultCode) *resultCode = reply.code;
    return reply.code == 0 ? reply.text : QString();
}

std::optional<QString> MultiMedia::sendToDevice(const QString& verb, const QString& alias, const QString& rest,
                                                int replySize) {
    const QString target = resolve(alias);
    if (target.trimmed().isEmpty()) return std::nullopt;
    return send(verb + target + rest, replySize);
}

qint16 MultiMedia::MMOpen(const QString& path, const QString& alias, bool makeDefault) {
    if (alias.trimmed().isEmpty()) return 0;
    MMClose(alias, false);
    const MciReply reply =
        engine_.sendString(QStringLiteral("Open \"") + path + QStringLiteral("\" Alias ") + alias, 0);
    MMSendCommand(QStringLiteral("Set ") + alias + QStringLiteral(" time format milliseconds"), 0);
    if (makeDefault) defaultAlias_ = alias;
    // The code is a small MCI error number; it always fits 16 bits.
    return static_cast<qint16>(reply.code);
}

qint16 MultiMedia::MMPlay(const QString& alias, qint32 position) {
    const QString from = position == -1 ? QString() : QStringLiteral(" from ") + QString::number(position);
    sendToDevice(QStringLiteral("Play "), alias, from);
    return 0;
}

qint16 MultiMedia::MMPause(const QString& alias) {
    sendToDevice(QStringLiteral("Pause "), alias);
    return 0;
}

qint16 MultiMedia::MMSeek(const QString& alias, qint32 position) {
    if (sendToDevice(QStringLiteral("Seek "), alias, QStringLiteral(" to ") + QString::number(position)))
        MMPause(QString());
    return 0;
}

qint16 MultiMedia::MMStop(const QString& alias) {
    sendToDevice(QStringLiteral("Stop "), alias);
    return 0;
}

qint16 MultiMedia::MMClose(const QString& alias, bool closeAll) {
    if (closeAll)
        send(QStringLiteral("Close all"), 0);
    else
        sendToDevice(QStringLiteral("Close "), alias);
    return 0;
}

qint16 MultiMedia::MMGetSpeed(const QString& alias) {
    return replyToInt16(sendToDevice(QStringLiteral("Status "), alias, QStringLiteral(" speed"), kTextReply)
                            .value_or(QString()));
}

qint16 MultiMedia::MMSetSpeed(const QString& alias, qint32 speed) {
    sendToDevice(QStringLiteral("Set "), alias, QStringLiteral(" speed ") + QString::number(speed));
    return 0;
}

qint32 MultiMedia::MMGetFileLength(const QString& alias, const QString& path) {
    if (!path.isEmpty()) {
        send(QStringLiteral("Open \"") + path + QStringLiteral("\" Alias ") + kTmpAlias, 0);
        MMSendCommand(QStringLiteral("Set ") + kTmpAlias + QStringLiteral(" time format milliseconds"), 0);
        const QString reply = send(QStringLiteral("Status ") + kTmpAlias + QStringLiteral(" length"), kNumberReply);
        send(QStringLiteral("Close ") + kTmpAlias, 0);
        return replyToInt32(reply);
    }
    return replyToInt32(
        sendToDevice(QStringLiteral("Status "), alias, QStringLiteral(" length"), kNumberReply).value_or(QString()));
}

qint32 MultiMedia::MMGetPosition(const QString& alias) {
    const QString target = resolve(alias);
    return replyToInt32(send(QStringLiteral("Status ") + target + QStringLiteral(" position"), kNumberReply));
}

quint8 MultiMedia::MMGetMode(const QString& alias) {
    const QString target = resolve(alias);
    const QString reply = send(QStringLiteral("Status ") + target + QStringLiteral(" mode"), kModeReply);
    const QString head = reply.left(2);
    if (head == QLatin1String("st")) return kModeStopped;
    if (head == QLatin1String("pl")) return kModePlaying;
    if (head == QLatin1String("pa")) return kModePaused;
    return kModeNone;
}

QString MultiMedia::MMGetErrorText(qint32 code) {
    // For a code the engine does not know, the result is whatever text it
    // left, trimmed; that may be empty.
    QString text;
    if (code >= 0) engine_.errorText(static_cast<quint32>(code), text);
    return TrimFirstLine(text.left(kTextReply - 1));
}

qint32 MultiMedia::MMSendCommand(const QString& command, quint8 replySize, quint32* resultCode) {
    const QString reply = send(command, replySize, resultCode);
    if (replySize == 0) return 0;
    return replyToInt32(reply);
}
