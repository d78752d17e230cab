#include "browser/FileDetails.h"

#include <QStringList>

#include "common/Numbers.h"
#include "common/PathText.h"
#include "playback/PositionToTime.h"

namespace FileDetails {

namespace {

const QString kBreak = QStringLiteral("\r\n");

}  // namespace

int attributeBits(bool writable, const QString& fileName, bool isFolder) {
    int bits = 0;
    if (!writable) bits |= 1;
    if (fileName.startsWith(u'.')) bits |= 2;
    if (isFolder) bits |= 16;
    return bits;
}

QString attributeText(int attributes) {
    switch (attributes) {
    case 0: return QStringLiteral("一般");
    case 1: return QStringLiteral("唯讀");
    case 2: return QStringLiteral("隱藏");
    case 4: return QStringLiteral("系統");
    case 16: return QStringLiteral("資料夾");
    case 32: return QStringLiteral("保存");
    default: return QString::number(attributes);
    }
}

qint32 sizeKb(qint64 bytes) {
    // No file reaches 2 TB, where the KB would overflow; cap rather than wrap.
    return tryRoundTo<qint32>(double(bytes) / 1024.0).value_or(std::numeric_limits<qint32>::max());
}

qint64 diskKb(qint32 kb) {
    const qint64 clusters = kb / 4 + (kb % 4 != 0 ? 1 : 0);
    return 4 * clusters;
}

QString sizeLine(qint32 kb) {
    return QStringLiteral("檔案大小:  ") + formatFixed(kb, 2) + QStringLiteral(" KB    ") +
           formatFixed(kb / 1024.0, 2) + QStringLiteral(" MB");
}

QString diskLine(qint32 kb) {
    return QStringLiteral("實際大小(NTFS/FAT32):  ") + QString::number(diskKb(kb)) + QStringLiteral(" KB");
}

QString dateText(const QDateTime& when) { return when.toString(QStringLiteral("yyyy/M/d HH:mm:ss")); }

QString lyricName(const QString& path) { return GetFileTitle(path) + QStringLiteral(".lyr"); }

QString singleFileText(const Facts& f) {
    const qint32 kb = sizeKb(f.bytes);
    const QString lyric = f.lyricExists ? QStringLiteral("★歌詞檔存在★ [") + lyricName(f.path) + u']'
                                        : QStringLiteral("歌詞檔不存在");
    const QStringList lines{
        QStringLiteral("檔案名:  ") + GetFileTitle(f.path),
        QStringLiteral("副檔名:  ") + GetFileExt(f.path),
        QStringLiteral("路徑:  ") + GetParentPath(f.path),
        sizeLine(kb),
        diskLine(kb),
        QStringLiteral("上次存取日期:  ") + dateText(f.modified),
        QStringLiteral("檔案屬性:  ") + attributeText(f.attributes),
        // The tag line comes after an empty line of its own.
        f.isMp3 ? kBreak + QStringLiteral("MP3資料:  ") + f.tagText : QString(),
        lyric,
        f.isMp3 ? QStringLiteral("歌曲長度:  ") + PositionToTime(f.lengthMs, true) : QString(),
    };
    return lines.join(kBreak);
}

QString totalNumber(double value) {
    // Fifteen significant digits, then written out in plain decimals: the MB
    // of a few small files (100 bytes: 9.5367431640625e-05) reads as a number.
    const QString shortest = QString::number(value, 'g', 15);
    const qsizetype e = shortest.indexOf(u'e');
    if (e < 0) return shortest;
    QString mantissa = shortest.left(e);
    const bool negative = mantissa.startsWith(u'-');
    if (negative) mantissa.remove(0, 1);
    const qsizetype point = mantissa.indexOf(u'.');
    const QString digits = QString(mantissa).remove(u'.');
    const qsizetype pointAt = (point < 0 ? mantissa.size() : point) + shortest.mid(e + 1).toInt();
    QString plain;
    if (pointAt <= 0)
        plain = QStringLiteral("0.") + QString(-pointAt, u'0') + digits;
    else if (pointAt >= digits.size())
        plain = digits + QString(pointAt - digits.size(), u'0');
    else
        plain = digits.left(pointAt) + u'.' + digits.mid(pointAt);
    return negative ? u'-' + plain : plain;
}

QString totalsText(int count, const QString& folder, double totalKb) {
    QString shownFolder = folder;
    const QStringList lines{
        QStringLiteral("共選擇了") + QString::number(count) + QStringLiteral("個檔案."),
        QStringLiteral("路徑:  ") + AddBackslash(shownFolder),
        QStringLiteral("總共檔案大小:  "),
        totalNumber(totalKb) + QStringLiteral(" KB"),
        totalNumber(totalKb / 1024.0) + QStringLiteral(" MB"),
    };
    return lines.join(kBreak);
}

}  // namespace FileDetails
