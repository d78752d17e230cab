#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "common/CodePage.h"
#include "id3/Id3Tag.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

namespace {

const QString kReadFailure = QStringLiteral("不能儲存ID3 TAG，檔案長度少於128bytes或檔案不存在。\r\n");

QByteArray field(const QByteArray& text, int width) {
    QByteArray bytes = text.left(width);
    bytes.append(QByteArray(width - bytes.size(), '\0'));
    return bytes;
}

// A record built byte by byte, independent of the writer.
QByteArray record(const QByteArray& marker, const QByteArray& title, const QByteArray& artist,
                  const QByteArray& album, const QByteArray& year, const QByteArray& comment, quint8 genre) {
    return marker + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4) +
           field(comment, 30) + QByteArray(1, static_cast<char>(genre));
}

QByteArray audio(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

QString writeFailure(const QString& path) {
    return QStringLiteral("目標檔案可能正在使用中，不能儲存ID3 TAG\r\n") + path;
}

bool write(FakeDialogs& dialogs, quint8 mode, const QString& path, quint8 genre = 13) {
    return WriteID3Tag(dialogs, mode, path, QStringLiteral("Blue Sky"), QStringLiteral("Ann"), QString(),
                       QStringLiteral("2004"), QString(), genre);
}

TEST(Id3Tag, SelectorsJoinTheFieldsTheyName) {
    TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("a.mp3"),
                                       audio(500) + record("TAG", "Blue Sky", "Ann", "", "2004", "", 13));
    const struct {
        quint8 selector;
        QString result;
    } cases[] = {
        {0, QStringLiteral("Blue Sky|Ann||2004||13")}, {1, QStringLiteral("Blue Sky")},
        {2, QStringLiteral("Ann")},   {3, QString()},  {4, QStringLiteral("2004")}, {5, QString()},
        {6, QStringLiteral("13")},    {12, QStringLiteral("Blue Sky|Ann")},
        {21, QStringLiteral("Ann|Blue Sky")}, {123, QStringLiteral("Blue Sky|Ann|")},
        {7, QString()}, {13, QString()}, {255, QString()},
    };
    FakeDialogs dialogs;
    for (const auto& c : cases)
        EXPECT_EQ(ReadID3Tag(dialogs, path, c.selector), c.result) << "selector " << int(c.selector);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(Id3Tag, FieldsEndAtZeroByteOrLineEndAndLoseSurroundingSpaces) {
    TempDir dir;
    const QByteArray title = CodePage::toCp950Lossy(QStringLiteral("  藍天  "));
    const QString path = dir.writeFile(
        QStringLiteral("a.mp3"),
        audio(200) + record("TAG", title, QByteArray("Ann\0junk", 8), "Album\r\nmore", "1999", "c", 255));
    FakeDialogs dialogs;
    EXPECT_EQ(ReadID3Tag(dialogs, path, 0), QStringLiteral("藍天|Ann|Album|1999|c|255"));
}

TEST(Id3Tag, FilesWithoutAnExactMarkerHaveNoTag) {
    TempDir dir;
    for (const QByteArray& marker : {QByteArray("tag"), QByteArray("TAg"), QByteArray("XYZ")}) {
        const QString path =
            dir.writeFile(QStringLiteral("a.mp3"), audio(300) + record(marker, "Blue Sky", "Ann", "", "", "", 1));
        FakeDialogs dialogs;
        for (quint8 selector : {0, 1, 6, 123})
            EXPECT_EQ(ReadID3Tag(dialogs, path, selector), QString()) << marker.toStdString();
        EXPECT_TRUE(dialogs.messages.isEmpty());
    }
}

TEST(Id3Tag, ShortOrMissingFilesReportTheReadFailure) {
    TempDir dir;
    const QString shortFile = dir.writeFile(QStringLiteral("short.mp3"), audio(127));
    const QString missing = dir.path(QStringLiteral("missing.mp3"));
    for (const QString& path : {shortFile, missing}) {
        FakeDialogs dialogs;
        EXPECT_EQ(ReadID3Tag(dialogs, path, 0), QString()) << path.toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1) << path.toStdString();
        EXPECT_EQ(dialogs.messages[0].text, kReadFailure);
        EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::Ok);
    }
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(Id3Tag, DetectAppendsOnceThenOverwritesInPlace) {
    TempDir dir;
    const QByteArray original = audio(4000000);
    const QString path = dir.writeFile(QStringLiteral("big.mp3"), original);
    FakeDialogs dialogs;
    for (quint8 selector : {0, 1, 6, 12, 21, 123}) EXPECT_EQ(ReadID3Tag(dialogs, path, selector), QString());

    ASSERT_TRUE(write(dialogs, Id3::Detect, path));
    QByteArray bytes = readWholeFile(path);
    ASSERT_EQ(bytes.size(), 4000128);
    EXPECT_EQ(bytes.left(4000000), original);
    EXPECT_EQ(bytes.mid(4000000), record("TAG", "Blue Sky", "Ann", "", "2004", "", 13));

    ASSERT_TRUE(WriteID3Tag(dialogs, Id3::Detect, path, QStringLiteral("Rain"), QStringLiteral("Bo"),
                            QStringLiteral("Al"), QStringLiteral("1999"), QStringLiteral("ok"), 147));
    bytes = readWholeFile(path);
    ASSERT_EQ(bytes.size(), 4000128);
    EXPECT_EQ(bytes.left(4000000), original);
    EXPECT_EQ(bytes.mid(4000000), record("TAG", "Rain", "Bo", "Al", "1999", "ok", 147));
    EXPECT_EQ(ReadID3Tag(dialogs, path, 0), QStringLiteral("Rain|Bo|Al|1999|ok|147"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(Id3Tag, LowerCaseMarkerGetsASecondRecord) {
    TempDir dir;
    const QByteArray old = audio(1000) + record("tag", "x", "", "", "", "", 1);
    const QString path = dir.writeFile(QStringLiteral("a.mp3"), old);
    FakeDialogs dialogs;
    ASSERT_TRUE(write(dialogs, Id3::Detect, path));
    const QByteArray bytes = readWholeFile(path);
    EXPECT_EQ(bytes.size(), old.size() + 128);
    EXPECT_EQ(bytes.left(old.size()), old);
    EXPECT_EQ(bytes.mid(old.size(), 3), QByteArray("TAG"));
}

TEST(Id3Tag, ExplicitModesAppendOrReplaceTheLast125Bytes) {
    TempDir dir;
    const QByteArray old = audio(600);
    FakeDialogs dialogs;
    const QString appendPath = dir.writeFile(QStringLiteral("append.mp3"), old);
    ASSERT_TRUE(write(dialogs, Id3::Append, appendPath));
    EXPECT_EQ(readWholeFile(appendPath), old + record("TAG", "Blue Sky", "Ann", "", "2004", "", 13));

    // Mode 1 trusts the caller: the three marker bytes stay whatever they are.
    const QString overwritePath = dir.writeFile(QStringLiteral("overwrite.mp3"), old);
    ASSERT_TRUE(write(dialogs, Id3::Overwrite, overwritePath));
    const QByteArray bytes = readWholeFile(overwritePath);
    ASSERT_EQ(bytes.size(), old.size());
    EXPECT_EQ(bytes.left(600 - 125), old.left(600 - 125));
    EXPECT_EQ(bytes.mid(600 - 125), record("TAG", "Blue Sky", "Ann", "", "2004", "", 13).mid(3));
}

TEST(Id3Tag, FieldsArePaddedWithZeroBytesAndGenresBeyondTheListBecomeNone) {
    TempDir dir;
    const QString tenChinese = QStringLiteral("一二三四五六七八九十");
    const struct {
        quint8 genre;
        quint8 stored;
    } genres[] = {{0, 0}, {147, 147}, {148, 255}, {200, 255}, {255, 255}};
    for (const auto& g : genres) {
        const QString path = dir.writeFile(QStringLiteral("a.mp3"), audio(300));
        FakeDialogs dialogs;
        ASSERT_TRUE(WriteID3Tag(dialogs, Id3::Detect, path, tenChinese, QStringLiteral("Ann"), QString(),
                                QStringLiteral("2004"), QString(), g.genre));
        const QByteArray tag = readWholeFile(path).mid(300);
        EXPECT_EQ(tag.mid(3, 30), CodePage::toCp950Lossy(tenChinese) + QByteArray(10, '\0'));
        EXPECT_EQ(tag.mid(93, 4), QByteArray("2004"));
        EXPECT_EQ(tag.mid(97, 30), QByteArray(30, '\0'));
        EXPECT_EQ(static_cast<quint8>(tag.at(127)), g.stored) << "genre " << int(g.genre);
    }
}

TEST(Id3Tag, SavingATagWithATrackByteTurnsItIntoZero) {
    TempDir dir;
    QByteArray tag = record("TAG", "Song", "", "", "", "note", 5);
    tag[126] = 7;  // a track number in the last comment byte
    const QString path = dir.writeFile(QStringLiteral("a.mp3"), audio(300) + tag);
    FakeDialogs dialogs;
    const QString comment = ReadID3Tag(dialogs, path, 5);
    EXPECT_EQ(comment, QStringLiteral("note"));
    ASSERT_TRUE(WriteID3Tag(dialogs, Id3::Detect, path, QStringLiteral("Song"), QString(), QString(), QString(),
                            comment, 5));
    EXPECT_EQ(readWholeFile(path).at(300 + 126), '\0');
}

TEST(Id3Tag, OverlongFieldsAreCutAtACharacterSoTheRecordKeepsItsSize) {
    TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("a.mp3"), audio(300));
    const QString sixteenChinese = QStringLiteral("一二三四五六七八九十一二三四五六");  // 32 bytes
    FakeDialogs dialogs;
    ASSERT_TRUE(WriteID3Tag(dialogs, Id3::Detect, path, sixteenChinese, QString(31, u'a'), QString(),
                            QStringLiteral("20045"), QString(), 1));
    const QByteArray bytes = readWholeFile(path);
    ASSERT_EQ(bytes.size(), 300 + 128);
    EXPECT_EQ(ReadID3Tag(dialogs, path, 0),
              sixteenChinese.left(15) + QStringLiteral("|") + QString(30, u'a') + QStringLiteral("||2004||1"));
}

TEST(Id3Tag, FailedWritesReportThePathAndLeaveTheFileAsItWas) {
    TempDir dir;
    const QByteArray shortBytes = audio(127);
    const QString shortPath = dir.writeFile(QStringLiteral("short.mp3"), shortBytes);
    const QByteArray okBytes = audio(400);
    const QString longTextPath = dir.writeFile(QStringLiteral("long.mp3"), okBytes);
    const QString readOnlyPath = dir.writeFile(QStringLiteral("ro.mp3"), okBytes);
    QFile::setPermissions(readOnlyPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    // The super-user writes read-only files anyway; the case counts only
    // where the permission holds.
    const bool readOnlyHolds = !QFileInfo(readOnlyPath).isWritable();
    const QString folderPath = dir.makeDir(QStringLiteral("folder.mp3"));

    const struct {
        QString name;
        QString path;
        quint8 mode;
        QString title;
        QByteArray before;
    } cases[] = {
        {QStringLiteral("127 bytes, detect"), shortPath, Id3::Detect, QStringLiteral("t"), shortBytes},
        {QStringLiteral("127 bytes, overwrite"), shortPath, Id3::Overwrite, QStringLiteral("t"), shortBytes},
        {QStringLiteral("256-byte text"), longTextPath, Id3::Detect, QString(256, u'x'), okBytes},
        {QStringLiteral("read-only file"), readOnlyPath, Id3::Detect, QStringLiteral("t"), okBytes},
        {QStringLiteral("a folder, append"), folderPath, Id3::Append, QStringLiteral("t"), QByteArray()},
    };
    for (const auto& c : cases) {
        if (c.path == readOnlyPath && !readOnlyHolds) continue;
        FakeDialogs dialogs;
        EXPECT_FALSE(WriteID3Tag(dialogs, c.mode, c.path, c.title, QString(), QString(), QString(), QString(), 0))
            << c.name.toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1) << c.name.toStdString();
        EXPECT_EQ(dialogs.messages[0].text, writeFailure(c.path)) << c.name.toStdString();
        EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical) << c.name.toStdString();
        EXPECT_EQ(readWholeFile(c.path), c.before) << c.name.toStdString();
    }
}

}  // namespace
