#include <gtest/gtest.h>

#include "lyrics/LyricPaths.h"
#include "lyrics/LyricText.h"
#include "lyrics/TextSearch.h"
#include "common/DataFolder.h"
#include "support/QStringPrinter.h"

namespace {

TEST(LyricText, LineCommandsWorkLineByLineAndKeepTheLinesOfTheText) {
    using Command = QString (*)(const QString&);
    const struct {
        const char* name;
        Command command;
        QString text;
        QString expected;
    } rows[] = {
        {"0 trims spaces", LyricText::trimLines, QStringLiteral("  a\r\nb  "), QStringLiteral("a\r\nb")},
        {"0 keeps tabs and full-width spaces", LyricText::trimLines, QStringLiteral(" \ta\u3000 "),
         QStringLiteral("\ta\u3000")},
        {"0 keeps a final empty line", LyricText::trimLines, QStringLiteral("a \r\n"), QStringLiteral("a\r\n")},
        {"0 on lone CR and LF", LyricText::trimLines, QStringLiteral(" a\rb \nc"), QStringLiteral("a\r\nb\r\nc")},
        {"0 on nothing", LyricText::trimLines, QString(), QString()},
        {"1 capitalises", LyricText::capitalizeLines, QStringLiteral("hello\r\n\r\nworld"),
         QStringLiteral("Hello\r\n\r\nWorld")},
        {"1 leaves the rest", LyricText::capitalizeLines, QStringLiteral("éCOLE mIx\r\n 1a"),
         QStringLiteral("ÉCOLE mIx\r\n 1a")},
        {"2 removes spaces only", LyricText::removeSpaces, QStringLiteral(" a b\r\n\u3000c "),
         QStringLiteral("ab\r\n\u3000c")},
    };
    for (const auto& row : rows) EXPECT_EQ(row.command(row.text), row.expected) << row.name;
}

TEST(LyricText, ASongLineGoesOnTopOfTheText) {
    EXPECT_EQ(LyricText::prependLine(QStringLiteral("la"), QStringLiteral("Ann - Blue Sky")),
              QStringLiteral("Ann - Blue Sky\r\nla"));
    EXPECT_EQ(LyricText::prependLine(QStringLiteral("la"), QString()), QStringLiteral("\r\nla")) << "no tag";
}

TEST(LyricText, FullWidthMarksBecomeHalfWidth) {
    const QString text = QStringLiteral("你好，世界。\u3000時間：早上，好");
    const QString expected[] = {QStringLiteral("你好，世界。 時間：早上，好"), QStringLiteral("你好,世界。\u3000時間：早上,好"),
                                QStringLiteral("你好，世界.\u3000時間：早上，好"), QStringLiteral("你好，世界。\u3000時間:早上，好")};
    for (int i = 0; i < LyricText::kConversionCount; ++i)
        EXPECT_EQ(LyricText::convertFullWidth(text, i), expected[i]) << "conversion " << i;
    EXPECT_EQ(LyricText::convertFullWidth(QStringLiteral("你好，世界"), 1), QStringLiteral("你好,世界"));
    EXPECT_EQ(LyricText::convertFullWidth(text, 4), text) << "no such conversion";
}

TEST(LyricText, TheTextAreaUsesLineFeedsAndPositionsFollow) {
    const QString editorText = QStringLiteral("ab\r\ncd\r\n");
    EXPECT_EQ(LyricText::toAreaText(editorText), QStringLiteral("ab\ncd\n"));
    EXPECT_EQ(LyricText::toEditorText(QStringLiteral("ab\ncd\n")), editorText);
    EXPECT_EQ(LyricText::toEditorText(QString()), QString());
    const struct {
        int editor;
        int area;
    } positions[] = {{0, 0}, {2, 2}, {4, 3}, {5, 4}, {8, 6}, {99, 6}};
    for (const auto& p : positions)
        EXPECT_EQ(LyricText::toAreaPosition(editorText, p.editor), p.area) << "editor position " << p.editor;
}

TEST(LyricPaths, AutoAndSavePathsGoToTheLyricFolder) {
    const QString folder = DataFolder::lyricsFolder();
    const struct {
        QString path;
        QString autoPath;
        QString savePath;
    } rows[] = {
        {QStringLiteral("/music/Blue Sky.mp3"), folder + QStringLiteral("Blue Sky.lyr"), QStringLiteral("/music/Blue Sky.mp3")},
        {QStringLiteral("Blue Sky.lyr"), folder + QStringLiteral("Blue Sky.lyr"), folder + QStringLiteral("Blue Sky.lyr")},
        {QStringLiteral("Blue Sky"), folder + QStringLiteral("Blue Sky.lyr"), folder + QStringLiteral("Blue Sky")},
        {QStringLiteral("  "), folder + QStringLiteral("  .lyr"), QString()},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LyricPaths::autoPath(row.path), row.autoPath) << row.path.toStdString();
        EXPECT_EQ(LyricPaths::savePath(row.path), row.savePath) << row.path.toStdString();
    }
}

// Before any find, find next selects nothing at the top; after the last
// match it misses once and starts from the top again.
TEST(TextSearch, FindNextWalksThroughTheTextAndStartsAgainAfterAMiss) {
    TextSearch search;
    const QString text = QStringLiteral("xabyab");
    using Selection = TextSearch::Selection;
    EXPECT_EQ(search.findNext(QString()), Selection({0, 0})) << "before any find, on an empty text";
    EXPECT_EQ(search.findNext(text), Selection({0, 0})) << "before any find";
    EXPECT_EQ(search.find(text, QStringLiteral("ab")), Selection({1, 2})) << "find";
    EXPECT_EQ(search.findNext(text), Selection({4, 2})) << "find next";
    EXPECT_FALSE(search.findNext(text).has_value()) << "third";
    EXPECT_EQ(search.findNext(text), Selection({1, 2})) << "from the top again";
    EXPECT_FALSE(search.find(text, QStringLiteral("AB")).has_value()) << "case counts";
}

}  // namespace
