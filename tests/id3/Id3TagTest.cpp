#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include "common/CodePage.h"
#include "id3/Id3Tag.h"
#include "id3/TagFile.h"
#include "id3/TagText.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

namespace {

// A record built byte by byte, independent of the writer: each text field
// cut or padded with zero bytes to its width.
QByteArray record(const QByteArray& marker, const QByteArray& title, const QByteArray& artist,
                  const QByteArray& album, const QByteArray& year, const QByteArray& comment, quint8 genre) {
    const auto field = [](const QByteArray& text, int width) { return text.left(width).leftJustified(width, '\0'); };
    return marker + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4) + field(comment, 30) +
           QByteArray(1, static_cast<char>(genre));
}
const QByteArray kBlueSky = record("TAG", "Blue Sky", "Ann", "", "2004", "", 13);

QByteArray audio(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

bool writeBlueSky(FakeDialogs& dialogs, quint8 mode, const QString& path, quint8 genre = 13) {
    return WriteID3Tag(dialogs, mode, path, QStringLiteral("Blue Sky"), QStringLiteral("Ann"), QString(),
                       QStringLiteral("2004"), QString(), genre);
}

// Selectors on a plain tag; text fields end at a zero byte or any line end
// and lose the spaces around them.
TEST(Id3Tag, SelectorsJoinTheFieldsTheyNameAsTheyRead) {
    TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("a.mp3"), audio(500) + kBlueSky);
    const struct { quint8 selector; const char* result; } cases[] = {
        {0, "Blue Sky|Ann||2004||13"}, {1, "Blue Sky"}, {2, "Ann"}, {3, ""}, {4, "2004"}, {5, ""}, {6, "13"},
        {12, "Blue Sky|Ann"}, {21, "Ann|Blue Sky"}, {123, "Blue Sky|Ann|"}, {7, ""}, {13, ""}, {255, ""},
    };
    FakeDialogs dialogs;
    for (const auto& c : cases)
        EXPECT_EQ(ReadID3Tag(dialogs, path, c.selector), QLatin1String(c.result)) << "selector " << int(c.selector);
    const QByteArray title = CodePage::toCp950Lossy(QStringLiteral("  藍天  \nrest"));
    const QByteArray odd = record("TAG", title, QByteArray("Ann\0junk", 8), "Album\r\nmore", "1999", "c\rx", 255);
    EXPECT_EQ(ReadID3Tag(dialogs, dir.writeFile(QStringLiteral("odd.mp3"), audio(200) + odd), 0),
              QStringLiteral("藍天|Ann|Album|1999|c|255"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Only an exact "TAG" marks a record: other files read as untagged and Detect
// appends after them; explicit modes trust the caller, Overwrite keeping any
// marker bytes. Genres past the list (148 on) are stored as none.
TEST(Id3Tag, DetectNeedsAnExactMarkerAndExplicitModesTrustTheCaller) {
    TempDir dir;
    FakeDialogs dialogs;
    const struct { const char* marker; quint8 mode, genre, stored; bool appends; } cases[] = {
        {"tag", Id3::Detect, 13, 13, true}, {"TAg", Id3::Detect, 13, 13, true}, {"XYZ", Id3::Detect, 147, 147, true},
        {"TAG", Id3::Append, 148, 255, true}, {"XYZ", Id3::Overwrite, 200, 255, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.marker) + ", mode " + std::to_string(c.mode));
        const QByteArray old = audio(300) + record(c.marker, "Blue Sky", "Ann", "", "", "", 1);
        const QString path = dir.writeFile(QStringLiteral("a.mp3"), old);
        EXPECT_EQ(ReadID3Tag(dialogs, path, 0).isEmpty(), QByteArray(c.marker) != "TAG");
        ASSERT_TRUE(writeBlueSky(dialogs, c.mode, path, c.genre));
        const QByteArray tag = record("TAG", "Blue Sky", "Ann", "", "2004", "", c.stored);
        EXPECT_EQ(readWholeFile(path), c.appends ? old + tag : old.left(300 + 3) + tag.mid(3));
    }
    // Detect appends once, then overwrites in place, cutting overlong texts after a whole character.
    const QByteArray original = audio(4000000);
    const QString path = dir.writeFile(QStringLiteral("big.mp3"), original);
    ASSERT_TRUE(writeBlueSky(dialogs, Id3::Detect, path));
    EXPECT_EQ(readWholeFile(path), original + kBlueSky);
    const QString title = QStringLiteral("a一二三四五六七八九十一二三四五六");  // 33 bytes
    ASSERT_TRUE(WriteID3Tag(dialogs, Id3::Detect, path, title, QString(31, u'a'), QStringLiteral("Al"),
                            QStringLiteral("20045"), QStringLiteral("ok"), 147));
    const QByteArray cut = CodePage::toCp950Lossy(title.left(15));  // 29 bytes
    EXPECT_EQ(readWholeFile(path), original + record("TAG", cut, QByteArray(30, 'a'), "Al", "2004", "ok", 147));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// A file too short for a tag, or missing, is reported when read; a write
// that cannot complete is reported with the path and leaves the file as it was.
TEST(Id3Tag, FailedReadsAndWritesAreReported) {
    TempDir dir;
    const QString shortPath = dir.writeFile(QStringLiteral("short.mp3"), audio(127));
    const QString missing = dir.path(QStringLiteral("missing.mp3"));
    for (const QString& path : {shortPath, missing}) {
        FakeDialogs dialogs;
        EXPECT_EQ(ReadID3Tag(dialogs, path, 0), QString()) << path.toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1) << path.toStdString();
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("不能儲存ID3 TAG，檔案長度少於128bytes或檔案不存在。\r\n"));
    }
    const struct { const char* name; QString path; quint8 mode; QString title; } cases[] = {
        {"127 bytes, detect", shortPath, Id3::Detect, QStringLiteral("t")},
        {"256-byte text", dir.writeFile(QStringLiteral("long.mp3"), audio(400)), Id3::Detect, QString(256, u'x')},
        {"a folder, append", dir.makeDir(QStringLiteral("folder.mp3")), Id3::Append, QStringLiteral("t")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray before = readWholeFile(c.path);
        FakeDialogs dialogs;
        EXPECT_FALSE(WriteID3Tag(dialogs, c.mode, c.path, c.title, QString(), QString(), QString(), QString(), 0));
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("目標檔案可能正在使用中，不能儲存ID3 TAG\r\n") + c.path);
        EXPECT_EQ(readWholeFile(c.path), before);
    }
}

// The file on disk, failing at one named step ("open", "size", "read",
// "write", "flush") as a full disk or a file held by another program would.
class FailingTagFile final : public TagFile {
public:
    explicit FailingTagFile(QString failAt) : failAt_(std::move(failAt)) {}
    bool open(const QString& path) override { return failAt_ != "open" && disk_.open(path); }
    qint64 size() override { return failAt_ == "size" ? -1 : disk_.size(); }
    QByteArray read(qint64 offset, qint64 count) override {
        return failAt_ == "read" ? QByteArray() : disk_.read(offset, count);
    }
    bool write(qint64 offset, const QByteArray& bytes) override {
        if (failAt_ != "write") return disk_.write(offset, bytes);
        disk_.write(offset, bytes.left(bytes.size() / 2));  // the disk filled up half way
        return false;
    }
    bool flush() override { return failAt_ != "flush" && disk_.flush(); }
    bool truncate(qint64 length) override { return disk_.truncate(length); }
    void close() override { disk_.close(); }

private:
    QString failAt_;
    DiskTagFile disk_;
};

// Every failed step is reported with the path; an append that failed is cut
// back off, so the file is its audio alone again, and the audio before a
// record is never touched.
TEST(Id3Tag, FailedStepsAreReportedAndLeaveTheAudioAlone) {
    TempDir dir;
    const QByteArray song = audio(5000);
    const struct { const char* failAt; bool tagged; } cases[] = {
        {"open", false}, {"size", false}, {"read", true}, {"write", false}, {"write", true}, {"flush", false},
        {"flush", true},
    };
    for (const auto& c : cases) {
        const std::string where = std::string(c.failAt) + (c.tagged ? ", tagged" : ", untagged");
        const QByteArray before = c.tagged ? song + kBlueSky : song;
        const QString path = dir.writeFile(QStringLiteral("a.mp3"), before);
        FakeDialogs dialogs;
        FailingTagFile file{QString::fromLatin1(c.failAt)};
        EXPECT_FALSE(WriteID3Tag(dialogs, file, Id3::Detect, path, QStringLiteral("New"), QString(), QString(),
                                 QString(), QString(), 1))
            << where;
        EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("目標檔案可能正在使用中，不能儲存ID3 TAG\r\n") + path})
            << where;
        const QByteArray after = readWholeFile(path);
        EXPECT_EQ(after.left(song.size()), song) << where << ": the audio";
        if (!c.tagged) {
            EXPECT_EQ(after.size(), song.size()) << where << ": no half record left behind";
        }
    }
}

