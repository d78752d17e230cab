#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "platform/mci/MediaPipeline.h"

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;
class PipelineReaper;

// A GStreamer playbin for one file: audio only, the pitch kept at other
// speeds (scaletempo), a balance stage for the two-channel output level, and
// the sink named by CORVANE_AUDIO_SINK (a gst-launch description) or
// autoaudiosink. The bus is read with gst_bus_pop only, never by a main loop.
// An end of stream from a segment that a seek has since replaced is dropped.
class PlaybinPipeline final : public MediaPipeline {
public:
    // nullptr when GStreamer cannot make a playbin.
    static std::unique_ptr<PlaybinPipeline> create(const QString& path, quint64 id, PipelineReaper& reaper);
    ~PlaybinPipeline() override;

    quint64 id() const override { return id_; }
    Event nextEvent() override;
    void play() override;
    void pause() override;
    bool isPrerolled() override;
    bool waitPrerolled(int timeoutMs) override;
    std::optional<qint64> positionMs() override;
    std::optional<qint64> durationMs() override;
    bool seek(qint64 startMs, double rate, std::optional<qint64> stopMs) override;
    void setLevel(double gain, double balance) override;

private:
    PlaybinPipeline(quint64 id, PipelineReaper& reaper) : id_(id), reaper_(reaper) {}
    bool endsSegmentBeforeLastSeek(GstMessage* message) const;

    quint64 id_;
    PipelineReaper& reaper_;
    GstElement* playbin_ = nullptr;
    GstElement* balance_ = nullptr;  // audiopanorama, when the plugin exists
    GstBus* bus_ = nullptr;
    std::optional<quint32> lastSeekSeqnum_;  // of the last seek GStreamer accepted
};
