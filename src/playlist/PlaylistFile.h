#pragma once

#include <QString>
#include <QStringList>

#include "common/TextLineReader.h"
#include "playlist/PlaylistFormat.h"

class PlaylistEntries;

// Reading and writing playlist files in the format their extension names
// (PlaylistFormat). A read takes the file line by line and stops once it has
// one entry more than the playlist has room for, so the size of the file
// never matters; a file that is not text (TextLineReader) is refused before
// any entry is read. Writes replace the file only once the new content is
// complete, every line ended by CR LF.
namespace PlaylistFile {

struct ReadResult {
    bool ok = false;
    QStringList paths;      // at most `room` entries
    bool leftOut = false;   // the file holds more entries than `room`; the rest were not read
    TextLineReader::Failure failure = TextLineReader::Failure::None;
    QString error;          // why the file was refused or unreadable; empty when ok

    // The file was read but is no text (error says why), as opposed to one
    // that could not be opened or read.
    bool refused() const {
        return failure != TextLineReader::Failure::None && failure != TextLineReader::Failure::Unreadable;
    }
};

ReadResult read(const QString& path, int room);
ReadResult read(const QString& path, PlaylistFormat::Kind kind, int room);
// Writes the playlist in the format of the path's extension.
bool write(const QString& path, const PlaylistEntries& entries, QString* error = nullptr);
// Writes paths in the own format (backups).
bool writeOwn(const QString& path, const QStringList& paths, QString* error = nullptr);

}  // namespace PlaylistFile
