#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "platform/mci/MciCommand.h"
#include "platform/mci/MciSyntax.h"

// Reads command texts against a table of command syntaxes. Verbs, keywords
// and "all" are case-insensitive; blanks between words may repeat; a word in
// double quotes may hold blanks. "wait" and "notify" are accepted with every
// command. The parser checks the form only: whether a device is open or a
// value is in range is for the engine to say.
class MciParser {
public:
    explicit MciParser(QList<MciSyntax> table);

    MciParseResult parse(const QString& text) const;

    // The words of a command; std::nullopt when a quote is not closed.
    static std::optional<QStringList> tokenize(const QString& text);
    // A whole number as the media commands write it: an optional minus and
    // decimal digits, within 32 bits.
    static std::optional<qint64> parseInteger(const QString& word);

private:
    // The keyword starting at tokens[at], longest first; nullptr if none.
    const MciKeyword* matchKeyword(const MciSyntax& syntax, const QStringList& tokens, int at,
                                   int& wordCount) const;

    QList<MciSyntax> table_;
};
