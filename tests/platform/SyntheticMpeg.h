#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>

#include "Bytes.h"

// MPEG audio streams built byte by byte: real frame headers with silent
// bodies, which is all a header probe reads.
namespace SyntheticMpeg {

// One frame: MPEG-1 layer III, 44.1 kHz, stereo, no CRC.
inline QByteArray frame(int bitrateIndex, bool padding = false) {
    static const int kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    QByteArray bytes(144 * kbps[bitrateIndex] * 1000 / 44100 + (padding ? 1 : 0), '\0');
    qToBigEndian(0xFFFB0000u | (quint32(bitrateIndex) << 12) | (padding ? 0x200u : 0u), bytes.data());
    return bytes;
}

// `count` frames, alternating bit rates when vbr (so a CBR guess is wrong).
inline QByteArray frames(int count, bool vbr = false) {
    QByteArray out;
    for (int i = 0; i < count; ++i) out += frame(vbr ? 5 + (i * 7) % 9 : 9, !vbr && i % 3 == 1);
    return out;
}

// A Xing/Info header frame holding a frame count and a byte count (0: left
// out), and an encoder name after the table of contents and quality.
inline QByteArray xingFrame(quint32 frameCount, quint32 byteCount, const char* encoder = nullptr,
                            const char* id = "Xing") {
    QByteArray bytes = frame(9);
    const int at = 4 + 32;  // after the side information of a stereo MPEG-1 frame
    memcpy(bytes.data() + at, id, 4);
    qToBigEndian(1u | (byteCount ? 2u : 0u) | 4u | 8u, bytes.data() + at + 4);
    qToBigEndian(frameCount, bytes.data() + at + 8);
    if (byteCount) qToBigEndian(byteCount, bytes.data() + at + 12);
    if (encoder) memcpy(bytes.data() + at + (byteCount ? 16 : 12) + 104, encoder, strlen(encoder));
    return bytes;
}

inline QByteArray vbriFrame(quint32 frameCount, quint32 byteCount) {
    QByteArray bytes = frame(9);
    const int at = 4 + 32;
    memcpy(bytes.data() + at, "VBRI", 4);
    qToBigEndian<quint16>(1, bytes.data() + at + 4);
    qToBigEndian(byteCount, bytes.data() + at + 10);
    qToBigEndian(frameCount, bytes.data() + at + 14);
    return bytes;
}

inline QByteArray id3v2(int bodyBytes, bool footer = false) {
    QByteArray tag("ID3\x04\x00", 5);
    tag.append(static_cast<char>(footer ? 0x10 : 0x00));
    for (int shift = 21; shift >= 0; shift -= 7) tag.append(static_cast<char>((bodyBytes >> shift) & 0x7F));
    tag.append(QByteArray(bodyBytes, 'x'));
    return footer ? tag + QByteArray("3DI\x04\x00\x10\x00\x00\x00\x00", 10) : tag;
}

inline QByteArray apeTag(int itemBytes, bool withHeader) {
    using MediaGen::le32;
    auto block = [&](bool isHeader) {  // version, size without the header, item count, flags, reserved
        const quint32 flags = (withHeader ? 0x80000000u : 0u) | (isHeader ? 0x20000000u : 0u);
        return "APETAGEX" + le32(2000) + le32(quint32(itemBytes + 32)) + le32(0) + le32(flags) + QByteArray(8, '\0');
    };
    return (withHeader ? block(true) : QByteArray()) + QByteArray(itemBytes, 'i') + block(false);
}

inline QByteArray lyrics3v2(int bodyBytes) {
    return "LYRICSBEGIN" + QByteArray(bodyBytes - 11, 'l') + QByteArray::number(bodyBytes).rightJustified(6, '0') +
           "LYRICS200";
}

}  // namespace SyntheticMpeg
