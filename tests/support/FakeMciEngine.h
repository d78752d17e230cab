#pragma once

#include <QHash>
#include <QStringList>

#include <functional>

#include "platform/mci/MciEngine.h"

// A media engine that plays nothing: it records every command with its reply
// size and answers from a table the test fills. A command without a scripted
// answer succeeds with an empty reply.
class FakeMciEngine final : public MciEngine {
public:
    struct Sent {
        QString command;
        int replyCapacity;
    };

    MciReply sendString(const QString& command, int replyCapacity) override;
    bool errorText(quint32 code, QString& text) const override;

    // Exact command text (case-sensitive) -> reply.
    void answer(const QString& command, const QString& text, quint32 code = 0) {
        replies_.insert(command, MciReply{code, text});
    }
    // Called for every command after the table; may change the reply.
    std::function<void(const QString& command, MciReply& reply)> onCommand;

    QStringList commands() const;
    void clear() { sent.clear(); }

    QList<Sent> sent;
    QHash<quint32, QString> errorTexts;

private:
    QHash<QString, MciReply> replies_;
};
