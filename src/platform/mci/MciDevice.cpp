#include "platform/mci/MciDevice.h"

#include <QDir>
#include <QThread>

#include <algorithm>

#include "platform/mci/ByteSource.h"
#include "platform/mci/MciEngine.h"
#include "platform/mci/MediaProbe.h"
#include "platform/mci/MidiRetimer.h"

namespace {

// Events handled per poll; a pipeline cannot keep a command busy forever.
constexpr int kMaxEventsPerPoll = 64;
// Some demuxers answer the duration a moment after the pre-roll.
constexpr int kDurationRetryMs = 10;
constexpr int kDurationRetries = 20;

}  // namespace

QString mciModeText(MciMode mode) {
    switch (mode) {
    case MciMode::NotReady: return QStringLiteral("not ready");
    case MciMode::Stopped: return QStringLiteral("stopped");
    case MciMode::Playing: return QStringLiteral("playing");
    case MciMode::Paused: return QStringLiteral("paused");
    case MciMode::Seeking: return QStringLiteral("seeking");
    case MciMode::Open: return QStringLiteral("open");
    }
    return QString();
}

MciDevice::MciDevice(QString name, int deviceId, QString path, MediaKind kind, PipelineFactory factory,
                     int prerollGiveUpMs)
    : name_(std::move(name)),
      deviceId_(deviceId),
      path_(std::move(path)),
      kind_(kind),
      factory_(std::move(factory)),
      prerollGiveUpMs_(prerollGiveUpMs) {}

MciDevice::~MciDevice() = default;

QString MciDevice::playbackPath() {
    if (kind_ == MediaKind::Midi && !playbackChecked_) {
        playbackChecked_ = true;
        FileByteSource source;
        const std::optional<QByteArray> copy = source.open(path_) ? MidiRetimer::retimedCopy(source) : std::nullopt;
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/corvane-midi-XXXXXX.mid"));
        if (copy && file->open() && file->write(*copy) == copy->size() && file->flush()) playbackCopy_ = std::move(file);
    }
    return playbackCopy_ ? playbackCopy_->fileName() : path_;
}

bool MciDevice::ensurePipeline() {
    if (pipeline_) return true;
    pipeline_ = factory_(playbackPath());
    if (!pipeline_) return false;
    prerollWait_.start();
    applyLevel();
    pipelineAtMs_ = 0;
    pipelineRate_ = 1.0;
    pipelineStopMs_.reset();
    return true;
}

void MciDevice::poll() {
    if (!pipeline_) return;
    const quint64 id = pipeline_->id();
    for (int i = 0; i < kMaxEventsPerPoll && pipeline_ && pipeline_->id() == id; ++i) {
        const MediaPipeline::Event event = pipeline_->nextEvent();
        if (event == MediaPipeline::Event::None) break;
        handle(event);
    }
    if (pipeline_ && mode_ == MciMode::Playing && prerollWait_.isValid() && prerollWait_.elapsed() > prerollGiveUpMs_)
        handle(MediaPipeline::Event::Error);
}

void MciDevice::handle(MediaPipeline::Event event) {
    switch (event) {
    case MediaPipeline::Event::Prerolled:
        everPrerolled_ = true;
        prerollWait_.invalidate();
        if (pendingStart_) seekAndPlay();
        break;
    case MediaPipeline::Event::EndOfStream:
        if (mode_ != MciMode::Playing || pendingStart_) break;
        mode_ = MciMode::Stopped;
        if (!lengthMs_) lengthMs_ = pipeline_->durationMs();  // known by now, without waiting
        if (endMs_)
            positionMs_ = *endMs_;
        else if (lengthMs_)
            positionMs_ = *lengthMs_;
        else
            positionMs_ = playingPositionMs();
        endMs_.reset();
        pipeline_->pause();
        pipelineAtMs_.reset();  // the next play must seek out of the end
        break;
    case MediaPipeline::Event::Error:
        if (mode_ == MciMode::Playing) positionMs_ = pendingStart_ ? playStartMs_ : lastPlayingMs_;
        mode_ = everPrerolled_ ? MciMode::Stopped : MciMode::NotReady;
        pendingStart_ = false;
        endMs_.reset();
        pipeline_.reset();  // the next play builds a new one
        break;
    case MediaPipeline::Event::None:
        break;
    }
}

