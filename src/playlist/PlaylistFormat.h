#pragma once

#include <QString>
#include <QStringList>

#include <map>

#include "common/TextLineReader.h"

class PlaylistEntries;

// The playlist file formats, chosen by the file's extension (in any case):
//   Own   one path per line, nothing else; every other extension,
//         none, and always the backups $BackUp1..$BackUp5.
//   M3u   ".m3u": "#EXTM3U", then "#EXTINF:<seconds>,<title>" and the path
//         of every entry; lines starting with "#" are comments to a reader.
//   M3u8  ".m3u8": M3U in UTF-8 (written without a BOM).
//   Pls   ".pls": "[playlist]", FileN=, TitleN=, LengthN= per entry,
//         NumberOfEntries= and Version=2; a reader takes the FileN values in
//         the order of N (numbers may be missing or out of order).
// Own, M3U and PLS text follows the code page rules (CP950, or UTF-8 with a
// BOM when CP950 cannot hold it). In M3U and PLS, as other players write
// them, a relative path is taken against the playlist file's folder and a
// file:// address is decoded to its path; the own format takes every line
// as it is. Seconds are whole seconds, -1 for an entry not measured yet;
// titles are what the playlist shows for the entry.
namespace PlaylistFormat {

enum class Kind { Own, M3u, M3u8, Pls };

Kind forPath(const QString& path);
TextLineReader::Encoding encoding(Kind kind);

// Turns a playlist file's lines, fed one at a time, into entry paths.
class Parser {
public:
    Parser(Kind kind, const QString& listPath);

    void addLine(const QString& line);
    // Entries found so far.
    int count() const;
    // The entries in playlist order.
    QStringList paths() const;

private:
    void addPlsLine(const QString& line);
    void addPath(QString path);  // an empty one is no entry
    QString resolve(const QString& text) const;

    Kind kind_;
    QString folder_;                      // the playlist file's folder, with a separator
    QStringList paths_;                   // own and M3U
    std::map<qint64, QString> numbered_;  // PLS: FileN values by N
};

// The file's lines for every entry of the playlist (no line ends).
QStringList lines(Kind kind, const PlaylistEntries& entries);
// The bytes of a file holding `text` in this format.
QByteArray encode(Kind kind, const QString& text);

}  // namespace PlaylistFormat
