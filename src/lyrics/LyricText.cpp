#include "lyrics/LyricText.h"

#include "common/CodePage.h"
#include "common/PathText.h"

namespace LyricText {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QStringList splitLyricLines(const QString& text) { return CodePage::splitLines(text + kCrLf); }

QString joinLines(const QStringList& lines) { return lines.join(kCrLf); }

QString trimLines(const QString& text) {
    QStringList lines = splitLyricLines(text);
    for (QString& line : lines) line = TrimSpaces(line);
    return joinLines(lines);
}

QString capitalizeLines(const QString& text) {
    QStringList lines = splitLyricLines(text);
    for (QString& line : lines) {
        if (line.isEmpty()) continue;
        // A letter outside the basic plane is two UTF-16 units; both change together.
        const qsizetype first = line.at(0).isHighSurrogate() && line.size() > 1 ? 2 : 1;
        line = line.left(first).toUpper() + line.mid(first);
    }
    return joinLines(lines);
}

QString removeSpaces(const QString& text) { return ReplaceText(text, QStringLiteral(" "), QString(), true); }

QString prependLine(const QString& text, const QString& line) { return line + kCrLf + text; }

QString convertFullWidth(const QString& text, int conversion) {
    static const struct {
        QString full;
        QString half;
    } kMarks[kConversionCount] = {
        {QStringLiteral("\u3000"), QStringLiteral(" ")},
        {QStringLiteral("，"), QStringLiteral(",")},
        {QStringLiteral("。"), QStringLiteral(".")},
        {QStringLiteral("："), QStringLiteral(":")},
    };
    if (conversion < 0 || conversion >= kConversionCount) return text;
    return ReplaceText(text, kMarks[conversion].full, kMarks[conversion].half, true);
}

QString toEditorText(const QString& areaText) { return joinLines(CodePage::splitLines(areaText + u'\n')); }

QString toAreaText(const QString& editorText) { return CodePage::splitLines(editorText + kCrLf).join(u'\n'); }

int toAreaPosition(const QString& editorText, int position) {
    // Every CR LF before the position is one character in the text area.
    int area = 0;
    for (int i = 0; i < position && i < editorText.size(); ++i) {
        if (editorText.at(i) == u'\r' && i + 1 < editorText.size() && editorText.at(i + 1) == u'\n') continue;
        ++area;
    }
    return area;
}

}  // namespace LyricText
