#include "support/FakeDialogs.h"

int FakeDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    messages.append({text, buttons, icon, title});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::YesNo: return MsgResult::No;
    default: return MsgResult::Cancel;
    }
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                              std::optional<QPoint> positionTwips) {
    inputs.append({prompt, title, defaultAnswer, positionTwips});
    if (inputAnswers.empty()) return {};
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

QStringList FakeDialogs::openFiles(const FileDialogRequest& request) {
    openRequests.append(request);
    if (openAnswers.empty()) return {};
    QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString FakeDialogs::saveFile(const FileDialogRequest& request) {
    saveRequests.append(request);
    if (saveAnswers.empty()) return {};
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QStringList FakeDialogs::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages) texts.append(m.text);
    return texts;
}
