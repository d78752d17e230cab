#include <gtest/gtest.h>

#include <QSignalSpy>

#include "id3/TagGenres.h"
#include "support/QStringPrinter.h"
#include "TagEditorRig.h"

namespace {

using TagField::Artist;
using TagField::Title;

// Saving writes the five fields and the genre at the end of the file and
// says so in the title bar; "no genre", and no genre chosen, store 255.
TEST(TagEditorSave, WritesTheFieldsAndGenre) {
    const struct { int genreItem; quint8 stored; } cases[] = {{17, 17}, {148, 255}, {-1, 255}};
    for (const auto& c : cases) {
        TagEditorRig rig;
        const QString path = rig.song(QStringLiteral("Blue Sky.mp3"));
        rig.model.setCurrentLink(path);
        rig.editor.txtInput_Change(Title, QStringLiteral("藍天"));
        rig.editor.txtInput_Change(Artist, QStringLiteral("Ann"));
        if (c.genreItem >= 0) rig.editor.ComGender_Click(c.genreItem);
        rig.fakes.clock.setTime(QTime(9, 5, 7));
        ASSERT_TRUE(rig.editor.SaveTagFields(path)) << c.genreItem;
        EXPECT_EQ(readWholeFile(path), QByteArray(1000, 'a') + tagRecord(QStringLiteral("藍天"), QStringLiteral("Ann"), c.stored))
            << c.genreItem;
        EXPECT_EQ(rig.model.title(), QStringLiteral("MP3 ID3 TAG 1 標籤修改器 v1.4 [Blue Sky 己儲存] (09:05:07)"));
        EXPECT_TRUE(rig.messages().isEmpty());
        EXPECT_TRUE(rig.fakes.mci.commands().isEmpty()) << "no song is touched";
    }
}

// A file list of four: up from the first and with nothing chosen goes to
// the last, down from the last and with nothing chosen to the first.
TEST(TagEditorSteps, UpAndDownWrapAroundEitherList) {
    const struct { bool songs; int from; int button; int to; } cases[] = {
        {false, 0, 1, 3}, {false, 3, 2, 0}, {false, -1, 1, 3}, {false, -1, 2, 0}, {false, 1, 1, 0}, {false, 1, 2, 2},
        {true, 0, 1, 3}, {true, 3, 2, 0}, {true, -1, 2, 0}, {true, 2, 1, 1},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        QStringList links;
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"})
            links << rig.song(QString::fromLatin1(name), QString::fromLatin1(name).toUpper(), QStringLiteral("x"));
        rig.dir.writeFile(QStringLiteral("e.wav"), "not listed");
        rig.browser.folder = rig.dir.path();
        rig.playlist.entries = links;
        rig.editor.Form_Activate();
        ASSERT_EQ(rig.model.fileNames(), (QStringList{"a.mp3", "b.mp3", "c.mp3", "d.mp3"}));
        if (c.from >= 0) {
            if (c.songs)
                rig.editor.listSongName_Click(c.from);
            else
                rig.editor.File1_Click(c.from);
        } else {
            rig.model.setUseSongList(c.songs);
        }
        rig.editor.cmdCancel_Click(c.button);
        const std::string where = std::string(c.songs ? "songs " : "files ") + std::to_string(c.from) +
                                  (c.button == 1 ? " up" : " down");
        EXPECT_EQ(c.songs ? rig.model.songRow() : rig.model.fileRow(), c.to) << where;
        EXPECT_EQ(rig.model.currentLink(), links[c.to]) << where;
        EXPECT_EQ(rig.model.field(Title), QString::fromLatin1("ABCD").mid(c.to, 1) + QStringLiteral(".MP3")) << where;
    }
}

// Save-and-close and save-and-step-down go on only when the tag was
// written; a refused save keeps the typed fields on screen.
TEST(TagEditorSteps, SaveButtonsMoveOnOnlyAfterAWrite) {
    TagEditorRig rig;
    for (const char* name : {"a.mp3", "b.mp3"}) rig.song(QString::fromLatin1(name), QStringLiteral("t"));
    rig.browser.folder = rig.dir.path();
    rig.editor.Form_Activate();
    QSignalSpy closes(&rig.model, &TagEditorModel::closeRequested);
    rig.editor.File1_Click(0);
    rig.editor.txtInput_Change(Title, QString(31, u'x'));
    rig.editor.cmdSave_Click(2);
    rig.editor.cmdSave_Click(1);
    EXPECT_EQ(rig.model.fileRow(), 0) << "refused: stays";
    EXPECT_EQ(closes.size(), 0) << "refused: stays open";
    EXPECT_EQ(rig.messages().size(), 2);
    rig.editor.txtInput_Change(Title, QStringLiteral("first"));
    rig.editor.cmdSave_Click(2);
    EXPECT_EQ(rig.model.fileRow(), 1);
    EXPECT_EQ(ReadID3Tag(rig.fakes.dialogs, rig.dir.path(QStringLiteral("a.mp3")), 1), QStringLiteral("first"));
    rig.editor.cmdSave_Click(1);
    EXPECT_EQ(closes.size(), 1);
    rig.editor.cmdCancel_Click(0);
    EXPECT_EQ(closes.size(), 2);
}

// Opening: the song now loaded comes first; otherwise the file chosen in
// the main window when the folder's MP3 list holds it. The lists follow
// the folder and the playlist at every activation, keeping the choice.
TEST(TagEditorOpen, LoadsTheSongOrTheBrowsersChoiceAndRefreshesOnActivation) {
    TagEditorRig rig;
    const QString a = rig.song(QStringLiteral("a.mp3"), QStringLiteral("A"));
    const QString b = rig.song(QStringLiteral("b.mp3"), QStringLiteral("B"));
    rig.browser.folder = rig.dir.path();
    rig.browser.selected = {b};
    rig.playlist.entries = {a};
    rig.editor.Form_Load();
    EXPECT_EQ(rig.model.currentLink(), b);
    EXPECT_EQ(rig.model.fileRow(), 1);
    EXPECT_FALSE(rig.model.useSongList());
    EXPECT_EQ(rig.model.songLinks(), QStringList{a});

    rig.song(QStringLiteral("0.mp3"), QStringLiteral("zero"));
    rig.playlist.entries = {a, b};
    rig.editor.Form_Activate();
    EXPECT_EQ(rig.model.fileNames().size(), 3);
    EXPECT_EQ(rig.model.fileRow(), 2) << "b.mp3 stays chosen after a new file sorts before it";
    EXPECT_EQ(rig.model.songLinks(), (QStringList{a, b}));
    rig.editor.listSongName_Click(1);
    rig.editor.Form_Activate();
    EXPECT_TRUE(rig.model.useSongList()) << "stepping stays on the playlist copy";
    rig.playlist.entries.clear();
    rig.editor.Form_Activate();
    EXPECT_FALSE(rig.model.useSongList()) << "an empty playlist copy: back to the files";
    EXPECT_EQ(rig.model.songRow(), -1);

    TagEditorRig other;
    other.browser.folder = other.dir.path(QStringLiteral("empty"));
    other.transport.path = other.song(QStringLiteral("now.mp3"), QStringLiteral("Now"));
    other.browser.selected = {other.transport.path};
    other.editor.Form_Load();
    EXPECT_EQ(other.model.field(Title), QStringLiteral("Now"));
    EXPECT_TRUE(other.model.useSongList()) << "no MP3 files in the folder";
    EXPECT_EQ(other.model.fileRow(), -1);
}

// The song now playing is closed around the write and played on from
// where it stood, at the speed it had; the caption shows the new fields.
TEST(TagEditorSave, ThePlayingSongIsClosedWrittenReopenedAndResumed) {
    const struct { Transport::Mode mode; const char* speed; quint8 direction; const char* tail; } cases[] = {
        {Transport::Playing, "1000", 0, " 2004 Quorvel \u03B5 Build 3311"},
        {Transport::Paused, "1500", 1, " - "},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        const QString path = rig.song(QStringLiteral("now.mp3"), QStringLiteral("Old"));
        rig.transport = {};
        rig.transport.path = path;
        rig.transport.songMode = c.mode;
        rig.transport.position = 61000;
        rig.state.TitleDirection = c.direction;
        rig.fakes.mci.answer(QStringLiteral("Status ZELSong speed"), QString::fromLatin1(c.speed));
        rig.media.MMOpen(path, QStringLiteral("ZELSong"), true);
        rig.fakes.mci.clear();
        ASSERT_TRUE(rig.editor.LoadTagFields(path));
        rig.editor.txtInput_Change(Title, QStringLiteral("New"));
        rig.editor.txtInput_Change(Artist, QStringLiteral("Ann"));
        ASSERT_TRUE(rig.editor.SaveTagFields(path));
        QStringList expected{QStringLiteral("Status ZELSong speed"), QStringLiteral("Close ZELSong"),
                             QStringLiteral("Close ZELSong"), QStringLiteral("Open \"%1\" Alias ZELSong").arg(path),
                             QStringLiteral("Set ZELSong time format milliseconds")};
        if (QByteArray(c.speed) != "1000") expected << QStringLiteral("Set ZELSong speed %1").arg(c.speed);
        expected << QStringLiteral("Play ZELSong from 61000");
        EXPECT_EQ(rig.fakes.mci.commands(), expected) << c.speed;
        EXPECT_EQ(ReadID3Tag(rig.fakes.dialogs, path, 123), QStringLiteral("New|Ann|"));
        EXPECT_EQ(rig.state.VersionH, QStringLiteral("New ~ Ann ~  - "));
        EXPECT_EQ(rig.caption.text, QStringLiteral("New ~ Ann ~  - Corvane Audio Player") + QString::fromUtf8(c.tail));
        EXPECT_TRUE(rig.status.history.isEmpty());
    }
}

// Another file than the song, or a song that has ended, is written alone.
TEST(TagEditorSave, OtherFilesLeaveTheSongAlone) {
    TagEditorRig rig;
    const QString song = rig.song(QStringLiteral("now.mp3"), QStringLiteral("Old"));
    const QString other = rig.song(QStringLiteral("other.mp3"), QStringLiteral("Other"));
    rig.transport.path = song;
    rig.transport.songMode = Transport::Playing;
    ASSERT_TRUE(rig.editor.LoadTagFields(other));
    ASSERT_TRUE(rig.editor.SaveTagFields(other));
    rig.transport.songMode = Transport::NoSong;
    ASSERT_TRUE(rig.editor.LoadTagFields(song));
    ASSERT_TRUE(rig.editor.SaveTagFields(song));
    EXPECT_TRUE(rig.fakes.mci.commands().isEmpty()) << rig.fakes.mci.commands().join(u'|').toStdString();
    EXPECT_TRUE(rig.caption.text.isEmpty());
}

}  // namespace
