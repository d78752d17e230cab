#include <gtest/gtest.h>

#include "common/PathText.h"

namespace {

// The tables use "/" as the separator of this platform.
struct PathCase {
    const char* path;
    const char* title;
    const char* ext;
    const char* parent;
};

const PathCase kPathCases[] = {
    {"/Music/song.mp3", "song", "mp3", "/Music/"},
    {"song.tar.gz", "song.tar", "gz", ""},
    {"/Music/.mp3", "", "mp3", "/Music/"},
    {"/Music/", "", "", "/Music/"},
    {"/a.b/song", "song", "", "/a.b/"},
    {"/Music/song.MP3", "song", "MP3", "/Music/"},
    {"/Music/song", "song", "", "/Music/"},
    {"/Music/song.", "song", "", "/Music/"},
    {"/", "", "", "/"},
    {"/a/", "", "", "/a/"},
    {"song.mp3", "song", "mp3", ""},
    {"", "", "", ""},
    {"/Music\\Pop/x.wav", "x", "wav", "/Music\\Pop/"},  // a backslash is an ordinary character here
    {"/音樂/藍天.mp3", "藍天", "mp3", "/音樂/"},
};

TEST(PathText, TitleExtensionAndParent) {
    for (const PathCase& c : kPathCases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(GetFileTitle(path), QString::fromUtf8(c.title)) << "title of " << c.path;
        EXPECT_EQ(GetFileExt(path), QString::fromUtf8(c.ext)) << "extension of " << c.path;
        EXPECT_EQ(GetParentPath(path), QString::fromUtf8(c.parent)) << "parent of " << c.path;
    }
}

TEST(PathText, AddBackslashTrimsTheCallersVariable) {
    struct Case {
        const char* in;
        const char* trimmed;
        const char* result;
    };
    const Case cases[] = {
        {"  /Music ", "/Music", "/Music/"},
        {"/", "/", "/"},
        {"", "", "/"},
        {"   ", "", "/"},
        {"/Music/", "/Music/", "/Music/"},
        {"\t/Music", "\t/Music", "\t/Music/"},  // only the space character is trimmed
    };
    for (const Case& c : cases) {
        QString path = QString::fromUtf8(c.in);
        EXPECT_EQ(AddBackslash(path), QString::fromUtf8(c.result)) << "'" << c.in << "'";
        EXPECT_EQ(path, QString::fromUtf8(c.trimmed)) << "'" << c.in << "'";
    }
}

TEST(PathText, CuttingAtASeparator) {
    struct Case {
        const char* text;
        const char* sep;
        const char* before;
        const char* after;
        const char* beforeLast;
    };
    const Case cases[] = {
        {"a:b:c", ":", "a", "b:c", "a:b"},
        {"a:b:c", "|", "", "", ""},
        {"", ":", "", "", ""},
        {":x", ":", "", "x", ""},
        {"x:", ":", "x", "", "x"},
        {"a--b", "--", "a", "-b", "a"},  // only the first character of a longer separator is dropped
        {"a%b", "", "", "", ""},          // an empty separator finds nothing
        {"1%5", "%", "1", "5", "1"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString sep = QString::fromUtf8(c.sep);
        EXPECT_EQ(TextBefore(text, sep), QString::fromUtf8(c.before)) << c.text << " / " << c.sep;
        EXPECT_EQ(TextAfter(text, sep), QString::fromUtf8(c.after)) << c.text << " / " << c.sep;
        EXPECT_EQ(TextBeforeLast(text, sep), QString::fromUtf8(c.beforeLast)) << c.text << " / " << c.sep;
    }
}

TEST(PathText, ReplaceText) {
    struct Case {
        const char* text;
        const char* find;
        const char* with;
        bool matchCase;
        const char* result;
    };
    const Case cases[] = {
        {"Hello hello", "hello", "X", false, "X X"},
        {"Hello hello", "hello", "X", true, "Hello X"},
        {"aaa", "aa", "b", true, "ba"},
        {"ab", "a", "aa", true, "aab"},
        {"xabcd", "abc", "R", true, "xRd"},
        {"ab", "abc", "R", true, "ab"},
        {"", "a", "b", true, ""},
        {"abc", "", "b", true, "abc"},
        {"A|B|C", "|", " ~ ", true, "A ~ B ~ C"},
        {"AbAB", "ab", "-", false, "--"},
        {"MiXed", "x", "", false, "Mied"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceText(QString::fromUtf8(c.text), QString::fromUtf8(c.find), QString::fromUtf8(c.with),
                              c.matchCase),
                  QString::fromUtf8(c.result))
            << c.text << " find " << c.find << " case " << c.matchCase;
    }
}

TEST(PathText, TrimFirstLine) {
    EXPECT_EQ(TrimFirstLine(QStringLiteral("  one\r\nsecond")), QStringLiteral("one"));
    EXPECT_EQ(TrimFirstLine(QStringLiteral("one\rtwo")), QStringLiteral("one"));
    EXPECT_EQ(TrimFirstLine(QStringLiteral("one\ntwo")), QStringLiteral("one"));
    EXPECT_EQ(TrimFirstLine(QStringLiteral("  only  ")), QStringLiteral("only"));
    EXPECT_EQ(TrimFirstLine(QStringLiteral("\r\nsecond")), QString());
    EXPECT_EQ(TrimFirstLine(QString()), QString());
    EXPECT_EQ(TrimFirstLine(QStringLiteral("指定的檔案不存在 \r\n")), QStringLiteral("指定的檔案不存在"));
}

}  // namespace
