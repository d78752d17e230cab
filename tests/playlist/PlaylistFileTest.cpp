#include <QDir>
#include <QRandomGenerator>

#include "PlaylistFixture.h"
#include "common/CodePage.h"
#include "common/DataFolder.h"

namespace {

constexpr qsizetype k64KiB = 64 * 1024;
// Lines of "/pad.mp3" that fill the first 64 KiB and a little more, so whatever follows lies past the bytes a
// load checks.
constexpr int kPadLines = k64KiB / 10 + 1;
const QByteArray kBom("\xEF\xBB\xBF");

QByteArray cp950(const QString& text) { return CodePage::toCp950Lossy(text); }
QByteArray padLines() { return QByteArray("/pad.mp3\r\n").repeated(kPadLines); }
QStringList padPaths() { return QStringList(kPadLines, "/pad.mp3"); }

class PlaylistFileTest : public PlaylistFixture {
protected:
    PlaylistStore& store() { return playlist.store(); }
    QString folder() const { return songs.path(); }
};

// The reader under every playlist format keeps blank lines, which no format shows: a CR LF that the reader's
// blocks split is still one line end, and a final line end starts no line.
TEST_F(PlaylistFileTest, TheLineReaderEndsLinesAtCrLfCrAndLf) {
    const QString blockEnd(k64KiB - 1, 'a');
    const struct { const char* file; QByteArray bytes; QStringList lines; } cases[] = {
        {"mixed.txt", "a\r\n\r\nb\rc\n\nd\n\re", {"a", "", "b", "c", "", "d", "", "e"}},
        {"final-end.txt", "a\r", {"a"}},
        {"crlf-across-blocks.txt", blockEnd.toLatin1() + "\r\nb\r\n", {blockEnd, "b"}},
        {"empty.txt", "", {}},
    };
    for (const auto& c : cases) {
        TextLineReader reader(songs.writeFile(c.file, c.bytes));
        QStringList lines;
        for (QString line; reader.readLine(line);) lines.append(line);
        EXPECT_EQ(lines, c.lines) << c.file;
        EXPECT_EQ(reader.failure(), TextLineReader::Failure::None) << c.file;
    }
}

// Files that are not text are refused before any entry is read: the message says why, and neither a load nor an
// insert changes the playlist, its name or the status line. Only the first 64 KiB are checked.
TEST_F(PlaylistFileTest, FilesThatAreNotTextAreRefusedAndChangeNothing) {
    QByteArray random(k64KiB, 'x');
    for (QRandomGenerator draw(12345); char& b : random) b = static_cast<char>(draw.bounded(1, 256));
    const QString nul = "檔案開頭 64 KiB 內有 NUL 位元組, 不是文字檔!";
    const QString notText = "檔案開頭 64 KiB 內不是 CP950 (Big5) 或 UTF-8 文字!";
    const struct { const char* file; QByteArray bytes; QString reason; } cases[] = {
        {"nul-last-checked.ini", "/a.mp3\r\n" + QByteArray(k64KiB - 9, 'a') + '\0' + "\r\n/b.mp3", nul},
        {"random-without-nul.m3u", random, notText},
        {"lead-byte-before-space.ini", "/a.mp3\r\n/\xA4 b.mp3\r\n", notText},
        {"bom-then-cp950.pls", kBom + cp950("File1=/歌.mp3"), notText},
        {"cp950.m3u8", cp950("/歌.mp3\r\n"), "檔案開頭 64 KiB 內不是 UTF-8 文字!"},
        {"long-line.pls", "[playlist]\r\nFile1=" + QByteArray(k64KiB, 'a') + "\r\n", "檔案第 2 行超過 64 KiB!"},
    };
    addEntries({"/old.mp3"});
    state.UPlayList = "/old.ini";
    for (const auto& c : cases) {
        const QString path = songs.writeFile(c.file, c.bytes);
        for (const bool insert : {false, true}) {
            fakes.dialogs.messages.clear();
            EXPECT_FALSE(store().PLLoadFile(path, insert)) << c.file;
            EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{"PlayList 載入失敗!" + c.reason + u'(' + path + u')'});
            EXPECT_EQ(fakes.dialogs.messages.value(0).icon, MsgIcon::Critical) << c.file;
            const auto kept = std::tuple(QStringList{"/old.mp3"}, QString("/old.ini"));
            EXPECT_EQ(std::tuple(entryPaths(), state.UPlayList), kept) << c.file << (insert ? " inserted" : " loaded");
        }
    }
    EXPECT_TRUE(status.history.isEmpty());
}

