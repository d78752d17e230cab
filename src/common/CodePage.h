#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The player's 8-bit code page is code page 950 (Traditional Chinese). Text
// that code page 950 cannot hold is written as UTF-8 with a byte-order mark
// instead, so nothing a user typed is ever lost; readers accept both forms
// and UTF-8 without a mark when the bytes are plainly UTF-8.
namespace CodePage {

// Qt's name of code page 950.
const char* name();
const QByteArray& utf8Bom();
// Strict UTF-8: no overlong forms, surrogates or values past U+10FFFF (Qt's
// decoder lets some of these through). `complete`: the bytes end where the
// text ends, so a sequence cut off at their end is an error too; otherwise
// it may go on past them. `hasMultiByte` tells whether any sequence of more
// than one byte occurs.
bool isStrictUtf8(const QByteArray& bytes, bool complete = true, bool* hasMultiByte = nullptr);

// True when every character survives a round trip through code page 950.
bool fitsCp950(const QString& text);
// Code page 950 bytes; characters the code page cannot hold become "?".
QByteArray toCp950Lossy(const QString& text);
// Decodes code page 950 bytes (invalid sequences become U+FFFD).
QString fromCp950(const QByteArray& bytes);
// Bytes for a text file: code page 950, or UTF-8 with a BOM when needed.
QByteArray encodeForFile(const QString& text);
// Decodes a text file's bytes: UTF-8 with BOM, UTF-8 without BOM when valid
// and holding a multi-byte sequence, otherwise code page 950.
QString decodeFile(const QByteArray& bytes);
// Splits at CR LF, at a lone CR and at a lone LF. A final line end does not
// start another (empty) line.
QStringList splitLines(const QString& text);

}  // namespace CodePage
