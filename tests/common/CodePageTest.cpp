#include <gtest/gtest.h>

#include <QFile>

#include "common/CodePage.h"
#include "common/TextFile.h"
#include "support/TempDir.h"

namespace {

const QByteArray kBom("\xEF\xBB\xBF", 3);

TEST(CodePage, Big5TextIsWrittenInCodePage950) {
    const QString text = QStringLiteral("藍天 Blue Sky");
    const QByteArray bytes = CodePage::encodeForFile(text);
    // 藍 is A3C5... in Big5 family code pages; two bytes per character.
    EXPECT_EQ(bytes.size(), 2 * 2 + 9);
    EXPECT_FALSE(bytes.startsWith(kBom));
    EXPECT_EQ(CodePage::decodeFile(bytes), text);
    EXPECT_TRUE(CodePage::fitsCp950(text));
}

TEST(CodePage, TextOutsideCodePage950FallsBackToUtf8WithBom) {
    const QString texts[] = {
        QStringLiteral("日本語のカタカナ ゔ"),  // ゔ is not in code page 950
        QStringLiteral("emoji 😀"),
        QStringLiteral("Ελληνικά ü ñ ø"),
        QStringLiteral("简体中文 这个"),
    };
    for (const QString& text : texts) {
        const QByteArray bytes = CodePage::encodeForFile(text);
        EXPECT_TRUE(bytes.startsWith(kBom)) << text.toStdString();
        EXPECT_EQ(CodePage::decodeFile(bytes), text) << text.toStdString();
    }
}

TEST(CodePage, ReaderDetectsUtf8WithoutBom) {
    const QString text = QStringLiteral("/音樂/歌 ü.mp3");
    EXPECT_EQ(CodePage::decodeFile(text.toUtf8()), text);
    // Plain ASCII is the same either way.
    EXPECT_EQ(CodePage::decodeFile(QByteArray("abc")), QStringLiteral("abc"));
    // Code page 950 bytes are not valid UTF-8 and decode as code page 950.
    const QByteArray big5 = CodePage::toCp950Lossy(QStringLiteral("歌詞"));
    EXPECT_EQ(CodePage::decodeFile(big5), QStringLiteral("歌詞"));
}

TEST(CodePage, LossyConversionForFixedWidthFields) {
    EXPECT_EQ(CodePage::toCp950Lossy(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(CodePage::fromCp950(CodePage::toCp950Lossy(QStringLiteral("天空"))), QStringLiteral("天空"));
}

TEST(CodePage, LineSplittingAcceptsEveryLineEnd) {
    struct Case {
        const char* text;
        QStringList lines;
    };
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

TEST(TextFileRoundTrip, Big5AndUnrepresentableLines) {
    TempDir dir;
    const QString path = dir.path(QStringLiteral("list.txt"));
    const QStringList big5Lines{QStringLiteral("/音樂/藍天.mp3"), QStringLiteral("/music/a b.wav")};
    ASSERT_TRUE(TextFile::writeLines(path, big5Lines));
    const QByteArray onDisk = readWholeFile(path);
    EXPECT_TRUE(onDisk.endsWith("\r\n"));
    EXPECT_FALSE(onDisk.startsWith(kBom));
    QStringList back;
    ASSERT_TRUE(TextFile::readLines(path, back));
    EXPECT_EQ(back, big5Lines);

    const QStringList mixed{QStringLiteral("/音樂/藍天.mp3"), QStringLiteral("/ミュージック/ゔ.mp3")};
    ASSERT_TRUE(TextFile::writeLines(path, mixed));
    EXPECT_TRUE(readWholeFile(path).startsWith(kBom));
    ASSERT_TRUE(TextFile::readLines(path, back));
    EXPECT_EQ(back, mixed);
}

}  // namespace
