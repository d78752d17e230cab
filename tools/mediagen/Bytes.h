#pragma once

#include <QByteArray>
#include <QtEndian>

// Whole numbers in the byte orders the song files store them: RIFF chunks
// are little-endian, MIDI chunks big-endian with variable-length deltas.
// Tests that build damaged or unusual files by hand use the same pieces.
namespace MediaGen {

inline void putLe16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void putLe32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

inline void putBe16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

inline void putBe32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// MIDI's variable-length quantity: 7 bits per byte, high bit = more follows.
inline void putVlq(QByteArray& out, quint32 value) {
    char bytes[5];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0) bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
    while (n > 0) out.append(bytes[--n]);
}

inline QByteArray le16(quint16 value) {
    QByteArray out;
    putLe16(out, value);
    return out;
}

inline QByteArray le32(quint32 value) {
    QByteArray out;
    putLe32(out, value);
    return out;
}

}  // namespace MediaGen
