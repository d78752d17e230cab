#include "platform/mci/WaveProbe.h"

#include <algorithm>
#include <cstring>

#include "common/Numbers.h"
#include "platform/mci/ByteSource.h"

namespace {

// A file of nothing but tiny chunks must not keep the probe busy.
constexpr int kMaxChunks = 4096;
constexpr quint32 kUnknownSize = 0xFFFFFFFFu;

quint32 le32(std::span<const quint8> b, size_t at) {
    return quint32(b[at]) | (quint32(b[at + 1]) << 8) | (quint32(b[at + 2]) << 16) | (quint32(b[at + 3]) << 24);
}

quint16 le16(std::span<const quint8> b, size_t at) { return quint16(b[at] | (b[at + 1] << 8)); }

bool isId(std::span<const quint8> b, size_t at, const char* id) {
    return b.size() >= at + 4 && std::memcmp(b.data() + at, id, 4) == 0;
}

bool readFormat(ByteSource& source, qint64 at, qint64 size, WaveInfo& info) {
    if (size < 16) return false;
    const auto fmt = source.view(at, 16);
    if (fmt.size() < 16) return false;
    info.formatTag = le16(fmt, 0);
    info.channels = le16(fmt, 2);
    info.sampleRate = static_cast<int>(std::min<quint32>(le32(fmt, 4), 0x7FFFFFFF));
    info.byteRate = le32(fmt, 8);
    info.blockAlign = le16(fmt, 12);
    info.bitsPerSample = le16(fmt, 14);
    return true;
}

}  // namespace

qint64 WaveInfo::lengthMs() const {
    if (sampleRate <= 0) return 0;
    const bool pcm = formatTag == 1 || formatTag == 3 || formatTag == 0xFFFE;
    double ms = 0;
    if (pcm && blockAlign > 0)
        ms = static_cast<double>(dataBytes / blockAlign) * 1000.0 / sampleRate;
    else if (factSamples >= 0)
        ms = static_cast<double>(factSamples) * 1000.0 / sampleRate;
    else if (byteRate > 0)
        ms = static_cast<double>(dataBytes) * 1000.0 / static_cast<double>(byteRate);
    return static_cast<qint64>(roundHalfEven(ms));
}

std::optional<WaveInfo> WaveProbe::probe(ByteSource& source) {
    const auto riff = source.view(0, 12);
    if (riff.size() < 12 || !isId(riff, 0, "RIFF") || !isId(riff, 8, "WAVE")) return std::nullopt;

    WaveInfo info;
    bool haveFormat = false;
    bool haveData = false;
    qint64 at = 12;
    for (int chunk = 0; chunk < kMaxChunks && at + 8 <= source.size(); ++chunk) {
        const auto head = source.view(at, 8);
        if (head.size() < 8) break;
        const quint32 declared = le32(head, 4);
        const qint64 body = at + 8;
        const qint64 available = source.size() - body;
        if (isId(head, 0, "fmt ")) {
            haveFormat = readFormat(source, body, std::min<qint64>(declared, available), info) || haveFormat;
        } else if (isId(head, 0, "fact") && declared >= 4) {
            const auto fact = source.view(body, 4);
            if (fact.size() == 4) info.factSamples = le32(fact, 0);
        } else if (isId(head, 0, "data")) {
            // Recorders that never finished the header leave 0 or all ones.
            const bool unknown = declared == 0 || declared == kUnknownSize;
            info.dataBytes = unknown ? available : std::min<qint64>(declared, available);
            haveData = true;
            if (haveFormat) break;
        }
        at = body + qint64(declared) + (declared & 1);
    }
    if (!haveFormat || !haveData) return std::nullopt;
    return info;
}
