#include <gtest/gtest.h>

#include "browser/FilePattern.h"

namespace {

TEST(FilePatternTest, Matching) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.*", "song.mp3", true},
        {"*.*", "README", true},  // the reset pattern shows every file
        {"*.*", ".hidden", true},
        {"*.mp3", "SONG.MP3", true},  // case does not matter
        {"*.mp3", "song.mp3.txt", false},
        {"*.mp3", "mp3", false},
        {"*.mp3;*.wav", "a.WAV", true},
        {"*.mp3; *.wav", "a.wav", true},  // spaces after ";" are forgiven
        {"*.mp3;*.wav", "a.mid", false},
        {"*.mp3;wav", "wav", true},  // the second type is taken as typed
        {"*.mp3;wav", "a.wav", false},
        {"a?.mp3", "ab.mp3", true},
        {"a?.mp3", "abc.mp3", false},
        {"track*", "Track 10.mp3", true},
        {"a*.*", "abc", true},  // a final ".*" also allows no extension
        {"*.", "README", true},  // a final "." asks for no extension
        {"*.", "a.mp3", false},
        {"[ab].mp3", "[ab].mp3", true},  // brackets are plain characters
        {"[ab].mp3", "a.mp3", false},
        {"*.(mp3)", "x.(MP3)", true},
        {";", "a.mp3", false},
        {"*.mp3", "歌曲.MP3", true},
    };
    for (const auto& c : cases) {
        const FilePattern pattern(QString::fromUtf8(c.pattern));
        EXPECT_EQ(pattern.matches(QString::fromUtf8(c.name)), c.matches) << c.pattern << " vs " << c.name;
    }
}

TEST(FilePatternTest, DefaultShowsEverything) {
    const FilePattern pattern;
    EXPECT_EQ(pattern.text(), QStringLiteral("*.*"));
    EXPECT_TRUE(pattern.matchesAll());
    EXPECT_FALSE(FilePattern(QStringLiteral("*.mp3")).matchesAll());
}

TEST(FilePatternTest, FilterAnswers) {
    const struct {
        const char* answer;
        const char* pattern;  // nullptr: the answer is ignored
    } cases[] = {
        {"mp3", "*.mp3"},
        {"*.mp3", "*.mp3"},
        {"*.mp3;wav", "*.mp3;wav"},
        {"   ", nullptr},
        {"", nullptr},  // also a cancelled box
        {"*.", "*."},
        {" mp3 ", "*.mp3"},
        {"*mp3", "*.*mp3"},  // only "*." counts as the beginning
        {"wav;*.mp3", "*.wav;*.mp3"},
    };
    for (const auto& c : cases) {
        const auto pattern = FilePattern::fromFilterAnswer(QString::fromUtf8(c.answer));
        if (c.pattern == nullptr) {
            EXPECT_FALSE(pattern.has_value()) << "answer '" << c.answer << "'";
        } else {
            ASSERT_TRUE(pattern.has_value()) << "answer '" << c.answer << "'";
            EXPECT_EQ(*pattern, QString::fromUtf8(c.pattern)) << "answer '" << c.answer << "'";
        }
    }
}

}  // namespace
