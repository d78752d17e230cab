// The song makers the other tests rely on: if a fixture is wrong, every
// length the engine reports would be checked against a wrong truth. The WAV
// and MIDI writers are read back by the probes' own tests.
#include <QFileInfo>

#include "EngineFixture.h"

TEST(MediaGen, EncodedSongsHoldTheToneAndTheirHeaders) {
    const TestSongs& s = TestSongs::get();
    // Three seconds at 44.1 kHz are 114.8 frames of 1152 samples; the encoder
    // adds its delay and flushes, so 115 to 117 frames, the same for both.
    EXPECT_GE(s.cbrFrames, 115);
    EXPECT_LE(s.cbrFrames, 117);
    EXPECT_EQ(s.vbrFrames, s.cbrFrames);
    EXPECT_EQ(readWholeFile(s.vbrMp3).indexOf("Xing"), 36) << "VBR header frame expected";
    EXPECT_EQ(readWholeFile(s.cbrMp3).indexOf("Xing"), -1);
    EXPECT_GT(QFileInfo(s.wma).size(), 1000);
    EXPECT_EQ(s.wmaMs, 3019);  // 65 blocks of 2048 samples: 3018.6 ms
    EXPECT_EQ(s.midiMs, 3000);
    EXPECT_EQ(MediaGen::countMpegAudioFrames(s.dir.path("missing.mp3")), -1);
}
