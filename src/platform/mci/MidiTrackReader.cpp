#include "platform/mci/MidiTrackReader.h"

#include <cstring>

#include "platform/mci/ByteSource.h"

namespace {

constexpr int kMaxChunks = 65536;

quint32 be32(std::span<const quint8> b, size_t at) {
    return (quint32(b[at]) << 24) | (quint32(b[at + 1]) << 16) | (quint32(b[at + 2]) << 8) | quint32(b[at + 3]);
}

bool isId(std::span<const quint8> b, size_t at, const char* id) {
    return b.size() >= at + 4 && std::memcmp(b.data() + at, id, 4) == 0;
}

// Offset of the MThd chunk: at the start, or inside a RIFF RMID "data" chunk.
qint64 headerOffset(ByteSource& source) {
    const auto head = source.view(0, 20);
    if (isId(head, 0, "MThd")) return 0;
    if (head.size() >= 20 && isId(head, 0, "RIFF") && isId(head, 8, "RMID") && isId(head, 12, "data")) return 20;
    return -1;
}

}  // namespace

double MidiLayout::smpteTicksPerSecond() const {
    if (!(division & 0x8000)) return 0;
    const int fps = -static_cast<qint8>(division >> 8);
    return (fps == 29 ? 29.97 : fps) * (division & 0xFF);
}

std::optional<MidiLayout> MidiLayout::read(ByteSource& source) {
    if (source.size() > kMaxFileBytes) return std::nullopt;
    const qint64 base = headerOffset(source);
    if (base < 0) return std::nullopt;
    const auto header = source.view(base, 14);
    if (header.size() < 14 || !isId(header, 0, "MThd") || be32(header, 4) < 6) return std::nullopt;

    MidiLayout layout;
    layout.format = (header[8] << 8) | header[9];
    const int declaredTracks = (header[10] << 8) | header[11];
    layout.division = (header[12] << 8) | header[13];
    if (layout.format > 1 || layout.division == 0) return std::nullopt;
    if ((layout.division & 0x8000) && (layout.smpteTicksPerSecond() <= 0)) return std::nullopt;

    qint64 at = base + 8 + be32(header, 4);
    for (int chunk = 0; chunk < kMaxChunks && layout.tracks.size() < declaredTracks && at + 8 <= source.size();
         ++chunk) {
        const auto head = source.view(at, 8);
        if (head.size() < 8) break;
        const qint64 length = be32(head, 4);
        if (isId(head, 0, "MTrk"))
            layout.tracks.append({at + 8, std::min(length, source.size() - (at + 8))});
        at += 8 + length;
    }
    if (layout.tracks.isEmpty()) return std::nullopt;
    return layout;
}

bool MidiTrackReader::readVlq(quint32& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos_ >= bytes_.size()) return false;
        const quint8 b = bytes_[pos_++];
        value = (value << 7) | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;  // longer than the format allows
}

bool MidiTrackReader::next(MidiEvent& event) {
    if (ended_) return false;
    ended_ = true;  // until an event is read whole
    quint32 delta = 0;
    if (!readVlq(delta) || pos_ >= bytes_.size()) return false;
    const qint64 tick = tick_ + delta;

    quint8 status = bytes_[pos_];
    if (status & 0x80) {
        ++pos_;
    } else if (runningStatus_ >= 0x80 && runningStatus_ < 0xF0) {
        status = runningStatus_;  // data byte: the previous channel status again
    } else {
        return false;
    }

    event = MidiEvent{};
    event.tick = tick;
    event.status = status;
    size_t length = 0;
    if (status == 0xFF) {
        if (pos_ >= bytes_.size()) return false;
        event.metaType = bytes_[pos_++];
        quint32 declared = 0;
        if (!readVlq(declared)) return false;
        length = declared;
        runningStatus_ = 0;
    } else if (status == 0xF0 || status == 0xF7) {
        quint32 declared = 0;
        if (!readVlq(declared)) return false;
        length = declared;
        runningStatus_ = 0;
    } else if (status < 0xF0) {
        length = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        runningStatus_ = status;
    } else {
        return false;  // system messages other than sysex do not belong in a file
    }
    if (length > bytes_.size() - pos_) return false;
    event.data = bytes_.subspan(pos_, length);
    pos_ += length;
    tick_ = tick;
    ended_ = event.isEndOfTrack();
    return true;
}
