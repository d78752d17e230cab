#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>

#include "Bytes.h"

// MPEG audio streams built byte by byte: real frame headers with silent
// bodies, which is all a header probe reads. MPEG-1 layer III, 44.1 kHz,
// stereo unless said otherwise.
namespace SyntheticMpeg {

// One frame with a silent body: MPEG-1 layer III, 44.1 kHz, stereo, no CRC.
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

// A Xing/Info header frame (128 kbps) holding a frame count and a byte
// count (0: left out), optionally with an encoder name after the fields.
inline QByteArray xingFrame(quint32 frameCount, quint32 byteCount, const char* encoder = nullptr,
                            const char* id = "Xing") {
    QByteArray bytes = frame(9);
    const int at = 4 + 32;  // after the side information of a stereo MPEG-1 frame
    const quint32 flags = 1u | (byteCount ? 2u : 0u) | 4u | 8u;
    memcpy(bytes.data() + at, id, 4);
    qToBigEndian(flags, bytes.data() + at + 4);
    qToBigEndian(frameCount, bytes.data() + at + 8);
    int next = at + 12;
    if (byteCount) {
        qToBigEndian(byteCount, bytes.data() + next);
        next += 4;
    }
    next += 100 + 4;  // table of contents, quality
    if (encoder) memcpy(bytes.data() + next, encoder, strlen(encoder));
    return bytes;
}

// A VBRI header frame (Fraunhofer) with frame and byte counts.
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
    if (footer) tag.append(QByteArray("3DI\x04\x00\x10\x00\x00\x00\x00", 10));
    return tag;
}

inline QByteArray apeTag(int itemBytes, bool withHeader) {
    using MediaGen::le32;
    auto block = [&](bool isHeader) {
        const quint32 flags = (withHeader ? 0x80000000u : 0u) | (isHeader ? 0x20000000u : 0u);
        // version, size without the header, item count, flags, reserved
        return "APETAGEX" + le32(2000) + le32(quint32(itemBytes + 32)) + le32(0) + le32(flags) + QByteArray(8, '\0');
    };
    return (withHeader ? block(true) : QByteArray()) + QByteArray(itemBytes, 'i') + block(false);
}

inline QByteArray lyrics3v2(int bodyBytes) {
    QByteArray tag = "LYRICSBEGIN" + QByteArray(bodyBytes - 11, 'l');
    return tag + QByteArray::number(bodyBytes).rightJustified(6, '0') + "LYRICS200";
}

}  // namespace SyntheticMpeg
