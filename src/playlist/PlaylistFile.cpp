#include "playlist/PlaylistFile.h"

#include <QSaveFile>

namespace {

bool save(const QString& path, PlaylistFormat::Kind kind, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    const QByteArray bytes = PlaylistFormat::encode(kind, text);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
}

}  // namespace

namespace PlaylistFile {

ReadResult read(const QString& path, int room) { return read(path, PlaylistFormat::forPath(path), room); }

ReadResult read(const QString& path, PlaylistFormat::Kind kind, int room) {
    ReadResult result;
    TextLineReader reader(path, PlaylistFormat::encoding(kind));
    PlaylistFormat::Parser parser(kind, path);
    QString line;
    // One entry past the room tells that the file holds more.
    while (parser.count() <= room && reader.readLine(line)) parser.addLine(line);
    result.failure = reader.failure();
    if (result.failure != TextLineReader::Failure::None) {
        result.error = reader.failureText();
        return result;
    }
    result.paths = parser.paths();
    result.leftOut = result.paths.size() > room;
    if (result.leftOut) result.paths.resize(room);
    result.ok = true;
    return result;
}

bool write(const QString& path, const PlaylistEntries& entries, QString* error) {
    const PlaylistFormat::Kind kind = PlaylistFormat::forPath(path);
    return save(path, kind, PlaylistFormat::lines(kind, entries), error);
}

bool writeOwn(const QString& path, const QStringList& paths, QString* error) {
    return save(path, PlaylistFormat::Kind::Own, paths, error);
}

}  // namespace PlaylistFile
