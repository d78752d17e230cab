#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

#include "platform/mci/MediaSniffer.h"

class ByteSource;

// The fast length of a song from its headers, for the kinds that have a
// header probe (MPEG audio, WAVE, MIDI). std::nullopt means "ask the
// pipeline": another kind, or headers the probe could not make sense of.
class MediaProbe {
public:
    static std::optional<qint64> lengthMs(ByteSource& source, MediaKind kind);
    // Opens, sniffs and probes a file in one step.
    static std::optional<qint64> fileLengthMs(const QString& path);
};
