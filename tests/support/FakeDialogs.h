#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

#include "platform/Dialogs.h"

// Scripted dialogs: every call is recorded, and answers come from queues
// filled by the test. An empty queue gives the "cancelled" answer (Cancel,
// or No for Yes/No boxes, OK for OK boxes; empty text; no file).
class FakeDialogs final : public Dialogs {
public:
    struct Message {
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
        QString title;
    };
    struct Input {
        QString prompt;
        QString title;
        QString defaultAnswer;
        std::optional<QPoint> positionTwips;
    };

    int messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                     std::optional<QPoint> positionTwips) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

    // Answers, taken in order.
    std::deque<int> messageAnswers;
    std::deque<QString> inputAnswers;
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;

    // Runs while an input box is open, as the events a real box's own
    // event loop delivers (timer ticks) would.
    std::function<void()> whileInputOpen;

    // What was asked.
    QList<Message> messages;
    QList<Input> inputs;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;

    QStringList messageTexts() const;
};
