#include "platform/mci/MpegAudioProbe.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "common/Numbers.h"
#include "platform/mci/ByteSource.h"

namespace {

// How much junk a scan steps over inside the audio before it stops counting.
constexpr qint64 kMaxJunkBytes = 64 * 1024;
constexpr int kMaxLeadingTags = 16;

constexpr int kBitrates[2][3][15] = {
    // MPEG 1: layers I, II, III
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    // MPEG 2 and 2.5
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
};
constexpr int kSampleRates[3] = {44100, 48000, 32000};

std::optional<quint32> readBe32(ByteSource& source, qint64 offset) {
    const auto bytes = source.view(offset, 4);
    if (bytes.size() < 4) return std::nullopt;
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) | quint32(bytes[3]);
}

quint32 readLe32(std::span<const quint8> bytes, size_t at) {
    return quint32(bytes[at]) | (quint32(bytes[at + 1]) << 8) | (quint32(bytes[at + 2]) << 16) |
           (quint32(bytes[at + 3]) << 24);
}

bool startsWith(std::span<const quint8> bytes, const char* text) {
    const size_t n = std::strlen(text);
    return bytes.size() >= n && std::memcmp(bytes.data(), text, n) == 0;
}

std::optional<MpegFrameHeader> headerAt(ByteSource& source, qint64 offset) {
    const std::optional<quint32> word = readBe32(source, offset);
    if (!word) return std::nullopt;
    return parseMpegFrameHeader(*word);
}

// True when a stream frame starts at `at`, or the audio ends exactly there.
bool frameOrEnd(ByteSource& source, qint64 at, qint64 end, const MpegFrameHeader& first) {
    if (at == end) return true;
    const auto next = headerAt(source, at);
    return next && next->sameStream(first);
}

// Frame count of a Xing/Info or VBRI header in the first frame, if any.
struct HeaderCount {
    qint64 frames = 0;
    qint64 bytes = 0;  // 0 when not given
    MpegAudioInfo::Source source = MpegAudioInfo::Source::FrameScan;
};

std::optional<HeaderCount> xingCount(ByteSource& source, qint64 frame, const MpegFrameHeader& h) {
    if (h.layer != 3) return std::nullopt;
    const int sideInfo = h.version == 1 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
    const qint64 at = frame + 4 + sideInfo;
    const auto tag = source.view(at, 8 + 4 + 4 + 100 + 4 + 4);
    if (!(startsWith(tag, "Xing") || startsWith(tag, "Info")) || tag.size() < 8) return std::nullopt;
    const quint32 flags = (quint32(tag[4]) << 24) | (quint32(tag[5]) << 16) | (quint32(tag[6]) << 8) | tag[7];
    HeaderCount count;
    count.source = MpegAudioInfo::Source::XingHeader;
    if (!(flags & 1u) || tag.size() < 12) {
        count.frames = -1;  // a header frame, but no count in it
        return count;
    }
    count.frames = (qint64(tag[8]) << 24) | (qint64(tag[9]) << 16) | (qint64(tag[10]) << 8) | tag[11];
    size_t next = 12;
    if ((flags & 2u) && tag.size() >= next + 4) {
        count.bytes = (qint64(tag[next]) << 24) | (qint64(tag[next + 1]) << 16) | (qint64(tag[next + 2]) << 8) |
                      tag[next + 3];
        next += 4;
    }
    if (flags & 4u) next += 100;
    if (flags & 8u) next += 4;
    // LAME and FFmpeg put their name after the Xing fields and count only the
    // audio frames; GStreamer's xingmux leaves no name and counts its own
    // header frame too.
    const auto encoder = source.view(at + static_cast<qint64>(next), 4);
    const bool named = encoder.size() == 4 && std::isalpha(encoder[0]) && std::isalnum(encoder[1]) &&
                       (std::isalnum(encoder[2]) || encoder[2] == '.') && (std::isalnum(encoder[3]) || encoder[3] == '.');
    if (!named) count.frames -= 1;
    return count;
}