std::optional<qint64> MciDevice::cheapLengthMs() {
    if (lengthMs_) return lengthMs_;
    if (kind_ != MediaKind::MpegAudio && kind_ != MediaKind::Wave && kind_ != MediaKind::Midi) return std::nullopt;
    FileByteSource source;
    if (!source.open(path_)) return std::nullopt;
    lengthMs_ = MediaProbe::lengthMs(source, kind_);
    if (!lengthMs_) kind_ = MediaKind::OtherAudio;  // the probe failed once; ask the pipeline from now on
    return lengthMs_;
}

qint64 MciDevice::lengthMs(const Deadline& deadline) {
    if (const auto cheap = cheapLengthMs()) return *cheap;
    if (!ensurePipeline()) return 0;
    if (!pipeline_->isPrerolled()) {
        // A pipeline that already kept one command waiting is asked, not awaited.
        if (lengthGaveUpOn_ == pipeline_->id()) return pipeline_->durationMs().value_or(0);
        if (mode_ != MciMode::Playing) pipeline_->pause();
        const bool ready = pipeline_->waitPrerolled(deadline.remainingMs());
        poll();
        if (!pipeline_) return 0;
        if (!ready) {
            lengthGaveUpOn_ = pipeline_->id();
            return pipeline_->durationMs().value_or(0);
        }
    }
    for (int i = 0; pipeline_ && i < kDurationRetries && !deadline.expired(); ++i) {
        if (const auto duration = pipeline_->durationMs()) {
            lengthMs_ = duration;
            return *duration;
        }
        QThread::msleep(kDurationRetryMs);
    }
    return 0;
}

qint64 MciDevice::clampToEnd(qint64 ms) const {
    ms = std::max<qint64>(ms, 0);
    if (endMs_) return std::min(ms, *endMs_);
    if (lengthMs_) return std::min(ms, *lengthMs_);
    return ms;
}

qint64 MciDevice::playingPositionMs() {
    if (pendingStart_ || !pipeline_) return playStartMs_;
    if (const auto position = pipeline_->positionMs()) lastPlayingMs_ = clampToEnd(*position);
    return lastPlayingMs_;
}

MciMode MciDevice::mode() {
    poll();
    return mode_;
}

qint64 MciDevice::positionMs() {
    poll();
    return mode_ == MciMode::Playing ? playingPositionMs() : positionMs_;
}

quint32 MciDevice::play(std::optional<qint64> fromMs, std::optional<qint64> toMs, const Deadline& deadline) {
    poll();
    if ((fromMs && *fromMs < 0) || (toMs && *toMs < 0)) return MciError::OutOfRange;
    const std::optional<qint64> length = cheapLengthMs();
    if (length && ((fromMs && *fromMs > *length) || (toMs && *toMs > *length))) return MciError::OutOfRange;
    const bool playing = mode_ == MciMode::Playing;
    const qint64 start = fromMs ? *fromMs : (playing ? playingPositionMs() : positionMs_);
    if (toMs && *toMs < start) return MciError::OutOfRange;
    if (playing && !fromMs && !toMs) return 0;  // already on its way
    if (!fromMs && !toMs && length && start >= *length) {
        // Nothing left to play: as at the natural end.
        mode_ = MciMode::Stopped;
        positionMs_ = *length;
        return 0;
    }
    if (!ensurePipeline()) {
        mode_ = everPrerolled_ ? MciMode::Stopped : MciMode::NotReady;
        return MciError::CannotPlay;
    }

    endMs_ = toMs;
    mode_ = MciMode::Playing;
    playStartMs_ = start;
    lastPlayingMs_ = start;
    pendingStart_ = false;
    const double rate = speed_ / 1000.0;
    if (pipelineAtMs_ == start && pipelineRate_ == rate && pipelineStopMs_ == toMs) {
        pipeline_->play();  // a new pipeline from the start, or a resume
        pipelineAtMs_.reset();  // it moves from here on, so a play from this place must seek again
        return 0;
    }
    startAt(start, deadline);
    return 0;
}

