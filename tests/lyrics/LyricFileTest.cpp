#include <gtest/gtest.h>

#include "LyricTestWorld.h"
#include "lyrics/LyricFile.h"
#include "support/QStringPrinter.h"

namespace {

// Three lead-in entries counting down, the lines in file order, three
// lead-out entries counting up: N + 6 entries, line k at entry k + 2.
TEST(LyricFile, ContainerHoldsTheLinesBetweenTheLeadEntries) {
    const QStringList entries = LyricFile::containerFor({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(entries, (QStringList{"倒數 --- {3}", "倒數 --- {2}", "倒數 --- {1}", "a", "b", "倒數 --- {1}",
                                    "倒數 --- {2}", "倒數 --- {3}"}));
    EXPECT_EQ(LyricFile::containerFor({}).size(), 6);
}

// Spaces (only spaces) are trimmed, blank and space-only lines skipped, and
// everything else, time-tag look-alikes included, kept as written; CR LF,
// lone CR and lone LF all end a line. A binary file is unreadable, with a reason.
TEST(LyricFile, LinesAreTrimmedOfSpacesBlankLinesSkippedAndBinaryRefused) {
    LyricTestWorld world;
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList lines;
        bool ok = true;
    } rows[] = {
        {"blank and space lines", "one\r\n\r\n   \r\ntwo\r\n", {"one", "two"}},
        {"leading and trailing spaces", "  one  \r\n", {"one"}},
        {"tab kept", "\tone\r\n", {"\tone"}},
        {"time tag shown as is", "[00:12.34]text\r\n", {"[00:12.34]text"}},
        {"lone CR and LF", "a\rb\nc", {"a", "b", "c"}},
        {"only blank lines", "\r\n  \r\n\r\n", {}},
        {"big5 text", "\xa7\x41\xa6\x6e\r\n", {"你好"}},
        {"binary", QByteArray("a\0b\r\n", 5), {}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const LyricFile::ReadResult read = LyricFile::readLines(world.writeLyric(QStringLiteral("f"), row.bytes));
        EXPECT_EQ(read.ok, row.ok);
        EXPECT_EQ(read.error.isEmpty(), row.ok);
        EXPECT_EQ(read.lines, row.lines);
    }
}

}  // namespace
