#include <gtest/gtest.h>

#include "common/PathText.h"
#include "support/QStringPrinter.h"

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

TEST(PathText, TitleExtensionAndParent) {
    // path, title, extension, parent; "/" separates folders, a backslash is an ordinary character
    const char* cases[][4] = {
        {"/Music/song.mp3", "song", "mp3", "/Music/"}, {"song.tar.gz", "song.tar", "gz", ""},
        {"/Music/.mp3", "", "mp3", "/Music/"},        {"/Music/", "", "", "/Music/"},
        {"/a.b/song", "song", "", "/a.b/"},           {"/Music/song.", "song", "", "/Music/"},
        {"/", "", "", "/"},                           {"", "", "", ""},
        {"/M\\P/x.wav", "x", "wav", "/M\\P/"},        {"/音樂/藍天.mp3", "藍天", "mp3", "/音樂/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileTitle(q(c[0])), q(c[1])) << c[0];
        EXPECT_EQ(GetFileExt(q(c[0])), q(c[2])) << c[0];
        EXPECT_EQ(GetParentPath(q(c[0])), q(c[3])) << c[0];
    }
}

TEST(PathText, AddBackslashTrimsTheCallersVariable) {
    // argument, the caller's variable afterwards, result; only the space character is trimmed
    const char* cases[][3] = {{"  /Music ", "/Music", "/Music/"}, {"/", "/", "/"}, {"", "", "/"},
                              {"   ", "", "/"}, {"/Music/", "/Music/", "/Music/"}, {"\t/M", "\t/M", "\t/M/"}};
    for (const auto& c : cases) {
        QString path = q(c[0]);
        EXPECT_EQ(AddBackslash(path), q(c[2])) << "'" << c[0] << "'";
        EXPECT_EQ(path, q(c[1])) << "'" << c[0] << "'";
    }
}

TEST(PathText, CuttingAtASeparator) {
    // text, separator, before, after, before the last
    const char* cases[][5] = {
        {"a:b:c", ":", "a", "b:c", "a:b"}, {"a:b:c", "|", "", "", ""}, {"", ":", "", "", ""},
        {":x", ":", "", "x", ""},          {"x:", ":", "x", "", "x"},  {"a%b", "", "", "", ""},
        {"a--b", "--", "a", "-b", "a"},  // only the first character of a longer separator is dropped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextBefore(q(c[0]), q(c[1])), q(c[2])) << c[0] << " / " << c[1];
        EXPECT_EQ(TextAfter(q(c[0]), q(c[1])), q(c[3])) << c[0] << " / " << c[1];
        EXPECT_EQ(TextBeforeLast(q(c[0]), q(c[1])), q(c[4])) << c[0] << " / " << c[1];
    }
}

TEST(PathText, ReplaceText) {
    struct Case {
        const char *text, *find, *with;
        bool matchCase;
        const char* result;
    };
    const Case cases[] = {
        {"Hello hello", "hello", "X", false, "X X"}, {"Hello hello", "hello", "X", true, "Hello X"},
        {"aaa", "aa", "b", true, "ba"},             {"ab", "a", "aa", true, "aab"},
        {"ab", "abc", "R", true, "ab"},             {"", "a", "b", true, ""},
        {"abc", "", "b", true, "abc"},              {"AbAB", "ab", "-", false, "--"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceText(q(c.text), q(c.find), q(c.with), c.matchCase), q(c.result))
            << c.text << " find " << c.find << " case " << c.matchCase;
}

TEST(PathText, TrimFirstLine) {
    const char* cases[][2] = {{"  one\r\nsecond", "one"}, {"one\rtwo", "one"}, {"one\ntwo", "one"},
                              {"  only  ", "only"},       {"\r\nsecond", ""},  {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(TrimFirstLine(q(c[0])), q(c[1])) << c[0];
}

}  // namespace
