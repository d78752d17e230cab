#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

class Dialogs;
class TagFile;

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
// The same tag as separate fields (nothing when the file has no tag), for
// callers that must not split a joined text: a field may hold a "|".
std::optional<Id3::Fields> ReadID3Fields(Dialogs& dialogs, const QString& path);

// Writes a tag in place: mode 0 appends a record, 1 replaces the record the
// file has, 2 looks for one and does 0 or 1. Only the last 128 bytes are
// written (or 128 appended), so the file keeps its links, owner and
// attributes and the audio is never rewritten. Fields longer than their
// width are cut at a character boundary so the record keeps its size. A
// failure is reported in a message box; an append that failed is undone.
// Returns whether the tag was written.
bool WriteID3Tag(Dialogs& dialogs, TagFile& file, quint8 mode, const QString& path, const QString& title,
                 const QString& artist, const QString& album, const QString& year, const QString& comment,
                 quint8 genre);
// The same on the file on disk.
bool WriteID3Tag(Dialogs& dialogs, quint8 mode, const QString& path, const QString& title,
                 const QString& artist, const QString& album, const QString& year,
                 const QString& comment, quint8 genre);
