#include <gtest/gtest.h>

#include "DataFolderScope.h"
#include "app/OptionFile.h"

namespace {

// Unquoted: up to the first comma, trimmed. Quoted: up to the last quotation
// mark, commas and spaces kept.
TEST(OptionFile, DecodesQuotedAndUnquotedValues) {
    const struct { const char *line, *value; } cases[] = {
        {"#TRUE#", "#TRUE#"}, {"  /home/x  ,rest", "/home/x"}, {"", ""}, {"  \"/home/me\"  ", "/home/me"},
        {"\" padded \"", " padded "}, {"\"/home/a,b\"", "/home/a,b"}, {"\"say \"hi\"\"", "say \"hi\""},
        {"\"unterminated", "unterminated"}, {"\"\"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OptionFile::decodeValue(QString::fromUtf8(c.line)), QString::fromUtf8(c.value)) << c.line;
}

// One line of an otherwise valid file changed, or the file cut short:
// accepted or rejected, and a rejection names the first wrong line.
TEST(OptionFile, AcceptsOrRejectsEachLineAndSaysWhich) {
    // line: numbered from 1, 0 changes no line; count: lines kept
    const struct { int line; const char* text; int count; bool ok; } cases[] = {
        {1, "#true#", 14, true}, {1, " #FALSE# ", 14, true}, {8, "+3", 14, true}, {8, "\"3\"", 14, true},
        {9, "2.0", 14, true}, {10, "7", 14, true}, {11, "/unquoted/folder", 14, true}, {12, "7", 14, true},
        {12, "1|", 14, true}, {12, "9|/odd", 14, true},
        {0, "", 0, false}, {0, "", 1, false}, {0, "", 12, false}, {0, "", 13, false},
        {1, "TRUE", 14, false}, {2, "1", 14, false}, {7, "", 14, false}, {13, "#YES#", 14, false},
        {14, "0", 14, false}, {8, "abc", 14, false}, {8, "", 14, false}, {8, "1e3", 14, false},
        {9, "2 3", 14, false}, {10, "3x", 14, false}, {12, "Morning.jpg", 14, false}, {12, "", 14, false},
        {8, "0", 14, false}, {8, "7", 14, false}, {8, "99999", 14, false}, {9, "-1", 14, false},
        {9, "4", 14, false}, {10, "-1", 14, false}, {10, "8", 14, false}, {12, "8", 14, false}, {12, "-1", 14, false},
    };
    for (const auto& c : cases) {
        QStringList lines = sampleOptionLines();
        if (c.line > 0) lines[c.line - 1] = QString::fromUtf8(c.text);
        const OptionFile::ParseResult r = OptionFile::parse(lines.mid(0, c.count));
        const std::string name = "line " + std::to_string(c.line) + " \"" + c.text + "\" of " + std::to_string(c.count);
        EXPECT_EQ(r.ok, c.ok) << name << ": " << r.error.toStdString();
        const QString where = c.count < 14 ? QString("%1 of 14").arg(c.count) : QString("line %1:").arg(c.line);
        EXPECT_TRUE(c.ok || r.error.contains(where)) << name << ": " << r.error.toStdString();
    }
}

TEST(OptionFile, WrittenFilesReadBackUnchanged) {
    DataFolderScope data;
    for (const char* folder : {"/music/a,b", "/music/say \"hi\"", " /spaces around ", "", "/x\",\"y", "/中文 🎵"}) {
        OptionValues v;
        v.flags = {false, true, false, true, false, true, false, true, false};
        v.initDir = QString::fromUtf8(folder);
        v.backgroundTag = QStringLiteral("1|") + v.initDir;
        QString error;
        ASSERT_TRUE(OptionFile::write(data.optionFile(), v, &error)) << folder << ": " << error.toStdString();
        const OptionFile::ParseResult r = OptionFile::read(data.optionFile());
        EXPECT_TRUE(r.ok && r.values == v) << folder << ": " << r.error.toStdString();
    }
}

}  // namespace