// A line may cross the reader's blocks (the line ends themselves are the reader's test). Past the checked bytes the first line that is not ASCII decides
// between UTF-8 and code page 950; a character cut by the end of the checked bytes is read whole. M3U and PLS
// read as other players wrote them; the extension names the format in any case, and every other one is the own
// format, which takes each line as it is.
TEST_F(PlaylistFileTest, LinesAndFormatsLoadAsTheirWritersMeantThem) {
    const QString dir = folder(), cut = QString(k64KiB - 3, 'a'), across = QString(k64KiB - 6, 'a');
    const struct { const char* file; QByteArray bytes; QStringList paths; } cases[] = {
        {"line-across-blocks.ini", across.toLatin1() + "\r\n/cross.mp3\r\n", {across, "/cross.mp3"}},
        {"late-cp950.ini", padLines() + cp950("/歌/x.mp3\r\n/音.mp3"), padPaths() + QStringList{"/歌/x.mp3", "/音.mp3"}},
        {"late-utf8.ini", padLines() + "/é/𝄞.mp3\r\n" + cp950("/歌.mp3"),
         padPaths() + QStringList{"/é/𝄞.mp3", "/\uFFFDq.mp3"}},
        {"cut-utf8.ini", cut.toLatin1() + "\r\n音.mp3", {cut, "音.mp3"}},
        {"cut-cp950.ini", cut.toLatin1() + "\r\n" + cp950("歌.mp3"), {cut, "歌.mp3"}},
        {"nul-past-checked.ini", "/a.mp3\r\n" + QByteArray(k64KiB - 8, 'a') + '\0',
         {"/a.mp3", QString(k64KiB - 8, 'a') + QChar(0)}},
        {"Other.M3U", cp950("#EXTM3U\r\n#EXTINF:61,歌\r\n歌/a.mp3\r\n  # note\r\n\r\n ../b.mp3 \r\n./c d.mp3\r\n"
                            "file:///x/%E9%9F%B3%20#%25.mp3\r\nFILE://localhost/y.mp3\r\nfile://host/z.mp3\r\n"
                            "http://radio.example/live\r\n/abs/e.mp3\r\n"),
         {dir + "/歌/a.mp3", QDir::cleanPath(dir + "/../b.mp3"), dir + "/c d.mp3", "/x/音 #%.mp3", "/y.mp3",
          "file://host/z.mp3", "http://radio.example/live", "/abs/e.mp3"}},
        {"utf8.m3u8", "#EXTM3U\n/音/a.mp3\n#EXTINF:-1,x\nb.mp3\n", {"/音/a.mp3", dir + "/b.mp3"}},
        {"bom.m3u8", kBom + "/é.mp3", {"/é.mp3"}},
        {"numbers.pls", "[playlist]\r\nFile3=/c.mp3\r\nTitle3=C\r\nLength3=61\r\nfile1 = a.mp3\r\n"
                        "File10=file:///j%20k.mp3\r\nFile2=\r\nFileX=/x.mp3\r\nNumberOfEntries=4\r\nVersion=2\r\n",
         {dir + "/a.mp3", "/c.mp3", "/j k.mp3"}},
        {"own.txt", "#EXTM3U\r\nrel.mp3\r\nfile:///a.mp3\r\n", {"#EXTM3U", "rel.mp3", "file:///a.mp3"}},
    };
    const PlaylistLinesModel& shown = playlist.display().lines();
    for (const auto& c : cases) {
        ASSERT_TRUE(store().PLLoadFile(songs.writeFile(c.file, c.bytes), false)) << c.file;
        EXPECT_EQ(entryPaths(), c.paths) << c.file;
        EXPECT_LE(shown.data(shown.index(0), Qt::DisplayRole).toString().size(), shown.kMaxShownChars + 1)
            << c.file << ": the list cuts a long line to what it can show";
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

// A save writes the format of its path's extension (in any case), every line ended by CR LF: M3U and PLS give each
// entry's shown title and its length in whole seconds, -1 while unmeasured. .m3u8 is UTF-8; the others follow the
// code page rule, so a title code page 950 cannot hold makes the file UTF-8 with a BOM. Loading the file gives the
// same paths back, unmeasured.
TEST_F(PlaylistFileTest, SavesWriteTheFormatOfTheirExtensionAndLoadBack) {
    const QString wide = "/é/𝄞 ♪.wav", wideM3u = "#EXTINF:2,𝄞 ♪\r\n" + wide + "\r\n";
    const QString m3u = "#EXTM3U\r\n#EXTINF:61,a\r\n/音樂/a.mp3\r\n#EXTINF:-1,b, c\r\n/b, c.mp3\r\n";
    const QString pls = "[playlist]\r\nFile1=/音樂/a.mp3\r\nTitle1=a\r\nLength1=61\r\n"
                        "File2=/b, c.mp3\r\nTitle2=b, c\r\nLength2=-1\r\n";
    const struct { const char* file; bool withWide; QByteArray bytes; } cases[] = {
        {"list.m3u", false, cp950(m3u)},
        {"wide.m3u", true, kBom + (m3u + wideM3u).toUtf8()},
        {"list.M3U8", false, m3u.toUtf8()},
        {"list.pls", false, cp950(pls + "NumberOfEntries=2\r\nVersion=2\r\n")},
        {"wide.Pls", true, kBom + (pls + "File3=" + wide + "\r\nTitle3=𝄞 ♪\r\nLength3=2\r\nNumberOfEntries=3\r\n"
                                   "Version=2\r\n").toUtf8()},
        {"list.txt", false, cp950("/音樂/a.mp3\r\n/b, c.mp3\r\n")},
    };
    for (const auto& c : cases) {
        playlist.entries().clear();
        addEntries({"/音樂/a.mp3"}, 61234);
        addEntries({"/b, c.mp3"});
        if (c.withWide) addEntries({wide}, 1500);
        const QStringList saved = entryPaths();
        const QString path = songs.path(c.file);
        ASSERT_TRUE(store().PLSaveFile(path)) << c.file;
        EXPECT_EQ(readWholeFile(path), c.bytes) << c.file;
        ASSERT_TRUE(store().PLLoadFile(path, false)) << c.file;
        EXPECT_EQ(entryPaths(), saved) << c.file;
        EXPECT_EQ(playlist.entries().PLCountLength(0, 9999), 0) << c.file << ": unmeasured";
    }
}

// Backups are always the own format, so opening one (it has no extension) loads the entries the replaced file
// held: an M3U or PLS file is converted, its relative paths made whole; an own file, or one that reads as no
// playlist at all, is copied byte for byte.
TEST_F(PlaylistFileTest, BackupsAreAlwaysTheOwnFormat) {
    const QString dir = folder();
    const struct { const char* file; QByteArray old; QByteArray backup; } cases[] = {
        {"old.m3u", "#EXTM3U\r\n#EXTINF:5,a\r\na.mp3\r\n", cp950(dir + "/a.mp3\r\n")},
        {"old.PLS", "[playlist]\nFile2=/b.mp3\nFile1=file:///a%20b.mp3\n", "/a b.mp3\r\n/b.mp3\r\n"},
        {"old.m3u8", "/音.mp3\n/𝄞.mp3\n", kBom + "/音.mp3\r\n/𝄞.mp3\r\n"},
        {"old.ini", "#EXTM3U\n/a.mp3", "#EXTM3U\n/a.mp3"},
        {"binary.m3u", QByteArray("\0\1\2", 3), QByteArray("\0\1\2", 3)},
    };
    addEntries({"/new.mp3"});
    for (const auto& c : cases) {
        const QString path = songs.writeFile(c.file, c.old);
        const QString backup = DataFolder::backupFile(state.PLBackUpNo);
        ASSERT_TRUE(store().PLSaveFile(path)) << c.file;
        EXPECT_EQ(readWholeFile(backup), c.backup) << c.file;
    }
    ASSERT_TRUE(store().PLLoadFile(DataFolder::backupFile(1), false));
    EXPECT_EQ(entryPaths(), QStringList{dir + "/a.mp3"});
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

}  // namespace
