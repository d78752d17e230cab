#include <gtest/gtest.h>

#include <deque>

#include "LyricEditorRig.h"
#include "common/CodePage.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "lyrics/LyricPaths.h"

namespace {


QString blueSkyLyric() { return DataFolder::lyricsFolder() + QStringLiteral("Blue Sky.lyr"); }

// Opening the editor while D:\Music\Blue Sky.mp3 is the current song.
TEST(LyricEditorOpening, TheCurrentSongsLyricIsLoadedOrPreparedForSaving) {
    {
        SCOPED_TRACE("the lyric exists");
        LyricEditorRig rig;
        LyricEditorRig::lyric(QStringLiteral("Blue Sky.lyr"), "la la\r\nblue\r\n");
        rig.state.PLyricLink = LyricPaths::autoPath(QStringLiteral("/music/Blue Sky.mp3"));
        rig.editor.openFromPlayer(LyricEditor::Request::Lyric, true);
        EXPECT_EQ(rig.model.text(), QStringLiteral("la la\r\nblue"));
        EXPECT_EQ(rig.model.lyricLink(), blueSkyLyric());
        EXPECT_EQ(rig.model.finalLink(), blueSkyLyric());
        EXPECT_TRUE(rig.model.autoCorrect());
        EXPECT_EQ(rig.model.title(), LyricEditorRig::title(QStringLiteral("Blue Sky"), QStringLiteral("歌詞已載入.")));
        EXPECT_EQ(rig.model.fileNames(), QStringList{QStringLiteral("Blue Sky.lyr")});
    }
    {
        SCOPED_TRACE("no lyric yet");
        LyricEditorRig rig;
        rig.state.PLyricLink = blueSkyLyric();
        rig.editor.openFromPlayer(LyricEditor::Request::Lyric, true);
        EXPECT_EQ(rig.model.lyricLink(), QStringLiteral("Blue Sky"));
        EXPECT_EQ(rig.model.finalLink(), blueSkyLyric());
        rig.model.setText(QStringLiteral("new words"));
        rig.editor.mnuSaveLyric_Click();
        EXPECT_EQ(readWholeFile(blueSkyLyric()), QByteArray("new words\r\n")) << "saving creates the lyric";
    }
}

TEST(LyricEditorOpening, AFileSentByThePlayerIsLoadedAsItIsAndTheRequestEmptied) {
    LyricEditorRig rig;
    rig.state.PLyricLink = LyricEditorRig::lyric(QStringLiteral("Blue Sky.lyr"), "song's\r\n");
    rig.state.OpenLyricLink = rig.music.writeFile(QStringLiteral("notes.txt"), "notes\r\n");
    rig.editor.openFromPlayer(LyricEditor::Request::Lyric, true);
    EXPECT_EQ(rig.model.text(), QStringLiteral("notes"));
    EXPECT_EQ(rig.model.finalLink(), rig.music.path(QStringLiteral("notes.txt")));
    EXPECT_FALSE(rig.model.autoCorrect());
    EXPECT_EQ(rig.state.OpenLyricLink, QString());

    // Brought forward again without a request, it keeps what is edited.
    rig.model.setText(QStringLiteral("edited"));
    rig.editor.openFromPlayer(LyricEditor::Request::Lyric, false);
    EXPECT_EQ(rig.model.text(), QStringLiteral("edited"));
}

TEST(LyricEditorOpening, TheFolderShortcutFileIsEditedAsPlainText) {
    LyricEditorRig rig;
    rig.state.OpenLyricLink = rig.music.writeFile(QStringLiteral("notes.txt"), "notes");
    rig.editor.openFromPlayer(LyricEditor::Request::DirFav, true);
    EXPECT_EQ(rig.model.finalLink(), DataFolder::dirFavFile()) << "missing file: ready to create";
    EXPECT_EQ(rig.model.text(), QString());
    EXPECT_EQ(rig.state.OpenLyricLink, rig.music.path(QStringLiteral("notes.txt"))) << "left for later";

    rig.model.setText(QStringLiteral("/music\r\n/音樂"));
    rig.editor.mnuSaveLyric_Click();
    EXPECT_EQ(readWholeFile(DataFolder::dirFavFile()), CodePage::toCp950Lossy(QStringLiteral("/music\r\n/音樂\r\n")));
    rig.model.setText(QString());
    rig.editor.mnuDirFav_Click();
    EXPECT_EQ(rig.model.text(), QStringLiteral("/music\r\n/音樂"));
    EXPECT_EQ(rig.model.lyricLink(), DataFolder::dirFavFile());
}

TEST(LyricEditorPaths, EnterLoadsTheAutoPathAndCtrlEnterThePathItself) {
    LyricEditorRig rig;
    LyricEditorRig::lyric(QStringLiteral("Blue Sky.lyr"), "lyric");
    const QString song = rig.music.writeFile(QStringLiteral("Blue Sky.mp3"), "ID3 not text");
    rig.editor.txtLyricLink_Enter(song, false);
    EXPECT_EQ(rig.model.text(), QStringLiteral("lyric"));
    EXPECT_EQ(rig.model.lyricLink(), blueSkyLyric());
    EXPECT_TRUE(rig.model.autoCorrect());

    rig.editor.txtLyricLink_Enter(song, true);
    EXPECT_EQ(rig.model.text(), QStringLiteral("ID3 not text"));
    EXPECT_EQ(rig.model.lyricLink(), song);
    EXPECT_EQ(rig.model.finalLink(), song);
    EXPECT_FALSE(rig.model.autoCorrect());

    rig.editor.txtLyricLink_Enter(rig.music.path(QStringLiteral("none.txt")), true);
    EXPECT_EQ(rig.model.text(), QStringLiteral("ID3 not text")) << "a missing file changes nothing";
}

TEST(LyricEditorPaths, TheAutoBoxKeepsTheTargetOnTheLyricFolder) {
    LyricEditorRig rig;
    rig.editor.txtLyricLink_Change(QStringLiteral("/music/Rain.mp3"));
    EXPECT_EQ(rig.model.finalLink(), QString()) << "box not ticked";
    rig.editor.chkAutoCorrect_MouseUp(true);
    EXPECT_EQ(rig.model.finalLink(), LyricPaths::autoPath(QStringLiteral("Rain")));
    rig.editor.txtLyricLink_Change(QStringLiteral("/music/Snow.mp3"));
    EXPECT_EQ(rig.model.finalLink(), LyricPaths::autoPath(QStringLiteral("Snow"))) << "follows while ticked";
    rig.editor.chkAutoCorrect_MouseUp(false);
    EXPECT_EQ(rig.model.finalLink(), QStringLiteral("/music/Snow.mp3"));
}

TEST(LyricEditorSaving, ABareNameIsSavedInTheLyricFolder) {
    LyricEditorRig rig;
    rig.model.setText(QStringLiteral("藍天\r\n\u266a"));  // the note is not in code page 950
    rig.editor.txtFinalLink_Change(QStringLiteral("Blue Sky.lyr"));
    rig.editor.mnuSaveLyric_Click();
    EXPECT_EQ(readWholeFile(blueSkyLyric()), CodePage::utf8Bom() + QStringLiteral("藍天\r\n\u266a\r\n").toUtf8());
    EXPECT_EQ(rig.model.lyricLink(), blueSkyLyric());
    EXPECT_EQ(rig.model.title(), LyricEditorRig::title(blueSkyLyric(), QStringLiteral("歌詞已儲存.")));
    EXPECT_EQ(rig.model.fileNames(), QStringList{QStringLiteral("Blue Sky.lyr")}) << "the list is read again";

    rig.editor.txtFinalLink_Change(QStringLiteral("  "));
    rig.fakes.clock.advanceMs(1000);
    EXPECT_FALSE(rig.editor.SaveLyricText(rig.model.finalLink())) << "no path: nothing happens";
    EXPECT_EQ(rig.model.title(), LyricEditorRig::title(blueSkyLyric(), QStringLiteral("歌詞已儲存.")));
}

TEST(LyricEditorSaving, AFailedWriteIsReportedAndTheTextStays) {
    LyricEditorRig rig;
    const QString old = LyricEditorRig::lyric(QStringLiteral("Rain.lyr"), "old\r\n");
    rig.editor.LoadLyricText(old, true);
    rig.model.setText(QStringLiteral("new words"));
    rig.files.failWrite = true;
    rig.editor.mnuSaveLyric_Click();
    EXPECT_EQ(rig.model.text(), QStringLiteral("new words"));
    EXPECT_EQ(readWholeFile(old), QByteArray("old\r\n"));
    ASSERT_EQ(rig.fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(rig.fakes.dialogs.messages[0].text,
              QStringLiteral("無法儲存歌詞檔!\r\n路徑: ") + old + QStringLiteral("\r\ndisk full"));
    EXPECT_EQ(rig.fakes.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(rig.model.title(), LyricEditorRig::title(old, QStringLiteral("歌詞儲存失敗.")));

    rig.files.failWrite = false;
    rig.editor.mnuSaveLyric_Click();
    EXPECT_EQ(readWholeFile(old), QByteArray("new words\r\n")) << "saved once the disk lets it";
}

TEST(LyricEditorSaving, ASongLoadedAsTextIsNeverSavedOver) {
    LyricEditorRig rig;
    static const char kSong[] = "ID3\x03\0\0\0\0\0\x0a frames";
    const QByteArray songBytes(kSong, sizeof kSong - 1);
    const QString song = rig.music.writeFile(QStringLiteral("Blue Sky.mp3"), songBytes);
    rig.editor.txtLyricLink_Enter(song, true);
    ASSERT_EQ(rig.model.finalLink(), song);
    rig.model.setText(QStringLiteral("edited"));

    EXPECT_FALSE(rig.editor.SaveLyricText(rig.model.finalLink()));
    EXPECT_EQ(readWholeFile(song), songBytes) << "the song keeps its bytes";
    EXPECT_EQ(rig.model.text(), QStringLiteral("edited"));
    ASSERT_EQ(rig.fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(rig.fakes.dialogs.messages[0].text,
              QStringLiteral("目標檔案不是文字檔, 不會以歌詞覆寫!\r\n路徑: ") + song);

    const QString lyric = LyricPaths::autoPath(song);
    EXPECT_TRUE(rig.editor.SaveLyricText(lyric)) << "the lyric path still saves";
}

TEST(LyricEditorLoading, AnUnreadableFileIsReportedAndTheTextStays) {
    LyricEditorRig rig;
    rig.model.setText(QStringLiteral("kept"));
    rig.files.failRead = true;
    rig.editor.LoadLyricText(LyricEditorRig::lyric(QStringLiteral("Rain.lyr"), "rain"), true);
    EXPECT_EQ(rig.model.text(), QStringLiteral("kept"));
    EXPECT_EQ(rig.model.lyricLink(), QString());
    EXPECT_EQ(rig.fakes.dialogs.messages.size(), 1);
}

TEST(LyricEditorDeleting, DeletingAsksFirstAndKeepsTheText) {
    const QString rain = DataFolder::lyricsFolder() + QStringLiteral("Rain.lyr");
    const struct {
        const char* name;
        bool exists;
        std::deque<int> answers;
        bool failTrash;
        bool failRemove;
        bool gone;
        int messages;
    } rows[] = {
        {"no file", false, {}, false, false, false, 1},
        {"answered no", true, {MsgResult::No}, false, false, false, 1},
        {"to the trash", true, {MsgResult::Yes}, false, false, true, 1},
        {"no trash, deleted for good", true, {MsgResult::Yes, MsgResult::Yes}, true, false, true, 2},
        {"no trash, kept", true, {MsgResult::Yes, MsgResult::No}, true, false, false, 2},
        {"deleting fails", true, {MsgResult::Yes, MsgResult::Yes}, true, true, false, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LyricEditorRig rig;
        if (row.exists) LyricEditorRig::lyric(QStringLiteral("Rain.lyr"), "rain");
        rig.editor.txtLyricLink_Change(QStringLiteral(" ") + rain + QStringLiteral(" "));
        rig.model.setText(QStringLiteral("rain"));
        rig.fakes.dialogs.messageAnswers = row.answers;
        rig.files.failTrash = row.failTrash;
        rig.files.failRemove = row.failRemove;
        rig.editor.mnuDeleteLyric_Click();
        EXPECT_EQ(QFile::exists(rain), row.exists && !row.gone);
        EXPECT_EQ(rig.model.text(), QStringLiteral("rain"));
        ASSERT_EQ(rig.fakes.dialogs.messages.size(), row.messages);
        const QString first = rig.fakes.dialogs.messages[0].text;
        if (!row.exists) {
            EXPECT_EQ(first, QStringLiteral("沒有選擇檔案路徑或檔案不存在\r\n") + rain);
            continue;
        }
        EXPECT_EQ(first, QStringLiteral("真的要刪除歌詞檔?\r\n路徑: ") + rain);
        EXPECT_EQ(rig.fakes.dialogs.messages[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(rig.fakes.dialogs.messages[0].icon, MsgIcon::Question);
        if (row.gone) {
            EXPECT_EQ(rig.model.title(), LyricEditorRig::title(QStringLiteral("Rain"), QStringLiteral("歌詞檔已刪除.")));
            EXPECT_EQ(rig.model.fileNames(), QStringList());
        }
    }
}

// Each entry reaches its rewrite (the rules are LyricTextTest's); the song
// line comes from the playing song's tag.
TEST(LyricEditorCommands, TheEditMenuRewritesTheText) {
    LyricEditorRig rig;
    const QString tagged = rig.music.writeFile(QStringLiteral("Blue Sky.mp3"), QByteArray(500, 'x'));
    ASSERT_TRUE(WriteID3Tag(rig.fakes.dialogs, Id3::Append, tagged, QStringLiteral("Blue Sky"), QStringLiteral("Ann"),
                            {}, {}, {}, 13));
    const QString untagged = rig.music.writeFile(QStringLiteral("Rain.mp3"), QByteArray(500, 'x'));
    enum Menu { edit, convert };
    const struct {
        const char* name;
        Menu menu;
        int index;
        QString song;
        QString text;
        QString expected;
    } rows[] = {
        {"trim", edit, 0, {}, QStringLiteral("  a\r\nb  "), QStringLiteral("a\r\nb")},
        {"capitals", edit, 1, {}, QStringLiteral("hello\r\n\r\nworld"), QStringLiteral("Hello\r\n\r\nWorld")},
        {"commas", convert, 1, {}, QStringLiteral("你好，世界"), QStringLiteral("你好,世界")},
        {"song line, tagged", edit, 3, tagged, QStringLiteral("la"), QStringLiteral("Ann - Blue Sky\r\nla")},
        {"song line, no tag", edit, 3, untagged, QStringLiteral("la"), QStringLiteral("\r\nla")},
        {"song line, no song", edit, 3, QString(), QStringLiteral("la"), QStringLiteral("la")},
        {"song line, song gone", edit, 3, rig.music.path(QStringLiteral("gone.mp3")), QStringLiteral("la"),
         QStringLiteral("la")},
    };
    for (const auto& row : rows) {
        rig.state.PSongLink = row.song;
        rig.model.setText(row.text);
        if (row.menu == convert) rig.editor.mnuConvertStr_Click(row.index);
        else rig.editor.mnuEdit_Click(row.index);
        EXPECT_EQ(rig.model.text(), row.expected) << row.name;
    }
    EXPECT_EQ(rig.fakes.dialogs.messages.size(), 0);
}

TEST(LyricEditorSearch, FindAndFindNextSelectEachOccurrenceThenReportTheEnd) {
    LyricEditorRig rig;
    rig.model.setText(QStringLiteral("xabyab"));
    rig.fakes.dialogs.inputAnswers = {QStringLiteral("ab")};
    rig.editor.mnuSearch_Click(0);
    ASSERT_EQ(rig.fakes.dialogs.inputs.size(), 1);
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].prompt, QStringLiteral("請輸入要尋找的文字"));
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].title, QStringLiteral("尋找文字"));
    const struct {
        int start;
        int length;
    } selections[] = {{1, 2}, {4, 2}};
    for (int step = 0; step < 2; ++step) {
        EXPECT_EQ(rig.model.selectionStart(), selections[step].start) << "step " << step;
        EXPECT_EQ(rig.model.selectionLength(), selections[step].length) << "step " << step;
        rig.editor.mnuSearch_Click(1);
    }
    ASSERT_EQ(rig.fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(rig.fakes.dialogs.messages[0].text, QStringLiteral("整篇字串已搜尋完畢，找不到所需要的字串 [ab] 。"));
    EXPECT_EQ(rig.fakes.dialogs.messages[0].icon, MsgIcon::Critical);
    rig.editor.mnuSearch_Click(1);
    EXPECT_EQ(rig.model.selectionStart(), 1) << "from the top again";

    rig.fakes.dialogs.inputAnswers = {QStringLiteral("  ")};
    rig.editor.mnuSearch_Click(0);
    EXPECT_EQ(rig.fakes.dialogs.inputs.last().defaultAnswer, QStringLiteral("ab"));
    EXPECT_EQ(rig.editor.search().searchText(), QStringLiteral("ab")) << "a blank answer searches nothing";
}

TEST(LyricEditorSearch, FindNextBeforeAnyFindSelectsNothing) {
    LyricEditorRig rig;
    rig.model.setText(QStringLiteral("xabyab"));
    rig.model.select(3, 1);
    rig.editor.mnuSearch_Click(1);
    EXPECT_EQ(rig.model.selectionStart(), 0);
    EXPECT_EQ(rig.model.selectionLength(), 0);
    EXPECT_EQ(rig.fakes.dialogs.messages.size(), 0);
}

TEST(LyricEditorSearch, ReplaceIgnoresCaseAndOffersTheSearchedText) {
    LyricEditorRig rig;
    rig.model.setText(QStringLiteral("xabyAb"));
    rig.fakes.dialogs.inputAnswers = {QStringLiteral("AB"), QStringLiteral("c")};
    rig.editor.mnuSearch_Click(2);
    EXPECT_EQ(rig.model.text(), QStringLiteral("xcyc"));
    ASSERT_EQ(rig.fakes.dialogs.inputs.size(), 2);
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].prompt, QStringLiteral("請輸入要取代的目標文字"));
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].title, QStringLiteral("目標文字"));
    EXPECT_EQ(rig.fakes.dialogs.inputs[1].prompt, QStringLiteral("請輸入要取代成的文字"));
    EXPECT_EQ(rig.fakes.dialogs.inputs[1].title, QStringLiteral("取代文字"));

