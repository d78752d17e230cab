#include <gtest/gtest.h>

#include "browser/FilePattern.h"

namespace {

TEST(FilePatternTest, Matching) {
    const struct { const char *pattern, *name; bool matches; } cases[] = {
        {"*.*", "README", true}, {"*.*", ".hidden", true},  // the reset pattern shows every file
        {"*.mp3", "SONG.MP3", true}, {"*.mp3", "歌曲.MP3", true}, {"*.mp3", "song.mp3.txt", false},
        {"*.mp3;*.wav", "a.WAV", true}, {"*.mp3;*.wav", "a.mid", false},
        {"*.mp3; *.wav", "a.wav", true},  // spaces after ";" are forgiven
        {"*.mp3;wav", "wav", true}, {"*.mp3;wav", "a.wav", false},  // the second type is taken as typed
        {"a?.mp3", "ab.mp3", true}, {"a?.mp3", "abc.mp3", false},
        {"a*.*", "abc", true},  // a final ".*" also allows no extension
        {"*.", "README", true}, {"*.", "a.mp3", false},  // a final "." asks for no extension
        {"[ab].mp3", "a.mp3", false}, {"*.(mp3)", "x.(MP3)", true},  // brackets are plain characters
        {";", "a.mp3", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilePattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.name)), c.matches)
            << c.pattern << " vs " << c.name;
}

TEST(FilePatternTest, FilterAnswers) {
    const struct { const char *answer, *pattern; } cases[] = {  // pattern nullptr: the answer is ignored
        {"mp3", "*.mp3"}, {"*.mp3", "*.mp3"}, {"*.mp3;wav", "*.mp3;wav"}, {"   ", nullptr},
        {"", nullptr},  // also a cancelled box
        {"*.", "*."}, {" mp3 ", "*.mp3"}, {"*mp3", "*.*mp3"},  // only "*." counts as the beginning
        {"wav;*.mp3", "*.wav;*.mp3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilePattern::fromFilterAnswer(QString::fromUtf8(c.answer)),
                  c.pattern ? std::optional(QString::fromUtf8(c.pattern)) : std::nullopt)
            << "answer '" << c.answer << "'";
}

}  // namespace
