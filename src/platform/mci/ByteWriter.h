#pragma once

#include <QByteArray>
#include <QtEndian>

// Numbers written into files the engine makes for GStreamer (the re-timed
// MIDI copy): big-endian fields and MIDI's variable-length quantities.
namespace ByteWriter {

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

// 7 bits per byte, high bit = more follows. MIDI allows four bytes, so
// callers keep values at or below 0x0FFFFFFF; anything above loses its top.
inline void putVlq(QByteArray& out, quint32 value) {
    char bytes[4];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0 && n < 4) bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
    while (n > 0) out.append(bytes[--n]);
}

}  // namespace ByteWriter
