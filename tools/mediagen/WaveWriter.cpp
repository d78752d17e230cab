#include "MediaGen.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace MediaGen {

namespace {

void putLe16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putLe32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

}  // namespace

qint64 toneFrames(const ToneSpec& spec) {
    if (spec.exactFrames > 0) return spec.exactFrames;
    return std::llround(static_cast<double>(spec.durationMs) * spec.sampleRate / 1000.0);
}

QByteArray makeWave(const ToneSpec& spec) {
    const qint64 frames = toneFrames(spec);
    const int blockAlign = spec.channels * 2;
    const quint32 dataBytes = static_cast<quint32>(frames * blockAlign);

    QByteArray out;
    out.reserve(44 + static_cast<qsizetype>(dataBytes));
    out.append("RIFF", 4);
    putLe32(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    putLe32(out, 16);
    putLe16(out, 1);  // PCM
    putLe16(out, static_cast<quint16>(spec.channels));
    putLe32(out, static_cast<quint32>(spec.sampleRate));
    putLe32(out, static_cast<quint32>(spec.sampleRate * blockAlign));
    putLe16(out, static_cast<quint16>(blockAlign));
    putLe16(out, 16);
    out.append("data", 4);
    putLe32(out, dataBytes);

    const double step = 2.0 * std::numbers::pi * spec.frequencyHz / spec.sampleRate;
    const double scale = spec.amplitude * 32767.0;
    for (qint64 i = 0; i < frames; ++i) {
        const auto sample = static_cast<qint16>(std::lround(std::sin(step * static_cast<double>(i)) * scale));
        for (int c = 0; c < spec.channels; ++c) putLe16(out, static_cast<quint16>(sample));
    }
    return out;
}

bool writeWave(const QString& path, const ToneSpec& spec) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = makeWave(spec);
    return file.write(bytes) == bytes.size();
}

}  // namespace MediaGen
