#include "support/FakeDialogs.h"

namespace {

// The next scripted answer, or the empty answer a cancelled dialog gives.
template <typename T>
T takeNext(std::deque<T>& answers) {
    if (answers.empty()) return T{};
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

int FakeDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    messages.append({text, buttons, icon, title});
    if (!messageAnswers.empty()) return takeNext(messageAnswers);
    switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::YesNo: return MsgResult::No;
    default: return MsgResult::Cancel;
    }
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                              std::optional<QPoint> positionTwips) {
    inputs.append({prompt, title, defaultAnswer, positionTwips});
    if (whileInputOpen) whileInputOpen();
    return takeNext(inputAnswers);
}

QStringList FakeDialogs::openFiles(const FileDialogRequest& request) {
    openRequests.append(request);
    return takeNext(openAnswers);
}

QString FakeDialogs::saveFile(const FileDialogRequest& request) {
    saveRequests.append(request);
    return takeNext(saveAnswers);
}

QStringList FakeDialogs::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages) texts.append(m.text);
    return texts;
}