std::optional<HeaderCount> vbriCount(ByteSource& source, qint64 frame) {
    const auto tag = source.view(frame + 4 + 32, 18);
    if (!startsWith(tag, "VBRI") || tag.size() < 18) return std::nullopt;
    HeaderCount count;
    count.source = MpegAudioInfo::Source::VbriHeader;
    count.bytes = (qint64(tag[10]) << 24) | (qint64(tag[11]) << 16) | (qint64(tag[12]) << 8) | tag[13];
    count.frames = (qint64(tag[14]) << 24) | (qint64(tag[15]) << 16) | (qint64(tag[16]) << 8) | tag[17];
    return count;
}

// A header count is trusted only when the file holds about as many bytes as
// it claims; a cut or padded file is counted frame by frame instead.
bool plausible(const HeaderCount& count, qint64 audioBytes, const MpegFrameHeader& h) {
    if (count.frames <= 0) return false;
    if (count.bytes > 0) return audioBytes >= count.bytes * 95 / 100 && audioBytes <= count.bytes * 3 / 2;
    const int lowestBitsPerSecond = kBitrates[h.version == 1 ? 0 : 1][h.layer - 1][1] * 1000;
    const qint64 smallestFrame = h.layer == 1 ? 12 * lowestBitsPerSecond / h.sampleRate * 4
                                              : (h.layer == 3 && h.version != 1 ? 72 : 144) * lowestBitsPerSecond / h.sampleRate;
    return count.frames * smallestFrame <= audioBytes * 105 / 100;
}

// Counts frames from `at` to `end`; junk between frames is stepped over by
// searching for the next pair of stream frames, up to kMaxJunkBytes.
qint64 scanFrames(ByteSource& source, qint64 at, qint64 end, const MpegFrameHeader& first) {
    qint64 frames = 0;
    while (at < end) {
        const auto h = headerAt(source, at);
        if (h && h->sameStream(first) && at + h->frameBytes <= end) {
            ++frames;
            at += h->frameBytes;
            continue;
        }
        if (h && h->sameStream(first)) break;  // a cut last frame
        MpegFrameHeader found;
        const qint64 next = MpegAudioProbe::findFirstFrame(source, at + 1, end, &found, kMaxJunkBytes);
        if (next < 0 || !found.sameStream(first)) break;
        at = next;
    }
    return frames;
}

}  // namespace

bool MpegFrameHeader::sameStream(const MpegFrameHeader& other) const {
    return (word & 0xFFFE0C00u) == (other.word & 0xFFFE0C00u);
}

std::optional<MpegFrameHeader> parseMpegFrameHeader(quint32 word) {
    if ((word & 0xFFE00000u) != 0xFFE00000u) return std::nullopt;
    const int versionBits = (word >> 19) & 3;
    const int layerBits = (word >> 17) & 3;
    const int bitrateIndex = (word >> 12) & 15;
    const int rateIndex = (word >> 10) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3 ||
        (word & 3) == 2)
        return std::nullopt;

    MpegFrameHeader h;
    h.word = word;
    h.version = versionBits == 3 ? 1 : (versionBits == 2 ? 2 : 25);
    h.layer = 4 - layerBits;
    h.bitrateKbps = kBitrates[h.version == 1 ? 0 : 1][h.layer - 1][bitrateIndex];
    h.sampleRate = kSampleRates[rateIndex] / (h.version == 1 ? 1 : (h.version == 2 ? 2 : 4));
    h.mono = ((word >> 6) & 3) == 3;
    const int padding = (word >> 9) & 1;
    const int bitsPerSecond = h.bitrateKbps * 1000;
    if (h.layer == 1) {
        h.frameBytes = (12 * bitsPerSecond / h.sampleRate + padding) * 4;
        h.samplesPerFrame = 384;
    } else if (h.layer == 2 || h.version == 1) {
        h.frameBytes = 144 * bitsPerSecond / h.sampleRate + padding;
        h.samplesPerFrame = 1152;
    } else {
        h.frameBytes = 72 * bitsPerSecond / h.sampleRate + padding;
        h.samplesPerFrame = 576;
    }
    return h;
}

