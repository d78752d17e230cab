// The media layer: the exact command texts and reply sizes it sends, on the
// recording fake. The engine's parser and real-engine tests read these texts.
#include <gtest/gtest.h>

#include <functional>

#include "playback/MultiMedia.h"
#include "support/FakeMciEngine.h"

namespace {

using Sent = QList<QPair<QString, int>>;

class MultiMediaFake : public ::testing::Test {
protected:
    Sent sent() const {
        Sent list;
        for (const FakeMciEngine::Sent& s : fake.sent) list.append({s.command, s.replyCapacity});
        return list;
    }
    void openSong() {  // as song start does, then forgets what was sent
        mm.MMOpen("/music/a.mp3", "ZELSong", true);
        fake.clear();
    }

    FakeMciEngine fake;
    MultiMedia mm{fake};
    const QString none;
};

}  // namespace

// Without a song every call answers 0; mode and position still ask, with an empty alias. An open that does not
// make its alias the default leaves the calls without a song; the playback tests check the song's own open and the
// plain commands on it. A file's length is measured on a device of its own, which leaves the song the default.
TEST_F(MultiMediaFake, EachCallSendsItsTextForTheSongAndBeforeASongOnlyModePositionAndCloseAll) {
    const Sent openOther{
        {"Close other", 0}, {"Open \"/b.wav\" Alias other", 0}, {"Set other time format milliseconds", 0}};
    const Sent measure{{"Open \"/b.mp3\" Alias tmpFile", 0}, {"Set tmpFile time format milliseconds", 0},
                       {"Status tmpFile length", 15}, {"Close tmpFile", 0}};
    struct Case { std::function<qint64()> call; Sent withoutSong, withSong; };
    const Case cases[] = {
        {[&] { return mm.MMOpen("/a.mp3", "   ", true); }, {}, {}},
        {[&] { return mm.MMOpen("/b.wav", "other", false); }, openOther, openOther},
        {[&] { return mm.MMPlay("  ", 0); }, {}, {{"Play ZELSong from 0", 0}}},
        {[&] { return mm.MMPlay("tmpFile", 12); }, {{"Play tmpFile from 12", 0}}, {{"Play tmpFile from 12", 0}}},
        {[&] { return mm.MMSeek(none, 5000); }, {}, {{"Seek ZELSong to 5000", 0}, {"Pause ZELSong", 0}}},
        {[&] { return mm.MMSeek("x", 7); }, {{"Seek x to 7", 0}}, {{"Seek x to 7", 0}, {"Pause ZELSong", 0}}},
        {[&] { return mm.MMClose(none, true); }, {{"Close all", 0}}, {{"Close all", 0}}},
        {[&] { return mm.MMGetSpeed(none); }, {}, {{"Status ZELSong speed", 255}}},
        {[&] { return mm.MMGetFileLength(none, QString()); }, {}, {{"Status ZELSong length", 15}}},
        {[&] { return mm.MMGetFileLength("ignored", "/b.mp3"); }, measure, measure},
        {[&] { return mm.MMGetPosition(" "); }, {{"Status  position", 15}}, {{"Status ZELSong position", 15}}},
        {[&] { return mm.MMGetMode(none); }, {{"Status  mode", 10}}, {{"Status ZELSong mode", 10}}},
        {[&] { return mm.MMSendCommand("any text", 255); }, {{"any text", 255}}, {{"any text", 255}}},
    };
    fake.answer("Status  mode", "playing", 263);  // text left behind a failure is no reply
    for (const bool songOpen : {false, true}) {
        if (songOpen) openSong();
        for (const Case& c : cases) {
            fake.clear();
            const qint64 result = c.call();
            EXPECT_EQ(sent(), songOpen ? c.withSong : c.withoutSong) << "row " << &c - cases << ", song " << songOpen;
            EXPECT_TRUE(songOpen || result == 0) << "row " << &c - cases << " answered " << result << " without a song";
        }
    }
}

TEST_F(MultiMediaFake, RepliesBecomeModesAndNumbersRoundedHalfToEven) {
    openSong();
    struct Case { const char* reply; quint8 mode; qint32 position; qint16 speed; };  // mode from the first two letters
    const Case cases[] = {
        {"not ready", 0, 0, 0}, {"pl", 1, 0, 0}, {"p", 0, 0, 0}, {"", 0, 0, 0}, {"42ms", 0, 42, 42},
        {"12.5", 0, 12, 12}, {"13.5", 0, 14, 14}, {"-5", 0, -5, -5}, {"40000", 0, 40000, 0},
        {"2147483647", 0, 2147483647, 0}, {"2147483648", 0, 0, 0},  // past 32 bits reads as a failed reply
    };
    for (const Case& c : cases) {
        for (const char* item : {"mode", "position", "speed"})
            fake.answer(QStringLiteral("Status ZELSong ") + item, c.reply);
        EXPECT_EQ(mm.MMGetMode(none), c.mode) << c.reply;
        EXPECT_EQ(mm.MMGetPosition(none), c.position) << c.reply;
        EXPECT_EQ(mm.MMGetSpeed(none), c.speed) << c.reply;
    }
}

TEST_F(MultiMediaFake, ErrorTextIsTheFirstLineTrimmed) {
    fake.errorTexts.insert(275, "  找不到檔案。  \r\n請檢查路徑。");
    fake.errorTexts.insert(263, QString(300, 'x'));
    EXPECT_EQ(mm.MMGetErrorText(275), "找不到檔案。");
    EXPECT_EQ(mm.MMGetErrorText(263).size(), 254) << "the 255-character buffer";
    EXPECT_EQ(mm.MMGetErrorText(12345) + mm.MMGetErrorText(-1), QString()) << "unknown codes leave the buffer empty";
}
