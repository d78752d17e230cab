// A device's state over a scripted pipeline: the orders of events that real
// playback produces only by chance (a pre-roll slower than the command's
// budget, an error after the first sound, a pipeline that cannot be made).
#include <QThread>

#include <gtest/gtest.h>

#include "MediaGen.h"
#include "platform/mci/MciDevice.h"
#include "platform/mci/MciEngine.h"
#include "support/TempDir.h"

namespace {

using Event = MediaPipeline::Event;

// What the device's pipelines report and what they were told, shared with
// the test across the pipelines the device makes.
struct PipelineScript {
    QList<Event> events;
    bool prerolled = false, prerollsWhenWaitedFor = true;
    std::optional<qint64> position;
    QStringList calls;
};

struct FakePipeline final : MediaPipeline {
    FakePipeline(quint64 id, PipelineScript& script) : id_(id), s_(script) {}
    const quint64 id_;
    PipelineScript& s_;
    quint64 id() const override { return id_; }
    Event nextEvent() override { return s_.events.isEmpty() ? Event::None : s_.events.takeFirst(); }
    void play() override { s_.calls.append("play"); }
    void pause() override { s_.calls.append("pause"); }
    bool isPrerolled() override { return s_.prerolled; }
    bool waitPrerolled(int) override { return s_.prerolled = s_.prerolled || s_.prerollsWhenWaitedFor; }
    std::optional<qint64> positionMs() override { return s_.position; }
    std::optional<qint64> durationMs() override { return std::nullopt; }
    bool seek(qint64 startMs, double rate, std::optional<qint64> stopMs) override {
        s_.calls.append(QStringLiteral("seek %1 %2 %3").arg(startMs).arg(rate).arg(stopMs.value_or(-1)));
        s_.position = startMs;
        return true;
    }
    void setLevel(double, double) override {}
};

class MciDeviceTest : public ::testing::Test {
protected:
    std::unique_ptr<MciDevice> makeDevice(MediaKind kind, int giveUpMs = MciDevice::kPrerollGiveUpMs) {
        auto factory = [this](const QString&) -> std::unique_ptr<MediaPipeline> {
            ++made;
            return refuse ? nullptr : std::make_unique<FakePipeline>(made, script);
        };
        return std::make_unique<MciDevice>("a", 1, path, kind, factory, giveUpMs);
    }
    void preroll() {
        script.prerolled = true;
        script.events.push_back(Event::Prerolled);
    }

    Deadline budget{1500};
    TempDir dir;
    QString path = dir.writeFile("a.wav", MediaGen::makeWave({4000, 8000, 1}));  // the header probe's length: 4 s
    PipelineScript script;
    int made = 0;
    bool refuse = false;
    std::unique_ptr<MciDevice> device = makeDevice(MediaKind::Wave);
};

}  // namespace

TEST_F(MciDeviceTest, SlowPrerollFinishesTheStartWhenItArrives) {
    script.prerollsWhenWaitedFor = false;
    EXPECT_EQ(device->play(1500, std::nullopt, budget), 0u);
    EXPECT_EQ(device->mode(), MciMode::Playing) << "playing at once";
    script.position = 0;
    EXPECT_EQ(device->positionMs(), 1500) << "the target, not where the pipeline stands";
    preroll();
    device->poll();
    EXPECT_EQ(script.calls, QStringList({"pause", "seek 1500 1 -1", "play"})) << "the seek waited for the pre-roll";
    script.position = 9000;
    EXPECT_EQ(device->positionMs(), 4000) << "never past the length";
}

// A new pipeline and a paused one stand where the next play starts, so that play needs no seek; once playing they
// have moved on, and a play from the same place (the start button, a click at the line's start) goes back there.
TEST_F(MciDeviceTest, APlayFromWhereThePlayingSongStartedGoesBackThere) {
    const struct { const char* name; qint64 fromMs; bool resumed; } cases[] = {
        {"new", 0, false}, {"resumed", 1500, true}};
    for (const auto& c : cases) {
        script = PipelineScript{};
        device = makeDevice(MediaKind::Wave);
        device->play(c.fromMs, std::nullopt, budget);
        if (c.resumed) {
            device->pause();
            device->play(std::nullopt, std::nullopt, budget);
        }
        EXPECT_EQ(script.calls.last(), "play") << c.name;
        script.position = c.fromMs + 700;
        device->play(c.fromMs, std::nullopt, budget);
        const QStringList seekAndPlay{QStringLiteral("seek %1 1 -1").arg(c.fromMs), "play"};
        EXPECT_EQ(script.calls.mid(script.calls.size() - 2), seekAndPlay) << c.name << ": played on from there";
    }
}

TEST_F(MciDeviceTest, PauseDuringAPendingStartKeepsTheTarget) {
    script.prerollsWhenWaitedFor = false;
    device->play(2000, 3000, budget);
    device->pause();
    EXPECT_EQ(device->mode(), MciMode::Paused);
    EXPECT_EQ(device->positionMs(), 2000);
    preroll();
    device->poll();
    EXPECT_FALSE(script.calls.contains("play")) << "a paused device stays silent";
    device->play(std::nullopt, std::nullopt, budget);
    EXPECT_EQ(script.calls.mid(script.calls.size() - 2), QStringList({"seek 2000 1 -1", "play"})) << "on at the target";
}

TEST_F(MciDeviceTest, ErrorsReadNotReadyOnlyBeforeTheFirstPreroll) {
    device->play(0, std::nullopt, budget);
    // The error and the end of the same broken pipeline arrive together:
    // once the error has dropped that pipeline, its end is not applied.
    script.events = {Event::Error, Event::EndOfStream};
    EXPECT_EQ(device->mode(), MciMode::NotReady);
    EXPECT_EQ(script.events.size(), 1) << "left unread with the old pipeline";
    script.events.clear();
    device->play(0, std::nullopt, budget);
    EXPECT_EQ(made, 2) << "a failed pipeline is rebuilt";
    script.position = 1200;
    script.events.push_back(Event::Prerolled);
    EXPECT_EQ(device->positionMs(), 1200);
    script.events.push_back(Event::Error);
    EXPECT_EQ(device->mode(), MciMode::Stopped) << "it played once, so it stops";
    EXPECT_EQ(device->positionMs(), 1200) << "where it was last seen playing";
}

TEST_F(MciDeviceTest, APipelineThatCannotBeMadeOrNeverPrerollsIsGivenUp) {
    refuse = true;
    EXPECT_EQ(device->play(0, std::nullopt, budget), MciError::CannotPlay);
    EXPECT_EQ(device->mode(), MciMode::NotReady);
    EXPECT_EQ(device->lengthMs(budget), 4000) << "the header still tells the length";

    refuse = false;  // a stuck demuxer: no pre-roll, no error, no end
    script.prerollsWhenWaitedFor = false;
    const std::unique_ptr<MciDevice> stuck = makeDevice(MediaKind::OtherAudio, 50);
    EXPECT_EQ(stuck->lengthMs(budget), 0);
    EXPECT_EQ(stuck->lengthMs(budget), 0) << "asked again without waiting again";
    EXPECT_EQ(script.calls.count("pause"), 1);
    stuck->play(0, std::nullopt, budget);
    EXPECT_EQ(stuck->mode(), MciMode::Playing);
    for (const Deadline waited(2000); stuck->mode() == MciMode::Playing && !waited.expired();) QThread::msleep(20);
    EXPECT_EQ(stuck->mode(), MciMode::NotReady);
}