qint64 MpegAudioInfo::lengthMs() const {
    if (sampleRate <= 0) return 0;
    return static_cast<qint64>(
        roundHalfEven(static_cast<double>(frames) * samplesPerFrame * 1000.0 / sampleRate));
}

qint64 MpegAudioProbe::skipId3v2(ByteSource& source) {
    qint64 at = 0;
    for (int tags = 0; tags < kMaxLeadingTags; ++tags) {
        const auto head = source.view(at, 10);
        if (head.size() < 10 || !startsWith(head, "ID3") || head[3] == 0xFF || head[4] == 0xFF) break;
        if ((head[6] | head[7] | head[8] | head[9]) & 0x80) break;  // sizes are 7 bits a byte
        const qint64 size = (qint64(head[6]) << 21) | (qint64(head[7]) << 14) | (qint64(head[8]) << 7) | head[9];
        const bool footer = head[5] & 0x10;
        at += 10 + size + (footer ? 10 : 0);
    }
    return at;
}

qint64 MpegAudioProbe::audioEnd(ByteSource& source, qint64 start) {
    qint64 end = source.size();
    for (int tags = 0; tags < 4; ++tags) {
        if (end - 128 >= start && startsWith(source.view(end - 128, 3), "TAG")) {
            end -= 128;
            continue;
        }
        const auto ape = source.view(end - 32, 32);
        if (end - 32 >= start && startsWith(ape, "APETAGEX") && ape.size() == 32) {
            const qint64 body = readLe32(ape, 12);
            const bool hasHeader = readLe32(ape, 20) & 0x80000000u;
            const qint64 total = body + (hasHeader ? 32 : 0);
            if (total < 32 || total > end - start) break;
            end -= total;
            continue;
        }
        const auto lyrics = source.view(end - 15, 15);
        if (end - 15 >= start && lyrics.size() == 15 && std::memcmp(lyrics.data() + 6, "LYRICS200", 9) == 0) {
            qint64 size = 0;
            for (int i = 0; i < 6; ++i) {
                if (lyrics[i] < '0' || lyrics[i] > '9') return end;
                size = size * 10 + (lyrics[i] - '0');
            }
            if (size + 15 > end - start) break;
            end -= size + 15;
            continue;
        }
        break;
    }
    return end;
}

qint64 MpegAudioProbe::findFirstFrame(ByteSource& source, qint64 start, qint64 end, MpegFrameHeader* header,
                                      qint64 searchBytes) {
    const qint64 limit = std::min(end, start + searchBytes);
    for (qint64 at = start; at + 4 <= limit; ++at) {
        const auto bytes = source.view(at, 2);
        if (bytes.size() < 2 || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) continue;
        const auto h = headerAt(source, at);
        if (!h || at + h->frameBytes > end) continue;
        if (!frameOrEnd(source, at + h->frameBytes, end, *h)) continue;
        if (header) *header = *h;
        return at;
    }
    return -1;
}

std::optional<MpegAudioInfo> MpegAudioProbe::probe(ByteSource& source) {
    const qint64 start = skipId3v2(source);
    if (start >= source.size()) return std::nullopt;
    const qint64 end = audioEnd(source, start);
    MpegFrameHeader first;
    const qint64 firstFrame = findFirstFrame(source, start, end, &first);
    if (firstFrame < 0) return std::nullopt;

    MpegAudioInfo info;
    info.firstFrame = firstFrame;
    info.audioEnd = end;
    info.sampleRate = first.sampleRate;
    info.samplesPerFrame = first.samplesPerFrame;

    std::optional<HeaderCount> count = xingCount(source, firstFrame, first);
    if (!count) count = vbriCount(source, firstFrame);
    if (count && plausible(*count, end - firstFrame, first)) {
        info.frames = count->frames;
        info.source = count->source;
        return info;
    }
    // The header frame of a cut file is silence, not audio.
    const qint64 scanFrom = count ? firstFrame + first.frameBytes : firstFrame;
    info.frames = scanFrames(source, scanFrom, end, first);
    info.source = MpegAudioInfo::Source::FrameScan;
    return info;
}
