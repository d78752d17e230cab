#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

// One playing pipeline as a device sees it. Calls never wait unless they
// say so; what the pipeline did in the meantime comes back as events, which
// the device reads on every command. Each pipeline has an id of its own, so
// an event is never applied to the pipeline that replaced it.
class MediaPipeline {
public:
    enum class Event { None, Prerolled, EndOfStream, Error };

    virtual ~MediaPipeline() = default;
    virtual quint64 id() const = 0;
    // The next event, or Event::None when nothing is waiting.
    virtual Event nextEvent() = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    // True when the pipeline holds its first data and nothing is pending.
    virtual bool isPrerolled() = 0;
    // Waits at most timeoutMs for that; true when it got there.
    virtual bool waitPrerolled(int timeoutMs) = 0;

    virtual std::optional<qint64> positionMs() = 0;
    virtual std::optional<qint64> durationMs() = 0;
    // Plays from startMs at `rate` (1.0 normal), stopping at stopMs if given.
    virtual bool seek(qint64 startMs, double rate, std::optional<qint64> stopMs) = 0;
    // gain 0..1; balance -1 (left only) .. 0 (both) .. 1 (right only).
    virtual void setLevel(double gain, double balance) = 0;
};

using PipelineFactory = std::function<std::unique_ptr<MediaPipeline>(const QString& path)>;
