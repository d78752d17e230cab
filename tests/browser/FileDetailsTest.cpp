#include <gtest/gtest.h>

#include "browser/FileDetails.h"
#include "support/QStringPrinter.h"

namespace {

// Sizes round to whole KB with halves to even; the disk size counts 4 KB
// clusters, rounded up; the MB figure comes from the rounded KB.
TEST(FileDetails, SizeAndDiskLines) {
    const struct {
        qint64 bytes;
        const char* size;
        const char* disk;
    } rows[] = {
        {4000000, "檔案大小:  3906.00 KB    3.81 MB", "實際大小(NTFS/FAT32):  3908 KB"},
        {1536, "檔案大小:  2.00 KB    0.00 MB", "實際大小(NTFS/FAT32):  4 KB"},
        {2560, "檔案大小:  2.00 KB    0.00 MB", "實際大小(NTFS/FAT32):  4 KB"},
        {500, "檔案大小:  0.00 KB    0.00 MB", "實際大小(NTFS/FAT32):  0 KB"},
        {8192, "檔案大小:  8.00 KB    0.01 MB", "實際大小(NTFS/FAT32):  8 KB"},
        {0, "檔案大小:  0.00 KB    0.00 MB", "實際大小(NTFS/FAT32):  0 KB"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes);
        const qint32 kb = FileDetails::sizeKb(row.bytes);
        EXPECT_EQ(FileDetails::sizeLine(kb), QString::fromUtf8(row.size));
        EXPECT_EQ(FileDetails::diskLine(kb), QString::fromUtf8(row.disk));
    }
}

// The attribute bits as this system has them (read-only: not writable,
// hidden: a dot name, folder) and the texts of single bits and of mixes.
TEST(FileDetails, Attributes) {
    const struct {
        bool writable;
        const char* name;
        bool folder;
        const char* text;
    } rows[] = {
        {true, "a.mp3", false, "一般"},  {false, "a.mp3", false, "唯讀"}, {true, ".a", false, "隱藏"},
        {false, ".a", false, "3"},       {true, "d", true, "資料夾"},     {false, "d", true, "17"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const int bits = FileDetails::attributeBits(row.writable, QString::fromUtf8(row.name), row.folder);
        EXPECT_EQ(FileDetails::attributeText(bits), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(FileDetails::attributeText(32), QStringLiteral("保存"));
    EXPECT_EQ(FileDetails::attributeText(4), QStringLiteral("系統"));
    EXPECT_EQ(FileDetails::attributeText(33), QStringLiteral("33"));
}

// A 4,000,000-byte text file line for line: no MP3 lines, their places empty.
// An MP3's lines are InformationAreaTest's, read from real files.
TEST(FileDetails, SingleFileLines) {
    FileDetails::Facts facts;
    facts.path = QStringLiteral("/music/Blue Sky.txt");
    facts.bytes = 4000000;
    facts.modified = QDateTime(QDate(2004, 6, 6), QTime(13, 5, 9));
    EXPECT_EQ(FileDetails::singleFileText(facts).split(QStringLiteral("\r\n")),
              (QStringList{"檔案名:  Blue Sky", "副檔名:  txt", "路徑:  /music/", "檔案大小:  3906.00 KB    3.81 MB",
                           "實際大小(NTFS/FAT32):  3908 KB", "上次存取日期:  2004/6/6 13:05:09", "檔案屬性:  一般",
                           "", "歌詞檔不存在", ""}));
}

// Totals of a selection: plain decimals of up to 15 digits, unrounded, never
// in exponent notation however small or large.
TEST(FileDetails, SelectionTotals) {
    EXPECT_EQ(FileDetails::totalsText(3, QStringLiteral("/music"), (1048576 + 2097152 + 524288) / 1024.0),
              QStringLiteral("共選擇了3個檔案.\r\n路徑:  /music/\r\n總共檔案大小:  \r\n3584 KB\r\n3.5 MB"));
    const struct {
        double kb;
        const char* text;
    } numbers[] = {{2.5, "2.5"}, {1.0 / 3.0, "0.333333333333333"}, {0.48828125, "0.48828125"}, {0, "0"},
                   {100 / 1048576.0, "0.000095367431640625"}, {1e15 + 2, "1000000000000000"}};
    for (const auto& n : numbers) EXPECT_EQ(FileDetails::totalNumber(n.kb), QString::fromUtf8(n.text)) << n.text;
}

}  // namespace
