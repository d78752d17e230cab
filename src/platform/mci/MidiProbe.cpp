#include "platform/mci/MidiProbe.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/Numbers.h"
#include "platform/mci/ByteSource.h"

namespace {

// MIDI files are small; the cap bounds the memory a hostile file can claim.
constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;
constexpr int kMaxChunks = 65536;
constexpr double kDefaultUsPerQuarter = 500000.0;

struct Tempo {
    qint64 tick;
    int order;  // tracks in file order, then events in track order
    quint32 usPerQuarter;
};

quint32 be32(std::span<const quint8> b, size_t at) {
    return (quint32(b[at]) << 24) | (quint32(b[at + 1]) << 16) | (quint32(b[at + 2]) << 8) | quint32(b[at + 3]);
}

bool isId(std::span<const quint8> b, size_t at, const char* id) {
    return b.size() >= at + 4 && std::memcmp(b.data() + at, id, 4) == 0;
}

// Reads one track's events; returns the tick where it ends.
class TrackReader {
public:
    TrackReader(std::span<const quint8> bytes, std::vector<Tempo>& tempos, int& order)
        : bytes_(bytes), tempos_(tempos), order_(order) {}

    qint64 read() {
        quint8 status = 0;
        while (pos_ < bytes_.size()) {
            quint32 delta = 0;
            if (!readVlq(delta)) break;
            tick_ += delta;
            if (pos_ >= bytes_.size()) break;
            quint8 byte = bytes_[pos_];
            if (byte & 0x80) {
                ++pos_;
                status = byte;
            } else if (status == 0 || status >= 0xF0) {
                break;  // data without a running status to apply
            }
            if (status == 0xFF) {
                if (!meta()) break;
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                if (!skipLength()) break;
                status = 0;
            } else if (status >= 0x80 && status < 0xF0) {
                pos_ += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            } else {
                break;  // system messages other than sysex do not belong in a file
            }
            if (ended_) break;
        }
        return tick_;
    }

private:
    bool readVlq(quint32& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (pos_ >= bytes_.size()) return false;
            const quint8 b = bytes_[pos_++];
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;  // longer than the format allows
    }

    bool skipLength() {
        quint32 length = 0;
        if (!readVlq(length)) return false;
        pos_ += length;
        return pos_ <= bytes_.size();
    }

    bool meta() {
        if (pos_ >= bytes_.size()) return false;
        const quint8 type = bytes_[pos_++];
        quint32 length = 0;
        if (!readVlq(length) || length > bytes_.size() - pos_) return false;
        if (type == 0x51 && length == 3) {
            const quint32 us = (quint32(bytes_[pos_]) << 16) | (quint32(bytes_[pos_ + 1]) << 8) | bytes_[pos_ + 2];
            if (us > 0) tempos_.push_back({tick_, order_++, us});
        } else if (type == 0x2F) {
            ended_ = true;
        }
        pos_ += length;
        return true;
    }

    std::span<const quint8> bytes_;
    std::vector<Tempo>& tempos_;
    int& order_;
    size_t pos_ = 0;
    qint64 tick_ = 0;
    bool ended_ = false;
};

// Microseconds from tick 0 to endTick through the tempo map.
double microseconds(std::vector<Tempo>& tempos, qint64 endTick, int ticksPerQuarter) {
    std::stable_sort(tempos.begin(), tempos.end(), [](const Tempo& a, const Tempo& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    double us = 0;
    double usPerQuarter = kDefaultUsPerQuarter;
    qint64 tick = 0;
    for (const Tempo& t : tempos) {
        if (t.tick >= endTick) break;
        us += static_cast<double>(t.tick - tick) * usPerQuarter / ticksPerQuarter;
        tick = t.tick;
        usPerQuarter = t.usPerQuarter;
    }
    return us + static_cast<double>(endTick - tick) * usPerQuarter / ticksPerQuarter;
}

// Offset of the MThd chunk: at the start, or inside a RIFF RMID "data" chunk.
qint64 headerOffset(ByteSource& source) {
    const auto head = source.view(0, 20);
    if (isId(head, 0, "MThd")) return 0;
    if (head.size() >= 20 && isId(head, 0, "RIFF") && isId(head, 8, "RMID") && isId(head, 12, "data")) return 20;
    return -1;
}

}  // namespace

std::optional<MidiInfo> MidiProbe::probe(ByteSource& source) {
    if (source.size() > kMaxFileBytes) return std::nullopt;
    const qint64 base = headerOffset(source);
    if (base < 0) return std::nullopt;
    const auto header = source.view(base, 14);
    if (header.size() < 14 || !isId(header, 0, "MThd") || be32(header, 4) < 6) return std::nullopt;

    MidiInfo info;
    info.format = (header[8] << 8) | header[9];
    const int declaredTracks = (header[10] << 8) | header[11];
    const int division = (header[12] << 8) | header[13];
    if (info.format > 1 || division == 0) return std::nullopt;

    double ticksPerSecond = 0;  // SMPTE timing: frames per second × ticks per frame
    if (division & 0x8000) {
        const int fps = -static_cast<qint8>(division >> 8);
        if (fps <= 0 || (division & 0xFF) == 0) return std::nullopt;
        ticksPerSecond = (fps == 29 ? 29.97 : fps) * (division & 0xFF);
    }

    std::vector<Tempo> tempos;
    int order = 0;
    qint64 at = base + 8 + be32(header, 4);
    for (int chunk = 0; chunk < kMaxChunks && info.tracks < declaredTracks && at + 8 <= source.size(); ++chunk) {
        const auto head = source.view(at, 8);
        if (head.size() < 8) break;
        const qint64 length = be32(head, 4);
        if (isId(head, 0, "MTrk")) {
            const auto body = source.view(at + 8, length);  // cut short at the end of a broken file
            TrackReader reader(body, tempos, order);
            info.endTick = std::max(info.endTick, reader.read());
            ++info.tracks;
        }
        at += 8 + length;
    }
    if (info.tracks == 0) return std::nullopt;

    const double us = ticksPerSecond > 0 ? static_cast<double>(info.endTick) * 1e6 / ticksPerSecond
                                         : microseconds(tempos, info.endTick, division);
    info.lengthMs = static_cast<qint64>(roundHalfEven(std::min(us / 1000.0, 2147483647.0)));
    return info;
}
