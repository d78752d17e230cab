#include "app/OptionFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/TextFile.h"

namespace {

const QString kTrue = QStringLiteral("#TRUE#");
const QString kFalse = QStringLiteral("#FALSE#");

// The check option stored on each Boolean line (0-based line -> flag).
constexpr struct {
    int line;
    int flag;
} kFlagLines[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {12, 7}, {13, 8}};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first))) ++first;
    while (last > first && isBlank(text.at(last - 1))) --last;
    return text.mid(first, last - first);
}

QString lineError(int line, const QString& what) {
    return QStringLiteral("line %1: %2").arg(line + 1).arg(what);
}

std::optional<bool> toBoolean(const QString& value) {
    const QString v = trimBlanks(value);
    if (v.compare(kTrue, Qt::CaseInsensitive) == 0) return true;
    if (v.compare(kFalse, Qt::CaseInsensitive) == 0) return false;
    return std::nullopt;
}

// A whole number in 16 bits; a decimal fraction rounds half to even, as
// every conversion of the program does.
std::optional<qint16> toNumber(const QString& value) {
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    const QString v = trimBlanks(value);
    if (!number.match(v).hasMatch()) return std::nullopt;
    return tryRoundTo<qint16>(v.toDouble());
}

// A number that must name an existing menu entry.
bool readEntry(const QStringList& lines, int line, int first, int last, qint16& entry, QString& error) {
    const QString value = OptionFile::decodeValue(lines.at(line));
    const std::optional<qint16> n = toNumber(value);
    if (!n) {
        error = lineError(line, QStringLiteral("\"%1\" is not a whole number").arg(value));
        return false;
    }
    if (*n < first || *n > last) {
        error = lineError(line, QStringLiteral("entry %1 is outside %2 to %3").arg(*n).arg(first).arg(last));
        return false;
    }
    entry = *n;
    return true;
}

}  // namespace

int OptionValues::backgroundEntry() const {
    if (backgroundTag.contains(u'|')) return 1;
    return toNumber(backgroundTag).value_or(0);
}

QString OptionValues::backgroundPath() const {
    if (!backgroundTag.contains(u'|')) return {};
    return TextAfter(backgroundTag, QStringLiteral("|"));
}

namespace OptionFile {

QString decodeValue(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start))) ++start;
    if (start < line.size() && line.at(start) == u'"') {
        const qsizetype close = line.lastIndexOf(u'"');
        if (close > start) return line.mid(start + 1, close - start - 1);
        return line.mid(start + 1);  // no closing mark: the rest of the line
    }
    const qsizetype comma = line.indexOf(u',', start);
    return trimBlanks(comma < 0 ? line.mid(start) : line.mid(start, comma - start));
}

QString quoted(const QString& text) { return QStringLiteral("\"") + text + QStringLiteral("\""); }

ParseResult parse(const QStringList& lines) {
    ParseResult result;
    if (lines.size() < kLineCount) {
        result.error = QStringLiteral("the file holds %1 of %2 values").arg(lines.size()).arg(kLineCount);
        return result;
    }
    OptionValues& v = result.values;
    for (const auto& fl : kFlagLines) {
        const std::optional<bool> flag = toBoolean(decodeValue(lines.at(fl.line)));
        if (!flag) {
            result.error = lineError(fl.line, QStringLiteral("\"%1\" is not #TRUE# or #FALSE#")
                                                  .arg(decodeValue(lines.at(fl.line))));
            return result;
        }
        v.flags[fl.flag] = *flag;
    }
    if (!readEntry(lines, 7, 1, 6, v.passEntry, result.error)) return result;
    if (!readEntry(lines, 8, 0, 3, v.scrollEntry, result.error)) return result;
    if (!readEntry(lines, 9, 0, 7, v.lyricSpeedEntry, result.error)) return result;
    v.initDir = decodeValue(lines.at(10));
    v.backgroundTag = decodeValue(lines.at(11));
    if (!v.backgroundTag.contains(u'|')) {
        qint16 entry = 0;
        if (!readEntry(lines, 11, 0, 7, entry, result.error)) return result;
    }
    result.ok = true;
    return result;
}

ParseResult read(const QString& path) {
    ParseResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QStringLiteral("%1 does not exist").arg(QDir::toNativeSeparators(path));
        return result;
    }
    QStringList lines;
    QString error;
    if (!TextFile::readLines(path, lines, &error)) {
        result.error = QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    return parse(lines);
}

QStringList format(const OptionValues& values) {
    QStringList lines;
    lines.reserve(kLineCount);
    for (int flag = 0; flag <= 6; ++flag) lines.append(values.flags[flag] ? kTrue : kFalse);
    lines.append(QString::number(values.passEntry));
    lines.append(QString::number(values.scrollEntry));
    lines.append(QString::number(values.lyricSpeedEntry));
    lines.append(quoted(values.initDir));
    lines.append(quoted(values.backgroundTag));
    lines.append(values.flags[7] ? kTrue : kFalse);
    lines.append(values.flags[8] ? kTrue : kFalse);
    return lines;
}

bool write(const QString& path, const OptionValues& values, QString* error) {
    return TextFile::writeLines(path, format(values), error);
}

QStringList defaultLines() {
    return {kFalse, kFalse, kTrue, kFalse, kFalse, kFalse, kFalse,
            QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("3"),
            quoted(QDir::homePath()), QStringLiteral("0"), kFalse, kFalse};
}

QStringList optionNames() {
    return {
        QStringLiteral("啟動時自動載入PlayList"),
        QStringLiteral("結束時自動儲存開啟中的PlayList"),
        QStringLiteral("自動調整資料夾及檔案夾的高度"),
        QStringLiteral("立刻播放PlayList"),
        QStringLiteral("立刻停止PlayLIst"),
        QStringLiteral("播放PlayList前重組PlayList"),
        QStringLiteral("在歌曲播放時關閉程式要求確認"),
        QStringLiteral("PlayList播放次數"),
        QStringLiteral("捲動式字幕"),
        QStringLiteral("動態化歌詞速度調整"),
        QStringLiteral("起始路徑"),
        QStringLiteral("程式起始背景"),
        QStringLiteral("調整資料夾高度時預留一格空位"),
        QStringLiteral("當程式從最小化還原時自動更新檔案及資料夾"),
    };
}

}  // namespace OptionFile
