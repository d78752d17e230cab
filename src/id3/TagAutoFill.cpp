#include "id3/TagAutoFill.h"

#include "common/PathText.h"

namespace {

const QString kSeparator(kPathSeparator);

// The name of a folder is its path's file title, so a dot in it cuts it.
QString folderName(const QString& folderPath) { return GetFileTitle(folderPath); }

// Splits the file's title at the first `separator` into two trimmed parts;
// a title without it gives two empty parts.
std::pair<QString, QString> splitTitle(const QString& path, const QString& separator) {
    const QString title = GetFileTitle(path);
    return {TrimSpaces(TextBefore(title, separator)), TrimSpaces(TextAfter(title, separator))};
}

}  // namespace

namespace TagAutoFill {

QStringList items() {
    const auto item = [](const QString& pattern, const QString& example) {
        return pattern + QStringLiteral("  \t[") + example + QStringLiteral("]");
    };
    return {
        item(QStringLiteral("演出者/歌名"), QStringLiteral("/music/演出者/歌名.mp3")),
        item(QStringLiteral("演出者/專輯/歌名"), QStringLiteral("/music/演出者/專輯/歌名.mp3")),
        item(QStringLiteral("演出者 - 歌名"), QStringLiteral("/music/演出者 - 歌名.mp3")),
        item(QStringLiteral("歌名 - 演出者"), QStringLiteral("/music/歌名 - 演出者.mp3")),
        item(QStringLiteral("歌名 ~ 演出者"), QStringLiteral("/music/歌名 ~ 演出者.mp3")),
        item(QStringLiteral("演出者 ~ 歌名"), QStringLiteral("/music/演出者 ~ 歌名.mp3")),
        QStringLiteral("插入今年年份"),
        QStringLiteral("插入歌曲類型為Pop"),
        QStringLiteral("插入歌曲類型為Rock"),
        QStringLiteral("插入播放中歌曲的長度至Comment"),
    };
}

bool run(int index, const QString& path, const Sources& sources, TagTexts& fields, int& genreItem) {
    using namespace TagField;
    const QString folder = TextBeforeLast(path, kSeparator);
    switch (index) {
    case 0:
        fields[Title] = GetFileTitle(path);
        fields[Artist] = folderName(folder);
        break;
    case 1:
        fields[Title] = GetFileTitle(path);
        fields[Album] = folderName(folder);
        if (!folder.contains(kSeparator)) return false;
        fields[Artist] = folderName(TextBeforeLast(folder, kSeparator));
        break;
    case 2: std::tie(fields[Artist], fields[Title]) = splitTitle(path, QStringLiteral("-")); break;
    case 3: std::tie(fields[Title], fields[Artist]) = splitTitle(path, QStringLiteral("-")); break;
    case 4: std::tie(fields[Title], fields[Artist]) = splitTitle(path, QStringLiteral("~")); break;
    case 5: std::tie(fields[Artist], fields[Title]) = splitTitle(path, QStringLiteral("~")); break;
    case 6: fields[Year] = QString::number(sources.year).rightJustified(4, u'0'); break;
    case 7: genreItem = kPopItem; break;
    case 8: genreItem = kRockItem; break;
    case 9: fields[Comment] = sources.songLengthText; break;
    default: return false;
    }
    return true;
}

}  // namespace TagAutoFill

QString TagPresets::itemText(int item) const {
    if (item == kOverwriteItem) return QStringLiteral("不理會資料是否存在，都利用這些資料覆寫。");
    static const char* const names[] = {"Title", "Artist", "Album", "Year", "Comment"};
    const QString head = QString::fromLatin1(names[item]).leftJustified(kNameWidth - 1, u' ') + u'[';
    return head + value(item) + u']';
}

void TagPresets::applyTo(TagTexts& fields) const {
    for (int i = 0; i < TagField::kCount; ++i) {
        if (!ticked(i)) continue;
        if (TrimSpaces(fields[static_cast<size_t>(i)]).isEmpty() || ticked(kOverwriteItem))
            fields[static_cast<size_t>(i)] = value(i);
    }
}
