#include "MediaGen.h"

#include <QFile>

#include "common/CodePage.h"

namespace MediaGen {

namespace {

void putField(QByteArray& out, const QString& text, int size) {
    QByteArray bytes = CodePage::toCp950Lossy(text).left(size);
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    out.append(bytes);
}

}  // namespace

QByteArray makeId3v1(const Id3v1Fields& fields) {
    QByteArray out("TAG");
    putField(out, fields.title, 30);
    putField(out, fields.artist, 30);
    putField(out, fields.album, 30);
    putField(out, fields.year, 4);
    if (fields.track > 0 && fields.track <= 255) {
        putField(out, fields.comment, 28);
        out.append('\0');
        out.append(static_cast<char>(fields.track));
    } else {
        putField(out, fields.comment, 30);
    }
    out.append(static_cast<char>(fields.genre & 0xFF));
    return out;
}

bool appendId3v1(const QString& path, const Id3v1Fields& fields) {
    QFile file(path);
    if (!file.open(QIODevice::Append)) return false;
    const QByteArray tag = makeId3v1(fields);
    return file.write(tag) == tag.size();
}

bool prependId3v2(const QString& path, int paddingBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray body = file.readAll();
    file.close();

    // Version 2.3, no flags, a syncsafe size (7 bits per byte), all padding.
    QByteArray tag("ID3\x03\x00\x00", 6);
    for (int shift = 21; shift >= 0; shift -= 7) tag.append(static_cast<char>((paddingBytes >> shift) & 0x7F));
    tag.append(QByteArray(paddingBytes, '\0'));

    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(tag + body) == tag.size() + body.size();
}

}  // namespace MediaGen