void MciDevice::startAt(qint64 startMs, const Deadline& deadline) {
    playStartMs_ = startMs;
    lastPlayingMs_ = startMs;
    pipelineAtMs_.reset();
    if (!pipeline_->isPrerolled()) {
        pipeline_->pause();
        if (!pipeline_->waitPrerolled(deadline.remainingMs())) {
            pendingStart_ = true;  // poll finishes the start when the pre-roll arrives
            return;
        }
    }
    seekAndPlay();
}

void MciDevice::seekAndPlay() {
    pendingStart_ = false;
    const double rate = speed_ / 1000.0;
    pipeline_->seek(playStartMs_, rate, endMs_);
    pipelineRate_ = rate;
    pipelineStopMs_ = endMs_;
    pipeline_->play();
}

void MciDevice::leavePlaying(MciMode next) {
    positionMs_ = playingPositionMs();
    if (pipeline_) {
        pipeline_->pause();
        // A pipeline still waiting to seek stands somewhere else.
        if (pendingStart_)
            pipelineAtMs_.reset();
        else
            pipelineAtMs_ = positionMs_;
    }
    pendingStart_ = false;
    endMs_.reset();
    mode_ = next;
}

quint32 MciDevice::pause() {
    poll();
    if (mode_ == MciMode::Playing)
        leavePlaying(MciMode::Paused);
    else if (mode_ == MciMode::Stopped)
        mode_ = MciMode::Paused;
    return 0;
}

quint32 MciDevice::resume(const Deadline& deadline) {
    poll();
    if (mode_ != MciMode::Paused) return 0;
    return play(std::nullopt, std::nullopt, deadline);
}

quint32 MciDevice::stop() {
    poll();
    if (mode_ == MciMode::Playing)
        leavePlaying(MciMode::Stopped);
    else if (mode_ == MciMode::Paused)
        mode_ = MciMode::Stopped;
    return 0;
}

quint32 MciDevice::seek(qint64 targetMs) {
    poll();
    if (targetMs < 0) return MciError::OutOfRange;
    const std::optional<qint64> length = cheapLengthMs();
    if (length && targetMs > *length) return MciError::OutOfRange;
    if (mode_ == MciMode::Playing) leavePlaying(MciMode::Stopped);
    if (mode_ != MciMode::NotReady) mode_ = MciMode::Stopped;
    positionMs_ = targetMs;
    return 0;
}

quint32 MciDevice::setSpeed(qint64 thousandths, const Deadline& deadline) {
    poll();
    if (thousandths < kMinSpeed || thousandths > kMaxSpeed) return MciError::OutOfRange;
    if (thousandths == speed_) return 0;
    speed_ = static_cast<int>(thousandths);
    // Not playing: the next play seeks with the new rate. Playing: restart
    // from where the song stands; a start still waiting takes the new rate.
    if (mode_ == MciMode::Playing && pipeline_ && !pendingStart_) startAt(playingPositionMs(), deadline);
    return 0;
}

quint32 MciDevice::setVolume(qint64 perMille) {
    if (perMille < 0 || perMille > 1000) return MciError::OutOfRange;
    volume_ = static_cast<int>(perMille);
    applyLevel();
    return 0;
}

void MciDevice::setOutputLevel(double gain, double balance) {
    outputGain_ = gain;
    outputBalance_ = balance;
    applyLevel();
}

void MciDevice::applyLevel() {
    if (pipeline_) pipeline_->setLevel(outputGain_ * volume_ / 1000.0, outputBalance_);
}
