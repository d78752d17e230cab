#pragma once

#include <QString>
#include <QStringList>

// The playlist file: one song path per line, nothing else (no header, no
// lengths, no quoting). Written in the player's code page with CR LF after
// every line; read with any line end, each line trimmed of spaces and blank
// lines skipped. The reader accepts any text as a path: whether the songs
// exist is the display's business.
namespace PlaylistFile {

struct ReadResult {
    bool ok = false;
    QStringList paths;
    QString error;  // why the file could not be read; empty when ok
};

QStringList parse(const QString& text);
ReadResult read(const QString& path);
// Replaces the file only once the new content is complete.
bool write(const QString& path, const QStringList& paths, QString* error = nullptr);

}  // namespace PlaylistFile
