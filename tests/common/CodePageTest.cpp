#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "support/QStringPrinter.h"

namespace {

const QByteArray kBom("\xEF\xBB\xBF", 3);

// Text code page 950 holds is written in it, anything else as UTF-8 behind a BOM; either reads back the same,
// and so does UTF-8 without a BOM.
TEST(CodePage, WrittenInCodePage950WhenItFitsElseAsUtf8WithABom) {
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral("藍天 Blue Sky"), true},
        {QString(), true},
        {QStringLiteral("日本語のカタカナ ゔ"), false},  // ゔ is not in code page 950
        {QStringLiteral("emoji 😀"), false},
        {QStringLiteral("简体中文 这个"), false},
    };
    for (const auto& [text, fits] : cases) {
        SCOPED_TRACE(text.toStdString());
        const QByteArray bytes = CodePage::encodeForFile(text);
        EXPECT_EQ(CodePage::fitsCp950(text), fits);
        EXPECT_EQ(bytes.startsWith(kBom), !fits);
        EXPECT_EQ(CodePage::decodeFile(bytes), text);
        EXPECT_EQ(CodePage::decodeFile(text.toUtf8()), text) << "UTF-8 without a BOM";
    }
    EXPECT_EQ(CodePage::encodeForFile(QStringLiteral("藍天 Blue Sky")).size(), 2 * 2 + 9) << "two bytes a character";
    EXPECT_EQ(CodePage::toCp950Lossy(QStringLiteral("a😀b")), QByteArray("a?b")) << "lossy for fixed-width fields";
}

TEST(CodePage, LineSplittingAcceptsEveryLineEnd) {
    struct Case { const char* text; QStringList lines; };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"a\n\r", {"a", ""}},  // LF then lone CR: two line ends
        {"x\r\r\ny", {"x", "", "y"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CodePage::splitLines(QString::fromUtf8(c.text)), c.lines) << QByteArray(c.text).toHex().data();
}

}  // namespace
