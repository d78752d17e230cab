#include "browser/FilePattern.h"

#include <QStringList>

#include "common/PathText.h"

namespace {

// "*" and "?" as regex; with `noDot` they may not cross a dot.
QString translate(QStringView wildcard, bool noDot) {
    QString out;
    for (const QChar c : wildcard) {
        if (c == u'*')
            out += noDot ? QStringLiteral("[^.]*") : QStringLiteral(".*");
        else if (c == u'?')
            out += noDot ? QStringLiteral("[^.]") : QStringLiteral(".");
        else
            out += QRegularExpression::escape(QString(c));
    }
    return out;
}

}  // namespace

QString FilePattern::wildcardToRegex(QStringView wildcard) {
    if (wildcard.endsWith(u".*"))
        return translate(wildcard.chopped(2), false) + QStringLiteral("(?:\\..*)?");
    if (wildcard.endsWith(u'.')) return translate(wildcard.chopped(1), true);
    return translate(wildcard, false);
}

FilePattern::FilePattern(const QString& pattern) : text_(pattern) {
    QStringList alternatives;
    for (const QString& part : pattern.split(u';')) {
        const QString wildcard = TrimSpaces(part);
        if (wildcard.isEmpty()) continue;
        if (wildcard == QStringLiteral("*") || wildcard == QString::fromUtf16(kAll)) matchesAll_ = true;
        alternatives.append(wildcardToRegex(wildcard));
    }
    // An empty alternation would match the empty name only, i.e. nothing.
    if (alternatives.isEmpty()) alternatives.append(QStringLiteral("(?!)"));
    regex_.setPattern(QStringLiteral("\\A(?:") + alternatives.join(u'|') + QStringLiteral(")\\z"));
    regex_.setPatternOptions(QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    regex_.optimize();
}

bool FilePattern::matches(const QString& fileName) const {
    return matchesAll_ || regex_.match(fileName).hasMatch();
}

std::optional<QString> FilePattern::fromFilterAnswer(const QString& answer) {
    // Spaces around the answer are dropped: " mp3" means "*.mp3", not a
    // pattern that needs a space in the name.
    const QString trimmed = TrimSpaces(answer);
    if (trimmed.isEmpty()) return std::nullopt;
    if (trimmed.startsWith(QStringLiteral("*."))) return trimmed;
    return QStringLiteral("*.") + trimmed;
}
