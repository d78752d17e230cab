// A device on a real pipeline, with a message put on the pipeline's bus at
// the awkward moment GStreamer itself can put it there.
#include <gtest/gtest.h>

#include <gst/gst.h>

#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <functional>

#include "MediaGen.h"
#include "platform/mci/Deadline.h"
#include "platform/mci/GstInit.h"
#include "platform/mci/MciDevice.h"
#include "platform/mci/PipelineReaper.h"
#include "platform/mci/PlaybinPipeline.h"
#include "support/TempDir.h"

namespace {

// The playbin inside the next PlaybinPipeline, caught when it names itself
// in its "source-setup" signal, so the test can reach the pipeline's bus.
class PlaybinCatcher {
public:
    PlaybinCatcher() {
        GstElement* sample = gst_element_factory_make("playbin", nullptr);
        if (!sample) return;
        signal_ = g_signal_lookup("source-setup", G_OBJECT_TYPE(sample));
        gst_object_unref(gst_object_ref_sink(sample));
        if (signal_) hook_ = g_signal_add_emission_hook(signal_, 0, &PlaybinCatcher::caught, this, nullptr);
    }
    ~PlaybinCatcher() {
        if (hook_) g_signal_remove_emission_hook(signal_, hook_);
    }
    PlaybinCatcher(const PlaybinCatcher&) = delete;
    PlaybinCatcher& operator=(const PlaybinCatcher&) = delete;

    // Posts an end of stream as the sinks do when the song runs out.
    bool postEndOfStream() const {
        GstElement* playbin = playbin_.load();
        if (!playbin) return false;
        GstBus* bus = gst_element_get_bus(playbin);
        const bool posted = gst_bus_post(bus, gst_message_new_eos(GST_OBJECT(playbin)));
        gst_object_unref(bus);
        return posted;
    }

private:
    static gboolean caught(GSignalInvocationHint*, guint, const GValue* params, gpointer self) {
        static_cast<PlaybinCatcher*>(self)->playbin_ = GST_ELEMENT(g_value_get_object(&params[0]));
        return TRUE;  // stays installed
    }

    guint signal_ = 0;
    gulong hook_ = 0;
    std::atomic<GstElement*> playbin_{nullptr};
};

// The real pipeline, with the sinks' end posted on its bus right before each
// seek once armed: a click on the time line just as the song runs out, after
// the command has read the bus and before its seek.
class EndBeforeSeek final : public MediaPipeline {
public:
    EndBeforeSeek(std::unique_ptr<PlaybinPipeline> real, const PlaybinCatcher& catcher, const bool& armed)
        : real_(std::move(real)), catcher_(catcher), armed_(armed) {}
    quint64 id() const override { return real_->id(); }
    Event nextEvent() override { return real_->nextEvent(); }
    void play() override { real_->play(); }
    void pause() override { real_->pause(); }
    bool isPrerolled() override { return real_->isPrerolled(); }
    bool waitPrerolled(int timeoutMs) override { return real_->waitPrerolled(timeoutMs); }
    std::optional<qint64> positionMs() override { return real_->positionMs(); }
    std::optional<qint64> durationMs() override { return real_->durationMs(); }
    void setLevel(double gain, double balance) override { real_->setLevel(gain, balance); }
    bool seek(qint64 startMs, double rate, std::optional<qint64> stopMs) override {
        if (armed_) {
            EXPECT_TRUE(catcher_.postEndOfStream());
        }
        return real_->seek(startMs, rate, stopMs);
    }

private:
    std::unique_ptr<PlaybinPipeline> real_;
    const PlaybinCatcher& catcher_;
    const bool& armed_;
};

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    for (const Deadline waited(timeoutMs); !condition();) {
        if (waited.expired()) return false;
        QThread::msleep(10);
    }
    return true;
}

}  // namespace

// The end the sinks reached just before the seek belongs to the segment the seek replaced: the song started again
// near its end reads playing, and its own end still comes at its length, whatever decodes the song.
TEST(PlaybinPipeline, AnEndLeftOnTheBusBeforeASeekDoesNotStopTheRestartedSong) {
    if (!ensureGStreamerInitialized()) GTEST_SKIP() << "GStreamer cannot start here";
    TempDir dir;
    const MediaGen::Tone tone{1000, 22050, 1};
    struct Song { QString path; MediaKind kind; };
    const Song songs[] = {{dir.path("tone.wav"), MediaKind::Wave}, {dir.path("tone.mp3"), MediaKind::MpegAudio},
                          {dir.path("tune.mid"), MediaKind::Midi}, {dir.path("tone.wma"), MediaKind::Asf}};
    ASSERT_TRUE(MediaGen::writeWave(songs[0].path, tone));
    ASSERT_TRUE(MediaGen::encodeMp3(songs[1].path, {tone, false, 64}).ok);
    ASSERT_TRUE(MediaGen::writeMidi(songs[2].path, {.sections = {{2, 500000}}}));  // two beats of 0.5 s
    ASSERT_TRUE(MediaGen::encodeWma(songs[3].path, tone).ok);
    PipelineReaper reaper;
    quint64 ids = 0;
    for (const Song& song : songs) {
        SCOPED_TRACE(qPrintable(QFileInfo(song.path).fileName()));
        PlaybinCatcher catcher;
        bool armed = false;
        auto factory = [&](const QString& path) -> std::unique_ptr<MediaPipeline> {
            auto real = PlaybinPipeline::create(path, ++ids, reaper);
            return real ? std::make_unique<EndBeforeSeek>(std::move(real), catcher, armed) : nullptr;
        };
        MciDevice device("a", 1, song.path, song.kind, factory);
        ASSERT_EQ(device.play(0, std::nullopt, Deadline(1500)), 0u);
        ASSERT_TRUE(waitFor([&] { return device.positionMs() >= 100; }, 3000)) << "it never played";
        armed = true;
        ASSERT_EQ(device.play(600, std::nullopt, Deadline(1500)), 0u);
        EXPECT_EQ(mciModeText(device.mode()), QStringLiteral("playing")) << "the stale end stopped the restarted song";
        EXPECT_TRUE(waitFor([&] { return device.mode() != MciMode::Playing; }, 3000)) << "it never ended";
        EXPECT_EQ(mciModeText(device.mode()), QStringLiteral("stopped"));
        EXPECT_EQ(device.positionMs(), device.lengthMs(Deadline(1500))) << "at its end";
    }
}
