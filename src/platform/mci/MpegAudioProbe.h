#pragma once

#include <QtGlobal>

#include <optional>

class ByteSource;

// One MPEG audio frame header (MPEG 1, 2 and 2.5, layers I to III).
struct MpegFrameHeader {
    int version = 1;  // 1, 2, or 25 for 2.5
    int layer = 3;
    int bitrateKbps = 0;
    int sampleRate = 0;
    bool mono = false;
    int frameBytes = 0;
    int samplesPerFrame = 0;
    quint32 word = 0;

    // Frames of one stream keep version, layer and sample rate.
    bool sameStream(const MpegFrameHeader& other) const;
};

// Free-format (bit rate index 0) and reserved values give std::nullopt.
std::optional<MpegFrameHeader> parseMpegFrameHeader(quint32 word);

struct MpegAudioInfo {
    enum class Source { XingHeader, VbriHeader, FrameScan };
    qint64 firstFrame = 0;  // offset of the first frame
    qint64 audioEnd = 0;    // where the tags at the end begin
    qint64 frames = 0;      // audio frames, header frames not counted
    int sampleRate = 0;
    int samplesPerFrame = 0;
    Source source = Source::FrameScan;

    qint64 lengthMs() const;
};

// The length of an MPEG audio file from its headers: ID3v2 tags at the
// start and ID3v1, APE and Lyrics3 tags at the end are skipped; a Xing/Info
// or VBRI header gives the frame count at once, otherwise every frame header
// is visited (a hop per frame, not a read of the audio).
class MpegAudioProbe {
public:
    static std::optional<MpegAudioInfo> probe(ByteSource& source);

    // Offset just past any ID3v2 tags at the start (0 when there are none).
    static qint64 skipId3v2(ByteSource& source);
    // Offset where the tags at the end begin (the file size when there are none).
    static qint64 audioEnd(ByteSource& source, qint64 start);
    // How far past the tags the first frame is looked for.
    static constexpr qint64 kSyncSearchBytes = 128 * 1024;

    // The first frame in [start, start + searchBytes) whose next frame also
    // reads as one of the same stream (or ends the audio); -1 when none.
    static qint64 findFirstFrame(ByteSource& source, qint64 start, qint64 end, MpegFrameHeader* header,
                                 qint64 searchBytes = kSyncSearchBytes);
};
