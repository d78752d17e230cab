#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

class Dialogs;

// The ID3 version 1 record: the last 128 bytes of an MP3 file.
//   offset 0 "TAG", 3 title (30), 33 artist (30), 63 album (30),
//   93 year (4), 97 comment (30), 127 genre (one byte, 255 = none)
namespace Id3 {

inline constexpr int kRecordSize = 128;
inline constexpr int kBodyAndGenreSize = 125;  // everything after the marker
inline constexpr int kTextWidth = 30;
inline constexpr int kYearWidth = 4;
inline constexpr quint8 kNoGenre = 255;
inline constexpr quint8 kGenreCount = 148;     // 0..147 name a genre

enum WriteMode : quint8 { Append = 0, Overwrite = 1, Detect = 2 };

struct Fields {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    quint8 genre = kNoGenre;
};

// The fields of a 128-byte record, or nothing when it has no "TAG" marker
// (exact case).
std::optional<Fields> parseRecord(const QByteArray& record);

// The text a selector asks for: 0 all six fields, 1..5 one text field,
// 6 the genre number, 12 title|artist, 21 artist|title, 123
// title|artist|album; any other selector gives an empty text.
QString selectFields(const Fields& fields, quint8 selector);

}  // namespace Id3

// The tag fields of a file as the selector chooses them; empty when the file
// has no tag. A file that is missing, shorter than 128 bytes or unreadable
// is reported in a message box and gives an empty text.
QString ReadID3Tag(Dialogs& dialogs, const QString& path, quint8 selector);

// Writes a tag: mode 0 appends a record, 1 replaces the record the file has,
// 2 looks for one and does 0 or 1. Fields longer than their width are cut at
// a character boundary so the record keeps its size. The file is replaced
// only when the whole new content is written, so a failure (reported in a
// message box) leaves it as it was. Returns whether the tag was written.
bool WriteID3Tag(Dialogs& dialogs, quint8 mode, const QString& path, const QString& title,
                 const QString& artist, const QString& album, const QString& year,
                 const QString& comment, quint8 genre);
