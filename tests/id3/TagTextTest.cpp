#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "id3/TagText.h"
#include "support/FakeDialogs.h"

namespace {

TEST(TagText, CheckInvalidCharsCountsCodePageBytes) {
    struct Case {
        QString text;
        qint16 bytes;
    };
    const Case cases[] = {
        {QString(), 0},
        {QStringLiteral("abc"), 3},
        {QStringLiteral("藍天"), 4},
        {QStringLiteral("Blue 藍天 Sky"), 13},
        {QStringLiteral("一二三四五六七八九十"), 20},
        // Not in code page 950: written as one "?" each, the emoji as one
        // character although it takes two UTF-16 units.
        {QStringLiteral("é😀"), 2},
    };
    for (const Case& c : cases) {
        FakeDialogs dialogs;
        EXPECT_EQ(CheckInvalidChars(dialogs, c.text), c.bytes) << c.text.toStdString();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << c.text.toStdString();
    }
}

TEST(TagText, CharacterCodesAreSixteenBitCodePageCodes) {
    EXPECT_EQ(cp950CharCode(QStringLiteral("A")), 0x41);
    // 藍 is C2 C5 in code page 950: a lead byte from 0x80 makes the code negative.
    const auto expected = static_cast<qint16>(0xC2C5);
    EXPECT_EQ(cp950CharCode(QStringLiteral("藍")), expected);
    EXPECT_LT(expected, 0);
}

TEST(TagText, HexDigitCountOfACodeGivesItsBytes) {
    struct Case {
        int code;
        int bytes;
    };
    const Case cases[] = {{0, 1}, {0x41, 1}, {0xFF, 1}, {0x100, 0}, {0x123, 0}, {0xFFF, 0},
                          {0x1000, 2}, {0x7FFF, 2}, {-1, 2}, {-23100, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(bytesOfCharCode(static_cast<qint16>(c.code)), c.bytes) << "code " << c.code;
}

TEST(TagText, BytesToTextEndsAtTheFirstLineBreak) {
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {QByteArray("abc\r\ndef"), QStringLiteral("abc")},
        {QByteArray("abc\rdef"), QStringLiteral("abc")},
        {QByteArray("abc\ndef"), QStringLiteral("abc")},
        {QByteArray("  spaced  "), QStringLiteral("  spaced  ")},
        {QByteArray(), QString()},
        {CodePage::toCp950Lossy(QStringLiteral("藍天\r\n白雲")), QStringLiteral("藍天")},
    };
    for (const Case& c : cases) EXPECT_EQ(BytesToText(c.bytes), c.text) << c.bytes.toStdString();
}

TEST(TagText, PadWithNullsAppendsToTheCallersText) {
    QString text = QStringLiteral("ab");
    EXPECT_EQ(PadWithNulls(text, 3), QStringLiteral("ab") + QString(3, QChar(0)));
    EXPECT_EQ(text.size(), 5);
    for (int count : {0, -1, -30}) {
        QString unchanged = QStringLiteral("ab");
        EXPECT_EQ(PadWithNulls(unchanged, count), QStringLiteral("ab")) << "count " << count;
        EXPECT_EQ(unchanged, QStringLiteral("ab")) << "count " << count;
    }
    // A zero character becomes a zero byte in the code page.
    EXPECT_EQ(CodePage::toCp950Lossy(text), QByteArray("ab\0\0\0", 5));
}

}  // namespace
