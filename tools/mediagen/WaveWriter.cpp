#include "MediaGen.h"

#include <QFile>

#include <cmath>
#include <numbers>

#include "Bytes.h"

namespace MediaGen {

qint64 toneFrames(const Tone& tone) {
    if (tone.exactFrames > 0) return tone.exactFrames;
    return std::llround(static_cast<double>(tone.durationMs) * tone.sampleRate / 1000.0);
}

QByteArray makeWave(const Tone& tone) {
    const qint64 frames = toneFrames(tone);
    const int blockAlign = tone.channels * 2;
    const quint32 dataBytes = static_cast<quint32>(frames * blockAlign);

    QByteArray out;
    out.reserve(44 + static_cast<qsizetype>(dataBytes));
    out.append("RIFF", 4);
    putLe32(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    putLe32(out, 16);
    putLe16(out, 1);  // PCM
    putLe16(out, static_cast<quint16>(tone.channels));
    putLe32(out, static_cast<quint32>(tone.sampleRate));
    putLe32(out, static_cast<quint32>(tone.sampleRate * blockAlign));
    putLe16(out, static_cast<quint16>(blockAlign));
    putLe16(out, 16);
    out.append("data", 4);
    putLe32(out, dataBytes);

    const double step = 2.0 * std::numbers::pi * tone.frequencyHz / tone.sampleRate;
    const double scale = tone.amplitude * 32767.0;
    for (qint64 i = 0; i < frames; ++i) {
        const auto sample = static_cast<qint16>(std::lround(std::sin(step * static_cast<double>(i)) * scale));
        for (int c = 0; c < tone.channels; ++c) putLe16(out, static_cast<quint16>(sample));
    }
    return out;
}

bool writeWave(const QString& path, const Tone& tone) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = makeWave(tone);
    return file.write(bytes) == bytes.size();
}

}  // namespace MediaGen
