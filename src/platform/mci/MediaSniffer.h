#pragma once

class ByteSource;

// What a file holds, told from its first bytes: the kinds whose length the
// header probes measure, other audio that GStreamer plays, or unknown.
enum class MediaKind {
    Unknown,
    MpegAudio,
    Wave,
    Midi,
    Asf,         // WMA
    OtherAudio,  // Ogg, FLAC, AIFF, MP4/M4A, Matroska, AAC, ...
};

class MediaSniffer {
public:
    static MediaKind sniff(ByteSource& source);
};
