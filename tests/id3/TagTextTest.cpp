#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "id3/TagText.h"
#include "support/FakeDialogs.h"

namespace {

// Characters outside code page 950 are written as one "?" each, the emoji
// as one character although it takes two UTF-16 units.
TEST(TagText, CheckInvalidCharsCountsCodePageBytes) {
    const struct { QString text; qint16 bytes; } cases[] = {
        {QString(), 0}, {QStringLiteral("abc"), 3}, {QStringLiteral("藍天"), 4}, {QStringLiteral("Blue 藍天 Sky"), 13},
        {QStringLiteral("一二三四五六七八九十"), 20}, {QStringLiteral("é😀"), 2},
    };
    for (const auto& c : cases) {
        FakeDialogs dialogs;
        EXPECT_EQ(CheckInvalidChars(dialogs, c.text), c.bytes) << c.text.toStdString();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << c.text.toStdString();
    }
}

TEST(TagText, PadWithNullsAppendsToTheCallersText) {
    QString text = QStringLiteral("ab");
    EXPECT_EQ(PadWithNulls(text, 3), QStringLiteral("ab") + QString(3, QChar(0)));
    EXPECT_EQ(CodePage::toCp950Lossy(text), QByteArray("ab\0\0\0", 5)) << "the caller's text grew, to zero bytes";
    for (int count : {0, -1, -30}) {
        QString unchanged = QStringLiteral("ab");
        EXPECT_EQ(PadWithNulls(unchanged, count), QStringLiteral("ab")) << "count " << count;
        EXPECT_EQ(unchanged, QStringLiteral("ab")) << "count " << count;
    }
}

}  // namespace
