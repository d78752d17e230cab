#include "desktop/TrackTags.h"

#include <QFile>

#include "common/PathText.h"
#include "id3/Id3Tag.h"

namespace {

std::optional<Id3::Fields> readTag(const QString& path) {
    if (GetFileExt(path).toLower() != QLatin1String("mp3")) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < Id3::kRecordSize) return std::nullopt;
    if (!file.seek(file.size() - Id3::kRecordSize)) return std::nullopt;
    return Id3::parseRecord(file.read(Id3::kRecordSize));
}

}  // namespace

TrackTags TrackTags::of(const QString& path) {
    TrackTags tags;
    if (const auto fields = readTag(path)) {
        tags.title = fields->title.trimmed();
        tags.artist = fields->artist.trimmed();
        tags.album = fields->album.trimmed();
    }
    if (tags.title.isEmpty()) tags.title = GetFileTitle(path);
    return tags;
}
