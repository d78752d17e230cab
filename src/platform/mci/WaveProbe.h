#pragma once

#include <QtGlobal>

#include <optional>

class ByteSource;

// The format and data chunks of a RIFF WAVE file.
struct WaveInfo {
    int formatTag = 0;  // 1 PCM, 3 float, 0xFFFE extensible, others compressed
    int channels = 0;
    int sampleRate = 0;
    qint64 byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;      // as far as the file really holds them
    qint64 factSamples = -1;   // from a "fact" chunk, -1 without one

    // Sample frames for PCM, the fact chunk for compressed data, else the
    // data size over the byte rate; 0 when the format gives no rate.
    qint64 lengthMs() const;
};

// Walks the chunks of a RIFF WAVE file; std::nullopt when it is not one or
// has no usable "fmt " and "data" chunks.
class WaveProbe {
public:
    static std::optional<WaveInfo> probe(ByteSource& source);
};
