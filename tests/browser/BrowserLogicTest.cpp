#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <tuple>

#include "BrowserFakes.h"
#include "browser/BrowserTexts.h"
#include "browser/DriveSource.h"
#include "browser/FilePattern.h"
#include "browser/FileRows.h"
#include "browser/FolderReader.h"
#include "browser/FolderRows.h"
#include "browser/ListFit.h"
#include "browser/NaturalOrder.h"
#include "browser/OpenByType.h"
#include "browser/OpenDispatch.h"
#include "browser/PlaylistGroupOpener.h"
#include "browser/SystemDriveSource.h"
#include "support/FakeDialogs.h"
#include "support/FakePlaylistAccess.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

namespace {

using namespace Qt::StringLiterals;

TEST(DriveSourceTest, UserVolumesRootFirstAndTheDeepestRootHoldingAPath) {
    const QList<DriveEntry> drives{{u"/"_s, {}}, {u"/media/usb"_s, u"STICK"_s}, {u"/media/usb/inner"_s, {}}};
    const struct { const char *path, *root; } cases[] = {
        {"/", "/"}, {"/etc", "/"}, {"", "/"}, {"/media/usb", "/media/usb"}, {"/media/usb/Music", "/media/usb"},
        {"/media/usb/inner/x", "/media/usb/inner"}, {"/media/usb2/Music", "/"},  // a longer name is not inside
    };
    for (const auto& c : cases)
        EXPECT_EQ(DriveSource::driveRootOf(QString::fromUtf8(c.path), drives), QString::fromUtf8(c.root)) << c.path;
    const struct { const char *root, *type; bool listed; } volumes[] = {
        {"/", "overlay", true}, {"/home", "ext4", true}, {"/mnt/share", "cifs", true}, {"/proc", "proc", false},
        {"/run/media/u/DISC", "iso9660", true}, {"/run/lock", "ext4", false}, {"/etc/hosts", "ext4", false},
    };
    for (const auto& c : volumes)
        EXPECT_EQ(SystemDriveSource::isUserVolume(QString::fromUtf8(c.root), QString::fromUtf8(c.type)), c.listed)
            << c.root << " (" << c.type << ")";
    const QList<DriveEntry> mounted = SystemDriveSource().drives();
    EXPECT_EQ(mounted.value(0).root, u"/"_s);
    EXPECT_EQ(std::count_if(mounted.begin(), mounted.end(), [](const DriveEntry& d) { return d.root == u"/"_s; }), 1);
}

TEST(FilePatternTest, FilterAnswersAndMatching) {
    const struct { const char *answer, *pattern; } answers[] = {  // pattern nullptr: the answer is ignored
        {"mp3", "*.mp3"}, {" mp3 ", "*.mp3"}, {"*.mp3;wav", "*.mp3;wav"}, {"wav;*.mp3", "*.wav;*.mp3"}, {"*.", "*."},
        {"   ", nullptr}, {"", nullptr},  // the second is also a cancelled box
        {"*mp3", "*.*mp3"},  // only "*." counts as the beginning
    };
    for (const auto& c : answers)
        EXPECT_EQ(FilePattern::fromFilterAnswer(QString::fromUtf8(c.answer)),
                  c.pattern ? std::optional(QString::fromUtf8(c.pattern)) : std::nullopt)
            << "answer '" << c.answer << "'";
    const struct { const char *pattern, *name; bool matches; } cases[] = {
        {"*.*", "README", true},  // the reset pattern shows every file
        {"*.mp3", "歌曲.MP3", true}, {"*.mp3", "song.mp3.txt", false}, {"a?.mp3", "ab.mp3", true},
        {"a?.mp3", "abc.mp3", false}, {"*.mp3; *.wav", "a.WAV", true},  // spaces after ";" are forgiven
        {"*.mp3;wav", "wav", true}, {"*.mp3;wav", "a.wav", false},  // the second type is taken as typed
        {"a*.*", "abc", true}, {";", "a.mp3", false},  // a final ".*" allows no extension; ";" alone, nothing
        {"*.", "README", true}, {"*.", "a.mp3", false},  // a final "." asks for no extension
        {"[ab].mp3", "a.mp3", false}, {"*.(mp3)", "x.(MP3)", true},  // brackets are plain characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilePattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.name)), c.matches)
            << c.pattern << " vs " << c.name;
}

// Numbers sort by value, letters regardless of case; hidden entries never show, links do; a removed folder, a
// file and no path list nothing.
TEST(FolderReaderTest, ListsInNaturalOrderWithoutHiddenEntries) {
    const struct { QStringList given, sorted; } orders[] = {
        {{"track10.mp3", "Track2.mp3", "track1.mp3", "b.wav", "A.wav", "Track 3.mp3"},
         {"A.wav", "b.wav", "Track 3.mp3", "track1.mp3", "Track2.mp3", "track10.mp3"}},
        {{"b", "10", "a2", "a007", "a10", "9", "a1b", "歌2", "歌10", "a 1"},
         {"9", "10", "a 1", "a1b", "a2", "a007", "a10", "b", "歌2", "歌10"}},
        {{"song.mp3", "SONG.mp3"}, {"SONG.mp3", "song.mp3"}},  // equal but for case: one order, whatever came first
        {{"SONG.mp3", "song.mp3"}, {"SONG.mp3", "song.mp3"}},
    };
    for (const auto& c : orders) {
        QStringList names = c.given;
        NaturalOrder::sort(names);
        EXPECT_EQ(names, c.sorted) << c.given.join(u'|').toStdString();
    }
    TempDir dir;
    for (const char* name : {"Rock", "pop", "Album 10", "Album 9", ".cache"}) dir.makeDir(QString::fromUtf8(name));
    for (const char* name : {"b.mp3", "A.MP3", "c.wav", "notes.txt", ".hidden.mp3"})
        dir.writeFile(QString::fromUtf8(name), "x");
    ASSERT_TRUE(QFile::link(dir.path(u"b.mp3"_s), dir.path(u"link.mp3"_s)));
    ASSERT_TRUE(QFile::link(dir.path(u"gone.mp3"_s), dir.path(u"broken.mp3"_s)));
    EXPECT_EQ(FolderReader::subfolders(dir.path()), (QStringList{"Album 9", "Album 10", "pop", "Rock"}));
    EXPECT_EQ(FolderReader::files(dir.path(), FilePattern(u"*.*"_s)),
              (QStringList{"A.MP3", "b.mp3", "c.wav", "link.mp3", "notes.txt"}));
    EXPECT_EQ(FolderReader::files(dir.path(), FilePattern(u"*.mid"_s)), QStringList{}) << "no file matches";
    ASSERT_TRUE(QDir(dir.path(u"Rock"_s)).removeRecursively());
    for (const QString& path : {dir.path(u"Rock"_s), dir.path(u"c.wav"_s), QString()}) {
        EXPECT_FALSE(FolderReader::canShow(path)) << path.toStdString();
        EXPECT_EQ(FolderReader::subfolders(path), std::nullopt) << "subfolders of " << path.toStdString();
        EXPECT_EQ(FolderReader::files(path, FilePattern()), std::nullopt) << "files of " << path.toStdString();
    }
}

// Level rows run from -1 (the folder itself) up to the root, subfolders from 0; outside the list nothing.
TEST(FolderRowsTest, LevelRowsAtTheRootAndThreeLevelsDown) {
    const FolderRows root(u"/"_s, {u"etc"_s});
    const FolderRows deep(u"/home/user/Music/"_s, {u"Pop"_s, u"Rock"_s});
    const struct { const FolderRows& rows; int index; const char *path, *shown; } cases[] = {
        {root, -1, "/", "/"}, {root, -2, "", ""}, {root, 0, "/etc", "etc"},  // one separator after the root
        {deep, -1, "/home/user/Music", "Music"}, {deep, -2, "/home/user", "user"}, {deep, -3, "/home", "home"},
        {deep, -4, "/", "/"}, {deep, -5, "", ""}, {deep, 0, "/home/user/Music/Pop", "Pop"},
        {deep, 1, "/home/user/Music/Rock", "Rock"}, {deep, 2, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(c.rows.entry(c.index), c.rows.displayName(c.index)),
                  std::pair(QString::fromUtf8(c.path), QString::fromUtf8(c.shown))) << "index " << c.index;
    for (const char* given : {"/a/b/", "/a//b", "/a/./c/../b"})
        EXPECT_EQ(FolderRows::cleanFolder(QString::fromUtf8(given)), u"/a/b"_s) << given;
}

// Every worked example of the layout rules, plus the edges between methods.
TEST(ListFitTest, ExamplesAndEdges) {
    using enum FitMethod;
    const struct { const char* name; int folderRows, fileCount; bool fitOn; FitMethod method;
                   int dirHeight, fileTop, fileHeight; } cases[] = {
        {"20 rows, 5 files: both fit", 20, 5, true, Both, 4290, 4750, 2450},
        {"30 rows, 30 files: fixed", 30, 30, true, Fixed, 2190, 2640, 4590},
        {"8 rows, 40 files: folders first", 8, 40, true, Dir, 1770, 2230, 4970},
        {"12 rows, 6 files: both fit", 12, 6, true, Both, 2610, 3070, 4130},
        {"40 rows, 6 files: files first", 40, 6, true, File, 5730, 6090, 1110},
        {"0 files, 3 rows", 3, 0, true, Both, 720, 1180, 6020},
        {"0 files, 3 rows and the spare row", 4, 0, true, Both, 930, 1390, 5810},
        {"option off, 20 rows 5 files", 20, 5, false, Fixed, 2190, 2640, 4590},
        // 4290 + 2370 = 6660 fits the 6740 of room; 4290 + 2550 = 6840 does not.
        {"20 rows, 13 files: just fits", 20, 13, true, Both, 4290, 4750, 2450},
        {"20 rows, 14 files: just misses", 20, 14, true, Fixed, 2190, 2640, 4590},
        {"9 rows, 40 files: neither favoured", 9, 40, true, Fixed, 2190, 2640, 4590},
        {"40 rows, 10 files: files first", 40, 10, true, File, 5010, 5370, 1830},
        {"40 rows, 11 files: fixed", 40, 11, true, Fixed, 2190, 2640, 4590},
        {"more files than 16 bits hold", 5, 40000, true, Dir, 1140, 1600, 5600},
    };
    for (const auto& c : cases) {
        const ListFit fit = ListFit::compute(c.folderRows, c.fileCount, c.fitOn);
        EXPECT_EQ(std::tuple(fit.method, fit.dirHeightTwips, fit.fileTopTwips, fit.fileHeightTwips),
                  std::tuple(c.method, c.dirHeight, c.fileTop, c.fileHeight)) << c.name;
    }
}

TEST(OpenByTypeTest, GroupsByLowerCaseExtensionAndOnlyFilesThatExist) {
    TempDir dir;
    using enum OpenGroup;
    const struct { const char* name; OpenGroup group; } cases[] = {
        {"Song.MP3", Media}, {"b.WAV", Media}, {"list.m3u", Playlist}, {"list.M3U8", Playlist}, {"noext", Playlist},
        {"$BackUp1", Playlist}, {"a.JPEG", Picture}, {"cover.jpg", Picture}, {"a.lyr", Text}, {"read.txt", Text},
        {"setup.exe", Program}, {"a.ogg", Other}, {"a.mp3.bak", Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenByType::classify(dir.writeFile(QString::fromUtf8(c.name), "x")), c.group) << c.name;
    for (const QString& path : {QString(), dir.path(u"gone.mp3"_s), dir.makeDir(u"album.mp3"_s)})
        EXPECT_EQ(OpenByType::classify(path), Missing) << path.toStdString();
}

// The selection follows the names through a re-read of the folder, and only through one.
TEST(FileRowsTest, SelectionFocusAndReReads) {
    FileRows rows;
    rows.setNames({u"a"_s, u"b"_s, u"c"_s, u"d"_s});
    EXPECT_TRUE(rows.setSelection({3, 1, 9, -1, 1}, 3));
    EXPECT_EQ(rows.selectedRows(), (QList<int>{1, 3})) << "sorted, once each, rows outside the list dropped";
    EXPECT_FALSE(rows.setSelection({1, 3}, 3)) << "the same selection is no change";
    EXPECT_TRUE(rows.setSelection({1, 3}, 7)) << "a focus outside the list is none";
    EXPECT_EQ(rows.ListIndex(), -1);
    rows.setSelection({1, 3}, 3);
    rows.invertSelection();
    EXPECT_EQ(rows.selectedRows(), (QList<int>{0, 2})) << "invert";
    rows.selectAll();
    EXPECT_EQ(rows.selectedRows(), (QList<int>{0, 1, 2, 3})) << "select all";
    rows.setSelection({1, 3}, 3);
    rows.setNames({u"0"_s, u"b"_s, u"d"_s}, true);
    EXPECT_EQ(rows.selectedRows(), (QList<int>{1, 2})) << "kept by name";
    EXPECT_EQ(rows.ListIndex(), 2) << "the focus kept by name";
    rows.setNames({u"b"_s, u"d"_s});
    EXPECT_TRUE(rows.selectedRows().isEmpty()) << "another folder starts unselected";
    EXPECT_EQ(rows.ListIndex(), -1) << "and unfocused";
    EXPECT_FALSE(rows.setSelection({}, -1)) << "nothing again is no change";
}

// Whatever is no file is reported, songs start, and every other file goes to the file commands with its group.
// Which group a path falls in is OpenByTypeTest's table; here one path of each destination.
TEST(OpenDispatchTest, EachKindOfPathGoesToItsPlace) {
    TempDir dir;
    using enum OpenGroup;
    const struct { const char* name; bool file; OpenGroup group; } cases[] = {
        {"gone.mp3", false, Missing}, {"a.mp3", true, Media}, {"cover.jpg", true, Picture}, {"song.ogg", true, Other},
    };
    for (const auto& c : cases) {
        RecordingStatusLine status;
        RecordingSongStarter songs;
        RecordingOpenGroupHandler others;
        OpenDispatch dispatch(status, songs, others);
        const QString name = QString::fromUtf8(c.name);
        const QString path = c.file ? dir.writeFile(name, "x") : dir.path(name);
        dispatch.openByType(path);
        EXPECT_EQ(status.history, c.group == Missing ? QStringList{BrowserTexts::kFileMissing} : QStringList{}) << c.name;
        EXPECT_EQ(songs.started, c.group == Media ? QStringList{path} : QStringList{}) << c.name;
        const QList<std::pair<QString, OpenGroup>> toOthers{{path, c.group}};
        EXPECT_EQ(others.opened, c.group == Missing || c.group == Media ? decltype(toOthers){} : toOthers) << c.name;
    }
}

// A playlist file loads into the playlist after a yes, replacing the open one; any other file goes on.
TEST(PlaylistGroupOpenerTest, AsksBeforeLoadingAPlaylistAndPassesOtherFilesOn) {
    using enum OpenGroup;
    const struct { OpenGroup group; int answer; QStringList loads; bool passedOn; } cases[] = {
        {Playlist, MsgResult::Yes, {u"PLLoadFile /d/$BackUp1 0"_s}, false},
        {Playlist, MsgResult::No, {}, false},
        {Picture, MsgResult::Yes, {}, true},
    };
    for (const auto& c : cases) {
        FakeDialogs dialogs;
        FakePlaylistAccess playlist;
        RecordingOpenGroupHandler others;
        dialogs.messageAnswers = {c.answer};
        PlaylistGroupOpener opener(dialogs, playlist, others);
        opener.openFile(u"/d/$BackUp1"_s, c.group);
        const std::string name = std::to_string(int(c.group)) + " answered " + std::to_string(c.answer);
        EXPECT_EQ(playlist.calls, c.loads) << name;
        EXPECT_EQ(others.opened.size(), c.passedOn ? 1 : 0) << name;
        EXPECT_EQ(dialogs.messageTexts(), c.group == Playlist ? QStringList{u"要載入PlayList?\r\n/d/$BackUp1"_s} : QStringList{})
            << name;
    }
}

}  // namespace
