#include "support/FakeMciEngine.h"

MciReply FakeMciEngine::sendString(const QString& command, int replyCapacity) {
    sent.append({command, replyCapacity});
    MciReply reply = replies_.value(command);
    if (onCommand) onCommand(command, reply);
    if (replyCapacity <= 0)
        reply.text.clear();
    else
        reply.text.truncate(replyCapacity - 1);
    return reply;
}

bool FakeMciEngine::errorText(quint32 code, QString& text) const {
    const auto it = errorTexts.constFind(code);
    if (it == errorTexts.constEnd()) return false;
    text = *it;
    return true;
}

QStringList FakeMciEngine::commands() const {
    QStringList list;
    for (const Sent& s : sent) list.append(s.command);
    return list;
}
