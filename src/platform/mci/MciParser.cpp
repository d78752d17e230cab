#include "platform/mci/MciParser.h"

#include <algorithm>
#include <limits>

#include "platform/mci/MciEngine.h"

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Keywords every command accepts. Nothing here notifies a window, and no
// command may hold the caller up, so both are taken and ignored.
const QList<MciKeyword>& universalKeywords() {
    static const QList<MciKeyword> list{{QStringLiteral("wait")}, {QStringLiteral("notify")}};
    return list;
}

}  // namespace

MciParser::MciParser(QList<MciSyntax> table) : table_(std::move(table)) {
    for (MciSyntax& syntax : table_) {
        syntax.keywords.append(universalKeywords());
        // Longest keywords first, so "to start" wins over "to".
        std::stable_sort(syntax.keywords.begin(), syntax.keywords.end(), [](const MciKeyword& a, const MciKeyword& b) {
            return a.words.count(QLatin1Char(' ')) > b.words.count(QLatin1Char(' '));
        });
    }
}

std::optional<QStringList> MciParser::tokenize(const QString& text) {
    QStringList tokens;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (isBlank(text.at(i))) {
            ++i;
            continue;
        }
        if (text.at(i) == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) return std::nullopt;
            tokens.append(text.mid(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        qsizetype end = i;
        while (end < n && !isBlank(text.at(end)) && text.at(end) != QLatin1Char('"')) ++end;
        tokens.append(text.mid(i, end - i));
        i = end;
    }
    return tokens;
}

std::optional<qint64> MciParser::parseInteger(const QString& word) {
    qsizetype i = 0;
    const bool negative = word.startsWith(QLatin1Char('-'));
    if (negative) i = 1;
    if (i >= word.size()) return std::nullopt;
    qint64 value = 0;
    for (; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min()) return std::nullopt;
    return value;
}

const MciKeyword* MciParser::matchKeyword(const MciSyntax& syntax, const QStringList& tokens, int at,
                                          int& wordCount) const {
    for (const MciKeyword& keyword : syntax.keywords) {
        const QStringList words = keyword.words.split(QLatin1Char(' '));
        if (at + words.size() > tokens.size()) continue;
        bool same = true;
        for (int w = 0; w < words.size() && same; ++w)
            same = tokens.at(at + w).compare(words.at(w), Qt::CaseInsensitive) == 0;
        if (same) {
            wordCount = static_cast<int>(words.size());
            return &keyword;
        }
    }
    return nullptr;
}

MciParseResult MciParser::parse(const QString& text) const {
    MciParseResult result;
    const std::optional<QStringList> maybeTokens = tokenize(text);
    if (!maybeTokens) {
        result.code = MciError::NoClosingQuote;
        return result;
    }
    const QStringList& tokens = *maybeTokens;
    if (tokens.isEmpty()) {
        result.code = MciError::MissingCommandString;
        return result;
    }

    const QString verb = tokens.first().toLower();
    const auto found = std::find_if(table_.cbegin(), table_.cend(), [&](const MciSyntax& s) { return s.verb == verb; });
    if (found == table_.cend()) {
        result.code = MciError::UnrecognizedCommand;
        return result;
    }
    const MciSyntax& syntax = *found;
    result.syntaxIndex = static_cast<int>(found - table_.cbegin());
    MciCommand& command = result.command;
    command.verb = verb;

    if (tokens.size() < 2) {
        result.code = MciError::MissingDeviceName;
        return result;
    }
    command.target = tokens.at(1);
    if (command.target.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        if (syntax.target != MciTarget::DeviceOrAll) {
            result.code = MciError::CannotUseAll;
            return result;
        }
        command.all = true;
    }

    int at = 2;
    while (at < tokens.size()) {
        int wordCount = 0;
        const MciKeyword* keyword = matchKeyword(syntax, tokens, at, wordCount);
        if (!keyword) {
            result.code = MciError::UnrecognizedKeyword;
            return result;
        }
        if (command.values.contains(keyword->words)) {
            result.code = MciError::DuplicateFlags;
            return result;
        }
        at += wordCount;
        MciCommand::Value value;
        if (keyword->value != MciValueKind::Flag) {
            if (at >= tokens.size()) {
                result.code = MciError::MissingParameter;
                return result;
            }
            value.text = tokens.at(at++);
            if (keyword->value == MciValueKind::Integer) {
                const std::optional<qint64> number = parseInteger(value.text);
                if (!number) {
                    result.code = MciError::BadInteger;
                    return result;
                }
                value.number = *number;
            }
        }
        command.values.insert(keyword->words, value);
    }
    return result;
}
