#include "lyrics/LyricFile.h"

#include "common/PathText.h"
#include "common/TextLineReader.h"

namespace LyricFile {

namespace {

QString leadEntry(int n) { return QStringLiteral("倒數 --- {") + QString::number(n) + u'}'; }

}  // namespace

ReadResult readLines(const QString& path) {
    ReadResult result;
    TextLineReader reader(path);
    QString raw;
    while (result.lines.size() < kMaxLines && reader.readLine(raw)) {
        // Only the space character is trimmed: a tab may indent on purpose.
        const QString line = TrimSpaces(raw);
        if (!line.isEmpty()) result.lines << line;
    }
    if (reader.failure() != TextLineReader::Failure::None) {
        result.lines.clear();
        result.error = reader.failureText();
        return result;
    }
    result.ok = true;
    return result;
}

QStringList containerFor(const QStringList& lines) {
    QStringList entries;
    entries.reserve(lines.size() + 2 * kLeadEntries);
    for (int n = kLeadEntries; n >= 1; --n) entries << leadEntry(n);
    entries << lines;
    for (int n = 1; n <= kLeadEntries; ++n) entries << leadEntry(n);
    return entries;
}

}  // namespace LyricFile
