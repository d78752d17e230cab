#pragma once

#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

#include "platform/mci/Deadline.h"
#include "platform/mci/MediaPipeline.h"
#include "platform/mci/MediaSniffer.h"

enum class MciMode { NotReady, Stopped, Playing, Paused, Seeking, Open };

// The reply word of a mode: "playing", "not ready", ...
QString mciModeText(MciMode mode);

// One open device: a file under a name, with the state the commands see.
// The state is the device's own (mode, position, speed), kept apart from
// the pipeline, which is built on the first command that needs it and
// brought in line lazily: "seek" and "stop" only note a position, and
// "play" seeks the pipeline there. So no command waits for GStreamer except
// where it must (a seek needs a pipeline that holds data), and then only
// within the command's deadline.
class MciDevice {
public:
    // A pipeline that has not pre-rolled this long after it was made (a
    // demuxer waiting forever on a cut header) is taken as failed.
    static constexpr int kPrerollGiveUpMs = 5000;

    MciDevice(QString name, int deviceId, QString path, MediaKind kind, PipelineFactory factory,
              int prerollGiveUpMs = kPrerollGiveUpMs);
    ~MciDevice();
    MciDevice(const MciDevice&) = delete;
    MciDevice& operator=(const MciDevice&) = delete;

    const QString& name() const { return name_; }
    int deviceId() const { return deviceId_; }

    // Applies what the pipeline reported since the last call.
    void poll();

    // The commands; each returns 0 or an MciError code.
    quint32 play(std::optional<qint64> fromMs, std::optional<qint64> toMs, const Deadline& deadline);
    quint32 pause();
    quint32 resume(const Deadline& deadline);
    quint32 stop();
    quint32 seek(qint64 targetMs);
    quint32 setSpeed(qint64 thousandths, const Deadline& deadline);
    quint32 setVolume(qint64 perMille);
    void setOutputLevel(double gain, double balance);

    MciMode mode();
    qint64 positionMs();
    // The probe's length, or the pipeline's after a bounded pre-roll; 0 when
    // neither can tell.
    qint64 lengthMs(const Deadline& deadline);
    // The length if it is known or can be read from the headers, without
    // building a pipeline.
    std::optional<qint64> cheapLengthMs();
    int speed() const { return speed_; }
    int volume() const { return volume_; }

    static constexpr int kMinSpeed = 1;
    static constexpr int kMaxSpeed = 100000;

private:
    bool ensurePipeline();
    // The file the pipeline reads: the song, or a re-timed copy of a MIDI
    // song that changes tempo.
    QString playbackPath();
    void handle(MediaPipeline::Event event);
    // Plays from start, seeking first (the pipeline must hold data for that).
    void startAt(qint64 startMs, const Deadline& deadline);
    void seekAndPlay();
    // Leaves playing: remembers where the song stands and pauses the pipeline.
    void leavePlaying(MciMode next);
    qint64 playingPositionMs();
    qint64 clampToEnd(qint64 ms) const;
    void applyLevel();

    QString name_;
    int deviceId_;
    QString path_;
    MediaKind kind_;
    PipelineFactory factory_;
    std::unique_ptr<QTemporaryFile> playbackCopy_;  // outlives the pipeline reading it
    bool playbackChecked_ = false;
    std::unique_ptr<MediaPipeline> pipeline_;

    MciMode mode_ = MciMode::Stopped;
    qint64 positionMs_ = 0;  // where the song stands while not playing
    qint64 playStartMs_ = 0;  // where the current play started
    qint64 lastPlayingMs_ = 0;  // the latest position read while playing
    std::optional<qint64> endMs_;  // "play ... to"
    std::optional<qint64> lengthMs_;
    int speed_ = 1000;
    int volume_ = 1000;
    double outputGain_ = 1.0;
    double outputBalance_ = 0.0;

    int prerollGiveUpMs_;
    QElapsedTimer prerollWait_;  // running from a pipeline's making to its first pre-roll
    std::optional<quint64> lengthGaveUpOn_;  // the pipeline whose duration did not come in time
    bool everPrerolled_ = false;  // an error before this reads "not ready"
    bool pendingStart_ = false;   // a play waits for the pre-roll to seek
    // Where the idle pipeline stands, with its rate and stop; a play from
    // the same place with the same settings needs no seek.
    std::optional<qint64> pipelineAtMs_;
    double pipelineRate_ = 1.0;
    std::optional<qint64> pipelineStopMs_;
};
