#pragma once

#include <QByteArray>
#include <QSysInfo>
#include <QtEndian>

// Whole numbers in the byte orders the song files store them: RIFF chunks
// are little-endian, MIDI chunks big-endian with variable-length deltas.
// Tests that build damaged or unusual files by hand use the same pieces.
namespace MediaGen {

template <QSysInfo::Endian order, typename T>
void putNumber(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    if constexpr (order == QSysInfo::BigEndian)
        qToBigEndian(value, bytes);
    else
        qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

inline void putLe16(QByteArray& out, quint16 value) { putNumber<QSysInfo::LittleEndian>(out, value); }
inline void putLe32(QByteArray& out, quint32 value) { putNumber<QSysInfo::LittleEndian>(out, value); }
inline void putBe16(QByteArray& out, quint16 value) { putNumber<QSysInfo::BigEndian>(out, value); }
inline void putBe32(QByteArray& out, quint32 value) { putNumber<QSysInfo::BigEndian>(out, value); }

// MIDI's variable-length quantity: 7 bits per byte, high bit = more follows.
inline void putVlq(QByteArray& out, quint32 value) {
    char bytes[5];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0) bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
    while (n > 0) out.append(bytes[--n]);
}

// The same numbers as pieces of their own, for files built by concatenation.
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
