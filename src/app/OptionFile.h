#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// The values of "Option.ini" as they stand in the file: nine check options,
// the three choice entries, the start folder and the background tag.
struct OptionValues {
    // Check options 0..8 of the option menu (lines 1-7, 13 and 14).
    std::array<bool, 9> flags{false, false, true, false, false, false, false, false, false};
    qint16 passEntry = 1;        // line 8: 1..5 passes, 6 endless
    qint16 scrollEntry = 0;      // line 9: caption scrolling 0..3
    qint16 lyricSpeedEntry = 3;  // line 10: lyric speed adjustment 0..7
    QString initDir;             // line 11: start folder
    QString backgroundTag = QStringLiteral("0");  // line 12, kept as written

    // Line 12 split the way the background option reads it: "n" is entry n,
    // "1|path" (anything holding "|") is entry 1 with the text after the "|".
    int backgroundEntry() const;
    QString backgroundPath() const;

    bool operator==(const OptionValues&) const = default;
};

// The option file's fourteen lines: one value per line, each ended by CR LF.
// Booleans are "#TRUE#" / "#FALSE#", numbers plain decimal, texts quoted
// with nothing escaped. Readers also take unquoted texts up to a comma.
//
// Every line is one value, whatever it holds: a comma in an unquoted start
// folder ends that value but never pushes the later options down a line, and
// a quoted value runs to the last quotation mark on its line, so a folder
// name holding a quotation mark or a comma reads back whole.
namespace OptionFile {

inline constexpr int kLineCount = 14;

struct ParseResult {
    bool ok = false;
    OptionValues values;
    QString error;  // which line is wrong and why; empty when ok
};

// The value a line holds: a quoted text without its quotes (up to the last
// quotation mark), or an unquoted text up to the first comma, trimmed.
QString decodeValue(const QString& line);
// The line that reads back as `text` with decodeValue.
QString quoted(const QString& text);

// Checks all fourteen values before taking any; values after the 14th are
// ignored.
ParseResult parse(const QStringList& lines);
// Reads the file; a missing, unreadable, short or malformed file fails.
ParseResult read(const QString& path);
QStringList format(const OptionValues& values);
// Replaces the file in one step; the old file stays whole when this fails.
bool write(const QString& path, const OptionValues& values, QString* error = nullptr);

// The fourteen default lines as the option checker offers them; the start
// folder is the user's home folder.
QStringList defaultLines();
// The option checker's names of the fourteen lines.
QStringList optionNames();

}  // namespace OptionFile
