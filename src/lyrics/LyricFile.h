#pragma once

#include <QString>
#include <QStringList>

// The .lyr lyric file: plain text, one lyric line per text line, no time
// tags. Lines are spread evenly over the song by the display, so a line
// that looks like a time tag is shown as written.
namespace LyricFile {

// Entries around the lyric in the viewer's list: three before the first
// line and three after the last, so the first and last lines can stand in
// the middle of the seven-line viewer.
inline constexpr int kLeadEntries = 3;
// The line cursor is 16-bit and may stand three past the list; longer files
// are cut here (no lyric comes near it).
inline constexpr int kMaxLines = 32767 - 3 * kLeadEntries - 1;

struct ReadResult {
    bool ok = false;
    QStringList lines;  // spaces trimmed at both ends, blank lines skipped
    QString error;      // why the file could not be read; empty when ok
};

ReadResult readLines(const QString& path);
// listLyricContainer: "倒數 --- {3}" .. {1}, the lines, then {1} .. {3}.
QStringList containerFor(const QStringList& lines);

}  // namespace LyricFile
