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

TEST(PlaylistFileTest, WritesEveryPathWithCrLfInCodePage950) {
    TempDir dir;
    const QString file = dir.path(QStringLiteral("list.ini"));
    ASSERT_TRUE(PlaylistFile::write(file, {QStringLiteral("/音樂/藍天.mp3"), QStringLiteral(" /b.mp3")}));
    EXPECT_EQ(readWholeFile(file), CodePage::toCp950Lossy(QStringLiteral("/音樂/藍天.mp3\r\n /b.mp3\r\n")));
}

TEST(PlaylistFileTest, RoundTripKeepsPathsOrderAndCharactersOutsideTheCodePage) {
    TempDir dir;
    const QString file = dir.path(QStringLiteral("list.ini"));
    const QStringList paths = {QStringLiteral("/music/z.mp3"), QStringLiteral("/music/Ünïcödé – 𝄞 ♪.mp3"),
                               QStringLiteral("/音樂/a.wav"), QStringLiteral("/music/z.mp3")};
    ASSERT_TRUE(PlaylistFile::write(file, paths));
    EXPECT_TRUE(readWholeFile(file).startsWith("\xEF\xBB\xBF")) << "falls back to UTF-8 with a BOM";
    const PlaylistFile::ReadResult back = PlaylistFile::read(file);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.paths, paths);
}

TEST(PlaylistFileTest, MissingFileIsAnError) {
    TempDir dir;
    const PlaylistFile::ReadResult result = PlaylistFile::read(dir.path(QStringLiteral("none.ini")));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

}  // namespace
