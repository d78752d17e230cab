#include "platform/mci/MediaSniffer.h"

#include <cstring>

#include "platform/mci/ByteSource.h"
#include "platform/mci/MpegAudioProbe.h"

namespace {

struct Magic {
    int offset;
    const char* bytes;
    int length;
    MediaKind kind;
};

// Signatures at fixed offsets; RIFF files are told apart by their form type.
constexpr Magic kMagics[] = {
    {0, "MThd", 4, MediaKind::Midi},
    {8, "WAVE", 4, MediaKind::Wave},
    {8, "RMID", 4, MediaKind::Midi},
    {0, "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16, MediaKind::Asf},
    {0, "OggS", 4, MediaKind::OtherAudio},
    {0, "fLaC", 4, MediaKind::OtherAudio},
    {0, "RF64", 4, MediaKind::OtherAudio},
    {8, "AIFF", 4, MediaKind::OtherAudio},
    {8, "AIFC", 4, MediaKind::OtherAudio},
    {4, "ftyp", 4, MediaKind::OtherAudio},
    {0, "\x1A\x45\xDF\xA3", 4, MediaKind::OtherAudio},
    {0, "MAC ", 4, MediaKind::OtherAudio},
    {0, "wvpk", 4, MediaKind::OtherAudio},
    {0, ".snd", 4, MediaKind::OtherAudio},
    {0, "#!AMR", 5, MediaKind::OtherAudio},
};

bool matches(ByteSource& source, qint64 base, const Magic& magic) {
    const auto bytes = source.view(base + magic.offset, magic.length);
    return bytes.size() == static_cast<size_t>(magic.length) && std::memcmp(bytes.data(), magic.bytes, magic.length) == 0;
}

MediaKind magicAt(ByteSource& source, qint64 base) {
    for (const Magic& magic : kMagics) {
        if (!matches(source, base, magic)) continue;
        // Form types at offset 8 belong to RIFF or IFF containers only.
        if (magic.offset == 8) {
            const auto head = source.view(base, 4);
            const bool container = head.size() == 4 && (std::memcmp(head.data(), "RIFF", 4) == 0 ||
                                                         std::memcmp(head.data(), "FORM", 4) == 0);
            if (!container) continue;
        }
        return magic.kind;
    }
    // ADTS AAC: the MPEG sync word with layer bits 00.
    const auto adts = source.view(base, 2);
    if (adts.size() == 2 && adts[0] == 0xFF && (adts[1] & 0xF6) == 0xF0) return MediaKind::OtherAudio;
    return MediaKind::Unknown;
}

}  // namespace

MediaKind MediaSniffer::sniff(ByteSource& source) {
    if (source.size() == 0) return MediaKind::Unknown;
    const MediaKind kind = magicAt(source, 0);
    if (kind != MediaKind::Unknown) return kind;
    // ID3v2 tags stand in front of MP3 and sometimes of AAC or FLAC.
    const qint64 start = MpegAudioProbe::skipId3v2(source);
    if (start > 0 && start < source.size()) {
        const MediaKind tagged = magicAt(source, start);
        if (tagged != MediaKind::Unknown) return tagged;
    }
    const qint64 end = MpegAudioProbe::audioEnd(source, start);
    if (MpegAudioProbe::findFirstFrame(source, start, end, nullptr) >= 0) return MediaKind::MpegAudio;
    return MediaKind::Unknown;
}