    rig.fakes.dialogs.inputAnswers = {QString(), QStringLiteral("z")};
    rig.editor.mnuSearch_Click(2);
    EXPECT_EQ(rig.fakes.dialogs.inputs[2].defaultAnswer, QStringLiteral("AB"));
    EXPECT_EQ(rig.model.text(), QStringLiteral("xcyc")) << "nothing to replace";
}

TEST(LyricEditorFiles, NewEmptiesTheEditorAndAClickLoadsAFileOfTheFolder) {
    LyricEditorRig rig;
    EXPECT_EQ(rig.model.title(), QStringLiteral("歌詞編輯器")) << "the window's own caption until a status";
    LyricEditorRig::lyric(QStringLiteral("Rain.lyr"), "rain\r\ndrops");
    rig.editor.Form_Activate();
    ASSERT_EQ(rig.model.fileNames(), QStringList{QStringLiteral("Rain.lyr")});
    rig.editor.File1_Click(QStringLiteral("Rain.lyr"));
    EXPECT_EQ(rig.model.text(), QStringLiteral("rain\r\ndrops"));
    EXPECT_TRUE(rig.model.autoCorrect());
    rig.editor.mnuNewLyric_Click();
    EXPECT_EQ(rig.model.text(), QString());
    EXPECT_EQ(rig.model.lyricLink(), QString());
    EXPECT_EQ(rig.model.finalLink(), QString());
    EXPECT_EQ(rig.model.title(), QStringLiteral("歌詞編輯器 v1.35"));
}

}  // namespace
