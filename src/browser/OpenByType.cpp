#include "browser/OpenByType.h"

#include <QFileInfo>
#include <QStringList>

#include "common/PathText.h"

OpenGroup OpenByType::groupOfExtension(const QString& extLower) {
    static const struct {
        OpenGroup group;
        QStringList extensions;
    } groups[] = {
        {OpenGroup::Media, {"mp3", "wav", "mid", "midi", "wma"}},
        {OpenGroup::Playlist, {"m3u", "m3u8", "pls", "ini", ""}},
        {OpenGroup::Picture, {"bmp", "jpg", "gif", "tif", "jpeg"}},
        {OpenGroup::Text, {"txt", "lyr"}},
        {OpenGroup::Program, {"exe"}},
    };
    for (const auto& g : groups)
        if (g.extensions.contains(extLower)) return g.group;
    return OpenGroup::Other;
}

OpenGroup OpenByType::classify(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return OpenGroup::Missing;
    return groupOfExtension(GetFileExt(path).toLower());
}
