#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class Dialogs;

// Text as it is stored in the fixed-width fields of a tag: bytes of code
// page 950, where a Chinese character takes two bytes.

// The number of bytes the text takes in code page 950. A character whose
// code is neither a one-byte nor a two-byte code is reported in a warning
// box and not counted; characters the code page cannot hold count as the
// one-byte "?" they are written as.
qint16 CheckInvalidChars(Dialogs& dialogs, const QString& text);

// The code page 950 code of one character (a code point) as a 16-bit
// number: a one-byte character gives its byte, a two-byte character lead
// byte x 256 + trail byte (negative for lead bytes from 0x80).
qint16 cp950CharCode(const QString& character);

// The number of bytes a character code takes: 1 for one or two hex digits,
// 2 for four, 0 for three (a code that cannot be a code page 950 character).
int bytesOfCharCode(qint16 code);

// The text the bytes spell in code page 950, up to the first line end
// (CR, CR LF or LF); not trimmed.
QString BytesToText(const QByteArray& bytes);

// Appends `count` characters of code 0 to `text` (changing it) and returns
// it; a count of 0 or less changes nothing.
QString PadWithNulls(QString& text, int count);
