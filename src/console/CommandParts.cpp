#include "console/CommandParts.h"

#include <QStringList>
#include <QtGlobal>

#include "common/Numbers.h"

namespace {

// At most four words split at single blanks; the fourth keeps the rest of
// the line, blanks and all. Missing words are empty.
CommandParts fourWords(const QString& command) {
    const QStringList all = command.split(u' ');
    CommandParts words;
    for (qsizetype i = 0; i < 3; ++i) words[static_cast<size_t>(i)] = all.value(i);
    if (all.size() > 3) words[3] = all.mid(3).join(u' ');
    return words;
}

}  // namespace

CommandParts splitCommand(const QString& command) {
    if (command.isEmpty()) return {};
    const CommandParts words = fourWords(command);
    const QString verb = words[0].toLower();
    if (verb == QLatin1String("open")) return {words[0], words[3], QString(), words[1]};
    if (verb == QLatin1String("close")) return {words[0], words[1], QString(), QString()};
    return words;
}

QString aliasCompletion(const QString& command, int previousLength) {
    if (command.size() < previousLength) return {};
    const qsizetype blank = command.indexOf(u' ');
    if (blank < 0 || blank != command.lastIndexOf(u' ')) return {};
    const QString typed = command.mid(blank + 1);
    const QString alias = QLatin1String(kConsoleAlias);
    if (typed.isEmpty() || !alias.startsWith(typed, Qt::CaseSensitive)) return {};
    return alias.mid(typed.size());
}

int replySizeFromText(const QString& text) {
    const double number = leadingNumber(text);
    if (!(number > 0)) return 0;  // no number, negative, or not a number at all
    return static_cast<int>(qMin(roundHalfEven(number), 255.0));
}
