#include "playlist/PlaylistFile.h"

#include "common/CodePage.h"
#include "common/PathText.h"
#include "common/TextFile.h"

namespace PlaylistFile {

QStringList parse(const QString& text) {
    QStringList paths;
    for (const QString& line : CodePage::splitLines(text)) {
        QString path = TrimSpaces(line);
        if (!path.isEmpty()) paths.append(std::move(path));
    }
    return paths;
}

ReadResult read(const QString& path) {
    ReadResult result;
    const TextFile::ReadResult file = TextFile::read(path);
    if (!file.ok) {
        result.error = file.error;
        return result;
    }
    result.paths = parse(file.text);
    result.ok = true;
    return result;
}

bool write(const QString& path, const QStringList& paths, QString* error) {
    return TextFile::writeLines(path, paths, error);
}

}  // namespace PlaylistFile
