#include "id3/Id3Tag.h"

#include <QFile>

#include "common/CodePage.h"
#include "common/PathText.h"
#include "id3/TagFile.h"
#include "id3/TagText.h"
#include "platform/Dialogs.h"

namespace {

const QByteArray kMarker("TAG");
const QString kSeparator = QStringLiteral("|");

QString readFailureText() {
    return QStringLiteral("不能儲存ID3 TAG，檔案長度少於128bytes或檔案不存在。\r\n");
}

QString writeFailureText(const QString& path) {
    return QStringLiteral("目標檔案可能正在使用中，不能儲存ID3 TAG\r\n") + path;
}

// A text field: it ends at its first zero byte or line end and loses the
// spaces around it.
QString fieldText(const QByteArray& record, int offset, int width) {
    QByteArray bytes = record.mid(offset, width);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) bytes.truncate(nul);
    return TrimSpaces(BytesToText(bytes));
}

// The last `count` bytes of the file, or nothing when it is shorter.
std::optional<QByteArray> readTail(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 length = file.size();
    if (length < Id3::kRecordSize || !file.seek(length - count)) return std::nullopt;
    QByteArray bytes = file.read(count);
    if (bytes.size() != count) return std::nullopt;
    return bytes;
}

// One field: its code page 950 bytes padded with zero bytes to the width.
// A text that does not fit is cut after its last whole character: a longer
// field would shift every byte behind it and leave a broken record.
QByteArray fieldBytes(const QString& text, int width) {
    QString cut = text;
    QByteArray bytes = CodePage::toCp950Lossy(cut);
    while (bytes.size() > width) {
        cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
        bytes = CodePage::toCp950Lossy(cut);
    }
    PadWithNulls(cut, width - static_cast<int>(bytes.size()));
    return CodePage::toCp950Lossy(cut);
}

QByteArray recordBody(const QString& title, const QString& artist, const QString& album, const QString& year,
                      const QString& comment, quint8 genre) {
    QByteArray body;
    body += fieldBytes(title, Id3::kTextWidth);
    body += fieldBytes(artist, Id3::kTextWidth);
    body += fieldBytes(album, Id3::kTextWidth);
    body += fieldBytes(year, Id3::kYearWidth);
    body += fieldBytes(comment, Id3::kTextWidth);
    body += static_cast<char>(genre >= Id3::kGenreCount ? Id3::kNoGenre : genre);
    return body;
}

// Writes the record into the open file: the 125 bytes after an existing
// marker, or a whole record behind the last byte. The size and the marker
// are read again here, on the open file, so the decision matches the bytes
// being written. An append that fails half way is cut back off, so the
// audio is never followed by a broken record.
bool writeRecord(TagFile& file, quint8 mode, const QByteArray& body) {
    const qint64 length = file.size();
    if (length < 0) return false;
    if (mode == Id3::Detect || mode == Id3::Overwrite) {
        if (length < Id3::kRecordSize) return false;
        if (mode == Id3::Detect) {
            const QByteArray marker = file.read(length - Id3::kRecordSize, 3);
            if (marker.isEmpty()) return false;
            mode = BytesToText(marker) == QLatin1String(kMarker) ? Id3::Overwrite : Id3::Append;
        }
    }
    if (mode == Id3::Overwrite)
        return file.write(length - Id3::kBodyAndGenreSize, body) && file.flush();
    if (file.write(length, kMarker + body) && file.flush()) return true;
    file.truncate(length);
    return false;
}

}  // namespace

namespace Id3 {

std::optional<Fields> parseRecord(const QByteArray& record) {
    if (record.size() != kRecordSize || BytesToText(record.left(3)) != QLatin1String(kMarker)) return std::nullopt;
    Fields f;
    f.title = fieldText(record, 3, kTextWidth);
    f.artist = fieldText(record, 33, kTextWidth);
    f.album = fieldText(record, 63, kTextWidth);
    f.year = fieldText(record, 93, kYearWidth);
    f.comment = fieldText(record, 97, kTextWidth);
    f.genre = static_cast<quint8>(record.at(127));
    return f;
}

QString selectFields(const Fields& f, quint8 selector) {
    const QString genre = QString::number(f.genre);
    switch (selector) {
    case 0: return QStringList{f.title, f.artist, f.album, f.year, f.comment, genre}.join(kSeparator);
    case 1: return f.title;
    case 2: return f.artist;
    case 3: return f.album;
    case 4: return f.year;
    case 5: return f.comment;
    case 6: return genre;
    case 12: return f.title + kSeparator + f.artist;
    case 21: return f.artist + kSeparator + f.title;
    case 123: return f.title + kSeparator + f.artist + kSeparator + f.album;
    default: return {};
    }
}

}  // namespace Id3

std::optional<Id3::Fields> ReadID3Fields(Dialogs& dialogs, const QString& path) {
    const std::optional<QByteArray> record = readTail(path, Id3::kRecordSize);
    if (!record) {
        dialogs.messageBox(readFailureText(), MsgButtons::Ok, MsgIcon::Critical);
        return std::nullopt;
    }
    return Id3::parseRecord(*record);
}

QString ReadID3Tag(Dialogs& dialogs, const QString& path, quint8 selector) {
    const std::optional<Id3::Fields> fields = ReadID3Fields(dialogs, path);
    return fields ? Id3::selectFields(*fields, selector) : QString();
}

bool WriteID3Tag(Dialogs& dialogs, TagFile& file, quint8 mode, const QString& path, const QString& title,
                 const QString& artist, const QString& album, const QString& year, const QString& comment,
                 quint8 genre) {
    bool written = false;
    bool fits = true;
    for (const QString* text : {&title, &artist, &album, &year, &comment})
        if (CheckInvalidChars(dialogs, *text) > 255) fits = false;
    if (fits && file.open(path)) {
        written = writeRecord(file, mode, recordBody(title, artist, album, year, comment, genre));
        file.close();
    }
    if (!written) dialogs.messageBox(writeFailureText(path), MsgButtons::Ok, MsgIcon::Critical);
    return written;
}

bool WriteID3Tag(Dialogs& dialogs, quint8 mode, const QString& path, const QString& title,
                 const QString& artist, const QString& album, const QString& year,
                 const QString& comment, quint8 genre) {
    DiskTagFile file;
    return WriteID3Tag(dialogs, file, mode, path, title, artist, album, year, comment, genre);
}