// The tag is written into the file itself: a second name of the same file
// (a hard link) sees it, and the file keeps its inode.
TEST(Id3Tag, WritesInPlaceKeepingTheFilesIdentity) {
    TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("a.mp3"), audio(3000));
    const QString link = dir.path(QStringLiteral("link.mp3"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    FakeDialogs dialogs;
    for (int round = 0; round < 2; ++round) {  // append, then overwrite
        ASSERT_TRUE(writeBlueSky(dialogs, Id3::Detect, path, static_cast<quint8>(13 + round))) << round;
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << round;
        EXPECT_EQ(ReadID3Tag(dialogs, link, 6), QString::number(13 + round)) << round;
        EXPECT_EQ(QFileInfo(link).size(), 3000 + 128) << round;
    }
}

// Characters outside code page 950 are counted as the one "?" each is
// written as, the emoji as one character although it takes two UTF-16 units.
TEST(TagText, CheckInvalidCharsCountsCodePageBytes) {
    const struct { QString text; qint16 bytes; } cases[] = {
        {QString(), 0}, {QStringLiteral("Blue 藍天 Sky"), 13}, {QStringLiteral("é😀"), 2},
    };
    FakeDialogs dialogs;
    for (const auto& c : cases) EXPECT_EQ(CheckInvalidChars(dialogs, c.text), c.bytes) << c.text.toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
