#include <gtest/gtest.h>

#include "playlist/PlaylistFile.h"
#include "support/QStringPrinter.h"

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

}  // namespace
