#include "platform/mci/MediaProbe.h"

#include "platform/mci/ByteSource.h"
#include "platform/mci/MidiProbe.h"
#include "platform/mci/MpegAudioProbe.h"
#include "platform/mci/WaveProbe.h"

std::optional<qint64> MediaProbe::lengthMs(ByteSource& source, MediaKind kind) {
    switch (kind) {
    case MediaKind::MpegAudio:
        if (const auto info = MpegAudioProbe::probe(source)) return info->lengthMs();
        break;
    case MediaKind::Wave:
        if (const auto info = WaveProbe::probe(source)) return info->lengthMs();
        break;
    case MediaKind::Midi:
        if (const auto info = MidiProbe::probe(source)) return info->lengthMs;
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<qint64> MediaProbe::fileLengthMs(const QString& path) {
    FileByteSource source;
    if (!source.open(path)) return std::nullopt;
    return lengthMs(source, MediaSniffer::sniff(source));
}
