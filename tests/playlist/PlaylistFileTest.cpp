#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "playlist/PlaylistFile.h"
#include "support/TempDir.h"

namespace {

TEST(PlaylistFileTest, ParsesOneEntryPerNonBlankLine) {
    struct Case {
        const char* name;
        QString text;
        QStringList expected;
    } cases[] = {
        {"crlf", QStringLiteral("/a.mp3\r\n/b.mp3\r\n"), {"/a.mp3", "/b.mp3"}},
        {"lone cr", QStringLiteral("/a.mp3\r/b.mp3"), {"/a.mp3", "/b.mp3"}},
        {"lone lf", QStringLiteral("/a.mp3\n/b.mp3\n"), {"/a.mp3", "/b.mp3"}},
        {"blank and space lines", QStringLiteral("\r\n   \r\n/a.mp3\r\n\r\n  \n/b.mp3"), {"/a.mp3", "/b.mp3"}},
        {"surrounding spaces", QStringLiteral("   /x y/a b.mp3   \r\n"), {"/x y/a b.mp3"}},
        {"tabs are kept", QStringLiteral("\t/a.mp3\r\n"), {"\t/a.mp3"}},
        {"duplicates kept", QStringLiteral("/a.mp3\r\n/a.mp3\r\n"), {"/a.mp3", "/a.mp3"}},
        {"empty", QString(), {}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaylistFile::parse(c.text), c.expected) << c.name;
}

// A path the code page cannot hold turns the whole file into UTF-8 with a
// BOM, so that no character is lost.
TEST(PlaylistFileTest, WritesCrLfLinesAndReadsThemBack) {
    const QStringList inCodePage = {QStringLiteral("/音樂/藍天.mp3"), QStringLiteral("/b.mp3")};
    const QStringList outside = {QStringLiteral("/music/z.mp3"), QStringLiteral("/music/Ünïcödé – 𝄞 ♪.mp3"),
                                 QStringLiteral("/音樂/a.wav"), QStringLiteral("/music/z.mp3")};
    const struct {
        const char* name;
        QStringList paths;
        QByteArray bytes;
    } cases[] = {
        {"code page 950", inCodePage, CodePage::toCp950Lossy(inCodePage.join("\r\n") + "\r\n")},
        {"outside the code page", outside, "\xEF\xBB\xBF" + (outside.join("\r\n") + "\r\n").toUtf8()},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const QString file = dir.path(QString::fromLatin1(c.name));
        ASSERT_TRUE(PlaylistFile::write(file, c.paths)) << c.name;
        EXPECT_EQ(readWholeFile(file), c.bytes) << c.name;
        const PlaylistFile::ReadResult back = PlaylistFile::read(file);
        EXPECT_TRUE(back.ok) << c.name;
        EXPECT_EQ(back.paths, c.paths) << c.name;
    }
}

}  // namespace
