#include "rename/NameFunctions.h"

#include <functional>

#include "common/PathText.h"
#include "platform/Dialogs.h"

namespace {

using EntryChange = std::function<QString(const QString&)>;

void changeEvery(QStringList& names, const EntryChange& change) {
    for (QString& name : names) name = change(name);
}

// The text after the whole mark; a mark of several characters is dropped
// whole, as the user who typed it expects.
QString afterMark(const QString& name, const QString& mark) {
    const qsizetype at = name.indexOf(mark);
    return at < 0 ? QString() : name.mid(at + mark.size());
}

QString ask(Dialogs& dialogs, const char16_t* prompt) { return dialogs.inputBox(QString::fromUtf16(prompt)); }

void applyWithAnswers(NameFunction function, QStringList& names, Dialogs& dialogs) {
    switch (function) {
    case NameFunction::AddExtension: {
        const QString extension = ask(dialogs, u"請輸入要新增的附檔名");
        if (!extension.isEmpty()) changeEvery(names, [&](const QString& n) { return n + u'.' + extension; });
        return;
    }
    case NameFunction::TextAfterMark:
    case NameFunction::TextBeforeMark: {
        const QString mark = ask(dialogs, u"請輸入要標明截取的字元");
        if (mark.isEmpty()) return;
        const bool after = function == NameFunction::TextAfterMark;
        changeEvery(names, [&](const QString& n) { return TrimSpaces(after ? afterMark(n, mark) : TextBefore(n, mark)); });
        return;
    }
    case NameFunction::Replace: {
        const QString find = ask(dialogs, u"請輸入要被取代的字元");
        if (find.isEmpty()) return;
        const QString replacement = ask(dialogs, u"請輸入要取代成的字元");
        if (replacement.isEmpty()) return;
        changeEvery(names, [&](const QString& n) { return ReplaceText(n, find, replacement, true); });
        return;
    }
    default:
        return;
    }
}

}  // namespace

QStringList nameFunctionCaptions() {
    return {QStringLiteral("檔名全部變為小寫"),   QStringLiteral("檔名全部變為大寫"),
            QStringLiteral("移除全部附檔名"),     QStringLiteral("全部新增附檔名"),
            QStringLiteral("截取[字元]後的字串"), QStringLiteral("截取[字元]前的字串"),
            QStringLiteral("取代檔名(連附檔名)"), QStringLiteral("移除檔名頭尾空白")};
}

void applyNameFunction(NameFunction function, QStringList& names, Dialogs& dialogs) {
    if (names.isEmpty()) return;
    switch (function) {
    case NameFunction::Lower:
        return changeEvery(names, [](const QString& n) { return n.toLower(); });
    case NameFunction::Upper:
        return changeEvery(names, [](const QString& n) { return n.toUpper(); });
    case NameFunction::RemoveExtension:
        return changeEvery(names, [](const QString& n) { return GetFileTitle(n); });
    case NameFunction::TrimSpaces:
        return changeEvery(names, [](const QString& n) { return TrimSpaces(n); });
    default:
        return applyWithAnswers(function, names, dialogs);
    }
}
