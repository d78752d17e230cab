#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "DataFolderScope.h"
#include "app/OptionFile.h"

namespace {

TEST(OptionFile, DecodesQuotedAndUnquotedValues) {
    const struct {
        const char* line;
        const char* value;
    } cases[] = {
        {"#TRUE#", "#TRUE#"},
        {"  42  ", "42"},
        {"\"/home/me\"", "/home/me"},
        {"  \"/home/me\"  ", "/home/me"},
        {"\" padded \"", " padded "},
        {"/home/a,b", "/home/a"},         // unquoted: up to the first comma
        {"  /home/x  ,rest", "/home/x"},
        {"\"/home/a,b\"", "/home/a,b"},     // quoted: commas are kept
        {"\"say \"hi\"\"", "say \"hi\""},  // quoted: up to the last quotation mark
        {"\"unterminated", "unterminated"},
        {"\"\"", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OptionFile::decodeValue(QString::fromUtf8(c.line)), QString::fromUtf8(c.value)) << c.line;
}

TEST(OptionFile, ParsesEveryLineIntoItsOption) {
    const OptionFile::ParseResult r = OptionFile::parse(sampleOptionLines());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    const OptionValues& v = r.values;
    const std::array<bool, 9> flags{true, false, false, true, false, true, true, true, false};
    EXPECT_EQ(v.flags, flags);
    EXPECT_EQ(v.passEntry, 6);
    EXPECT_EQ(v.scrollEntry, 2);
    EXPECT_EQ(v.lyricSpeedEntry, 5);
    EXPECT_EQ(v.initDir, QStringLiteral("/music/古典"));
    EXPECT_EQ(v.backgroundTag, QStringLiteral("1|/pics/bg.jpg"));
    EXPECT_EQ(v.backgroundEntry(), 1);
    EXPECT_EQ(v.backgroundPath(), QStringLiteral("/pics/bg.jpg"));
}

TEST(OptionFile, AcceptsLenientButUnambiguousForms) {
    const struct {
        int line;
        const char* text;
    } cases[] = {
        {0, "#true#"},       // Booleans in any case
        {0, " #FALSE# "},
        {7, "+3"},
        {7, "\"3\""},        // a quoted number
        {8, "2.0"},
        {9, "7"},
        {10, "/unquoted/folder"},
        {11, "7"},
        {11, "1|"},          // another picture, path still to be chosen
        {11, "9|/odd"},      // a "|" makes it entry 1 whatever comes before
    };
    for (const auto& c : cases) {
        QStringList lines = sampleOptionLines();
        lines[c.line] = QString::fromUtf8(c.text);
        const OptionFile::ParseResult r = OptionFile::parse(lines);
        EXPECT_TRUE(r.ok) << "line " << c.line + 1 << " \"" << c.text << "\": " << r.error.toStdString();
    }
}

TEST(OptionFile, RejectsEveryMalformedLineAndSaysWhich) {
    const struct {
        int line;
        const char* text;
    } cases[] = {
        {0, "TRUE"},   {1, "1"},      {6, ""},        {12, "#YES#"},  {13, "0"},
        {7, "0"},      {7, "7"},      {7, "abc"},     {7, ""},        {7, "1e3"},   {7, "99999"},
        {8, "-1"},     {8, "4"},      {8, "2 3"},
        {9, "-1"},     {9, "8"},      {9, "3x"},
        {11, "8"},     {11, "-1"},    {11, "Morning.jpg"}, {11, ""},
    };
    for (const auto& c : cases) {
        QStringList lines = sampleOptionLines();
        lines[c.line] = QString::fromUtf8(c.text);
        const OptionFile::ParseResult r = OptionFile::parse(lines);
        EXPECT_FALSE(r.ok) << "line " << c.line + 1 << " \"" << c.text << "\" was accepted";
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("line %1:").arg(c.line + 1)))
            << "line " << c.line + 1 << " \"" << c.text << "\": " << r.error.toStdString();
    }
}

TEST(OptionFile, FewerThanFourteenValuesFailAndMoreAreIgnored) {
    QStringList lines = sampleOptionLines();
    for (int count : {0, 1, 12, 13}) {
        const OptionFile::ParseResult r = OptionFile::parse(lines.mid(0, count));
        EXPECT_FALSE(r.ok) << count << " lines";
        EXPECT_TRUE(r.error.contains(QStringLiteral("%1 of 14").arg(count))) << r.error.toStdString();
    }
    lines << QStringLiteral("garbage") << QStringLiteral("#TRUE#");
    const OptionFile::ParseResult r = OptionFile::parse(lines);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.values, OptionFile::parse(sampleOptionLines()).values);
}

TEST(OptionFile, WrittenFilesReadBackUnchanged) {
    DataFolderScope data;
    const char* const folders[] = {"/home/me", "/music/a,b", "/music/say \"hi\"", " /spaces around ", "", "/x\",\"y",
                                   "/中文/歌曲", "/emoji 🎵"};
    for (const char* folder : folders) {
        OptionValues v;
        v.flags = {false, true, false, true, false, true, false, true, false};
        v.initDir = QString::fromUtf8(folder);
        v.backgroundTag = QStringLiteral("1|") + QString::fromUtf8(folder);
        QString error;
        ASSERT_TRUE(OptionFile::write(data.optionFile(), v, &error)) << error.toStdString();
        const OptionFile::ParseResult r = OptionFile::read(data.optionFile());
        ASSERT_TRUE(r.ok) << folder << ": " << r.error.toStdString();
        EXPECT_EQ(r.values, v) << folder;
    }
}

TEST(OptionFile, MissingFileFailsWithItsPath) {
    DataFolderScope data;
    const OptionFile::ParseResult r = OptionFile::read(data.optionFile());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("Option.ini"))) << r.error.toStdString();
}

TEST(OptionFile, FailedWritesLeaveWhatWasThere) {
    {
        // The target is a folder: nothing replaces it and nothing in it is lost.
        DataFolderScope data;
        QDir().mkpath(data.optionFile() + QStringLiteral("/inside"));
        QString error;
        EXPECT_FALSE(OptionFile::write(data.optionFile(), OptionValues{}, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(QFileInfo(data.optionFile() + QStringLiteral("/inside")).isDir());
    }
    {
        // The data folder is gone: the write fails and creates no folder.
        DataFolderScope data(false);
        EXPECT_FALSE(OptionFile::write(data.optionFile(), OptionValues{}));
        EXPECT_FALSE(QFileInfo::exists(data.root()));
    }
}

TEST(OptionFile, DefaultLinesAreAValidFileStartingInTheHomeFolder) {
    const QStringList lines = OptionFile::defaultLines();
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines.at(10), QStringLiteral("\"") + QDir::homePath() + QStringLiteral("\""));
    EXPECT_EQ(lines.at(11), QStringLiteral("0"));
    const OptionFile::ParseResult r = OptionFile::parse(lines);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    OptionValues expected;
    expected.initDir = QDir::homePath();
    EXPECT_EQ(r.values, expected);
    EXPECT_EQ(OptionFile::optionNames().size(), 14);
}

}  // namespace
