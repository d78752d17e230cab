#pragma once

#include <QString>
#include <QStringList>

// The lyric editor's text commands. They work on the text as the editor
// holds it, lines joined by CR LF, and give the new text; none of them
// touches a file.
namespace LyricText {

// The text's lines as the lyric loader reads them from the saved file: the
// text followed by a line end, cut at CR LF, a lone CR or a lone LF. A text
// that ends in a line end therefore gives a last, empty line.
QStringList splitLyricLines(const QString& text);
// Lines joined by CR LF, no line end after the last.
QString joinLines(const QStringList& lines);

// The line commands of the edit menu (0..2; 3 is prependLine).
QString trimLines(const QString& text);        // 0: spaces cut at both ends of every line
QString capitalizeLines(const QString& text);  // 1: first character of every line in upper case
QString removeSpaces(const QString& text);     // 2: every space character gone
QString prependLine(const QString& text, const QString& line);  // 3: a new first line

// The four conversions of full-width marks to half-width ones:
// 0 ideographic space, 1 comma, 2 full stop, 3 colon.
inline constexpr int kConversionCount = 4;
QString convertFullWidth(const QString& text, int conversion);

// Line ends of the text area (LF) and of the editor's text (CR LF).
QString toEditorText(const QString& areaText);
QString toAreaText(const QString& editorText);
// A position in the editor's text as a position in the text area's text.
int toAreaPosition(const QString& editorText, int position);

}  // namespace LyricText
