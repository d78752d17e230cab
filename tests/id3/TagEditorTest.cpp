#include <gtest/gtest.h>

#include <QSignalSpy>

#include "id3/TagGenres.h"
#include "support/QStringPrinter.h"
#include "TagEditorRig.h"

namespace {

using TagField::Album;
using TagField::Artist;
using TagField::Comment;
using TagField::Title;
using TagField::Year;
using Button = TagEditor::Button;

// Presets with only the title ticked, set to `title`, and an unticked artist.
TagPresets titlePreset(const QString& title, bool overwrite) {
    TagPresets presets;
    presets.setValue(Title, title);
    presets.setTicked(Title, true);
    presets.setValue(Artist, QStringLiteral("not ticked"));
    presets.setTicked(TagPresets::kOverwriteItem, overwrite);
    return presets;
}

// Commands 0..5 read the file's name and folders; a folder's name loses
// what follows a dot, and command 1 stops after the album when there is no
// folder above.
TEST(TagAutoFill, NameCommandsReadTheFileAndItsFolders) {
    const struct {
        int command;
        const char* path;
        const char *title, *artist, *album;
        bool presetsFollow;
    } cases[] = {
        {0, "/d/Pop/Ann/Blue Sky.mp3", "Blue Sky", "Ann", "old album", true},
        {1, "/d/Pop/Ann/Blue Sky.mp3", "Blue Sky", "Pop", "Ann", true},
        {1, "/Ann/Blue Sky.mp3", "Blue Sky", "", "Ann", true},
        {1, "Blue Sky.mp3", "Blue Sky", "old artist", "", false},
        {0, "/d/A.B/Blue Sky.mp3", "Blue Sky", "A", "old album", true},
        {2, "/d/Ann - Blue Sky.mp3", "Blue Sky", "Ann", "old album", true},
        {3, "/d/Ann - Blue Sky.mp3", "Ann", "Blue Sky", "old album", true},
        {4, "/d/Ann - Blue Sky.mp3", "", "", "old album", true},
        {4, "/d/Blue Sky ~ Ann ~ x.mp3", "Blue Sky", "Ann ~ x", "old album", true},
        {5, "/d/Ann~Blue Sky.mp3", "Blue Sky", "Ann", "old album", true},
    };
    for (const auto& c : cases) {
        TagTexts fields{QStringLiteral("old title"), QStringLiteral("old artist"), QStringLiteral("old album"),
                        QStringLiteral("1999"), QStringLiteral("c")};
        int genre = 3;
        const bool follow = TagAutoFill::run(c.command, QString::fromUtf8(c.path), {2004, {}}, fields, genre);
        const std::string where = std::to_string(c.command) + " on " + c.path;
        EXPECT_EQ(fields[Title], QString::fromUtf8(c.title)) << where;
        EXPECT_EQ(fields[Artist], QString::fromUtf8(c.artist)) << where;
        EXPECT_EQ(fields[Album], QString::fromUtf8(c.album)) << where;
        EXPECT_EQ(follow, c.presetsFollow) << where;
        EXPECT_EQ(fields[Year] + fields[Comment], QStringLiteral("1999c")) << where << ": untouched fields";
        EXPECT_EQ(genre, 3) << where;
    }
}

TEST(TagAutoFill, ShortcutCommandsFillYearGenreAndSongLength) {
    const struct { int command; int field; const char* text; int genre; } cases[] = {
        {6, Year, "2004", 3}, {7, Year, "1999", 13}, {8, Year, "1999", 17}, {9, Comment, "3:25.50", 3},
    };
    for (const auto& c : cases) {
        TagTexts fields;
        fields[Year] = QStringLiteral("1999");
        int genre = 3;
        EXPECT_TRUE(TagAutoFill::run(c.command, QStringLiteral("/d/a.mp3"), {2004, QStringLiteral("3:25.50")},
                                     fields, genre));
        EXPECT_EQ(fields[static_cast<size_t>(c.field)], QString::fromUtf8(c.text)) << "command " << c.command;
        EXPECT_EQ(genre, c.genre) << "command " << c.command;
    }
}

TEST(TagGenres, ListNumbersAndTheNoGenreItem) {
    const QStringList& items = TagGenres::items();
    ASSERT_EQ(items.size(), 149);
    EXPECT_EQ(items[13], QStringLiteral("Pop"));
    EXPECT_EQ(items[17], QStringLiteral("Rock"));
    EXPECT_EQ(items[147], QStringLiteral("Synthpop"));
    EXPECT_EQ(items[148], QStringLiteral("\"沒有類型\""));
    const struct { int number, item; quint8 stored; } cases[] = {
        {0, 0, 0}, {13, 13, 13}, {147, 147, 147}, {148, 148, 255}, {149, 148, 255}, {255, 148, 255}, {-1, 148, 255},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TagGenres::itemForNumber(c.number), c.item) << c.number;
        EXPECT_EQ(TagGenres::numberForItem(TagGenres::itemForNumber(c.number)), c.stored) << c.number;
    }
}

// Loading shows the tag's fields, its genre item and number, and says so
// in the title bar; genre bytes past the list show "no genre".
TEST(TagEditor, LoadShowsTheTagAndItsGenre) {
    const struct { const char* name; bool tagged; quint8 genre; int item; const char* number; } cases[] = {
        {"pop", true, 13, 13, "13"}, {"byte 149", true, 149, 148, "255"}, {"byte 255", true, 255, 148, "255"},
        {"untagged", false, 0, 0, "0"},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        const QString path = c.tagged ? rig.song(QStringLiteral("Blue Sky.mp3"), QStringLiteral("藍天"),
                                                 QStringLiteral("Ann"), c.genre)
                                      : rig.song(QStringLiteral("Blue Sky.mp3"));
        ASSERT_TRUE(rig.editor.LoadTagFields(path)) << c.name;
        EXPECT_EQ(rig.model.field(Title), c.tagged ? QStringLiteral("藍天") : QString()) << c.name;
        EXPECT_EQ(rig.model.byteCount(Title), c.tagged ? 4 : 0) << c.name;
        EXPECT_EQ(rig.model.genreItem(), c.item) << c.name;
        EXPECT_EQ(rig.model.genreNumberText(), QString::fromUtf8(c.number)) << c.name;
        EXPECT_EQ(rig.model.currentLink(), path) << c.name;
        EXPECT_EQ(rig.model.title(), QStringLiteral("MP3 ID3 TAG 1 標籤修改器 v1.4 [Blue Sky 己載入] (13:30:00)"));
        EXPECT_TRUE(rig.messages().isEmpty()) << c.name;
    }
}

TEST(TagEditor, MissingFilesAreReportedOnLoadAndSave) {
    TagEditorRig rig;
    const QString missing = rig.dir.path(QStringLiteral("gone.mp3"));
    for (const QString& path : {missing, QStringLiteral("  "), rig.dir.path()}) {
        rig.fakes.dialogs.messages.clear();
        EXPECT_FALSE(rig.editor.LoadTagFields(path));
        EXPECT_FALSE(rig.editor.SaveTagFields(path));
        EXPECT_EQ(rig.messages(), QStringList(2, QStringLiteral("檔案不存在!\r\n") + path)) << "load and save";
        EXPECT_EQ(rig.fakes.dialogs.messages.value(0).icon, MsgIcon::Critical);
    }
    EXPECT_FALSE(QFileInfo::exists(missing)) << "nothing is created";
}

// Counters turn dark red past 30 bytes (4 for the year); saving then names
// the first over-long field and writes nothing.
TEST(TagEditor, OverLongFieldsAreRefusedByNumber) {
    const struct { int field; QString text; int bytes; const char* code; } cases[] = {
        {Title, QStringLiteral("一二三四五六七八九十一二三四五六"), 32, "0"},
        {Year, QStringLiteral("20045"), 5, "3"},
        {Comment, QString(31, u'c'), 31, "4"},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        const QString path = rig.song(QStringLiteral("a.mp3"), QStringLiteral("Old"), QStringLiteral("Ann"));
        ASSERT_TRUE(rig.editor.LoadTagFields(path));
        const QByteArray before = readWholeFile(path);
        rig.editor.txtInput_Change(c.field, c.text);
        EXPECT_EQ(rig.model.byteCount(c.field), c.bytes) << c.code;
        EXPECT_TRUE(rig.model.overLength(c.field)) << c.code;
        rig.editor.txtInput_Change(Artist, QString(31, u'a'));  // a later field is not the one reported
        EXPECT_FALSE(rig.editor.SaveTagFields(path));
        ASSERT_EQ(rig.messages().size(), 1) << c.code;
        EXPECT_EQ(rig.messages()[0], QStringLiteral("所輸入的字串過長, 請維持在30個字元之內(年份欄最多4個字元).\r\n錯誤碼:") +
                                         QString::fromUtf8(c.field < Artist ? c.code : "1"));
        EXPECT_EQ(readWholeFile(path), before) << c.code;
    }
    TagEditorRig rig;
    rig.editor.txtInput_Change(Title, QString(30, u't'));
    rig.editor.txtInput_Change(Year, QStringLiteral("2004"));
    EXPECT_FALSE(rig.model.overLength(Title)) << "30 bytes fit";
    EXPECT_FALSE(rig.model.overLength(Year)) << "4 bytes fit";
}

// The genre caption asks for a number: 0..147 choose that genre, up to 255
// "no genre"; anything outside, and a cancelled box, change nothing.
TEST(TagEditor, GenreNumberTypedOnTheCaption) {
    const struct { const char* answer; int item; const char* number; } cases[] = {
        {"13", 13, "13"}, {"200", 148, "255"}, {"300", 5, "5"}, {"-1", 5, "5"}, {"147.5", 148, "255"},
        {"12.5", 12, "12"}, {"abc", 0, "0"}, {"", 5, "5"}, {"255", 148, "255"},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        rig.editor.ComGender_Click(5);
        rig.fakes.dialogs.inputAnswers.push_back(QString::fromUtf8(c.answer));
        rig.editor.lblInput_MouseUp(5, Button::Left);
        ASSERT_EQ(rig.fakes.dialogs.inputs.size(), 1);
        EXPECT_EQ(rig.fakes.dialogs.inputs[0].prompt, QStringLiteral("請輸入歌曲類型號碼[0-255]"));
        EXPECT_EQ(rig.model.genreItem(), c.item) << "answer " << c.answer;
        EXPECT_EQ(rig.model.genreNumberText(), QString::fromUtf8(c.number)) << "answer " << c.answer;
    }
    TagEditorRig rig;
    rig.editor.ComGender_Click(5);
    rig.editor.lblInput_MouseUp(5, Button::Right);
    EXPECT_EQ(rig.model.genreItem(), TagGenres::kNoGenreItem);
    EXPECT_EQ(rig.model.genreNumberText(), QStringLiteral("255"));
}

TEST(TagEditor, FieldCaptionsTrimOrEmptyTheirField) {
    TagEditorRig rig;
    QSignalSpy focus(&rig.model, &TagEditorModel::focusField);
    rig.editor.txtInput_Change(Artist, QStringLiteral("  Ann  "));
    rig.editor.txtInput_Change(Album, QStringLiteral(" Sky "));
    rig.editor.lblInput_MouseUp(Artist, Button::Left);
    EXPECT_EQ(rig.model.field(Artist), QStringLiteral("Ann"));
    EXPECT_EQ(rig.model.byteCount(Artist), 3);
    rig.editor.lblInput_MouseUp(Album, Button::Right);
    EXPECT_EQ(rig.model.field(Album), QString());
    EXPECT_EQ(rig.model.byteCount(Album), 0);
    ASSERT_EQ(focus.size(), 1);
    EXPECT_EQ(focus[0][0].toInt(), int(Album));
}

// Ticked presets fill blank fields after every load; the overwrite switch
// makes them replace typed text too.
TEST(TagEditor, PresetsFillBlankFieldsOrOverwriteWhenSwitchedOn) {
    const struct { bool overwrite; const char* fileTitle; const char* shown; } cases[] = {
        {false, "", "X"}, {false, "Y", "Y"}, {true, "Y", "X"}, {true, "", "X"},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        rig.model.setPresets(titlePreset(QStringLiteral("X"), c.overwrite));
        const QString path = rig.song(QStringLiteral("a.mp3"), QString::fromUtf8(c.fileTitle), QStringLiteral("Ann"));
        ASSERT_TRUE(rig.editor.LoadTagFields(path));
        const std::string where = std::string(c.overwrite ? "overwrite, " : "") + "title '" + c.fileTitle + "'";
        EXPECT_EQ(rig.model.field(Title), QString::fromUtf8(c.shown)) << where;
        EXPECT_EQ(rig.model.field(Artist), QStringLiteral("Ann")) << where;
    }
}

TEST(TagEditor, PresetItemsAreEditedByRightClickAndUsedByLeftClick) {
    TagEditorRig rig;
    EXPECT_EQ(rig.model.presets().itemText(Title), QStringLiteral("Title     []"));
    EXPECT_EQ(rig.model.presets().itemText(Comment), QStringLiteral("Comment   []"));
    rig.fakes.dialogs.inputAnswers = {QStringLiteral("Ann"), QString()};
    rig.editor.listAutoFill2_MouseDown(Artist, Button::Right);
    ASSERT_EQ(rig.fakes.dialogs.inputs.size(), 1);
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].prompt, QStringLiteral("請輸入要預設的資料\r\nArtist    []"));
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].title, QStringLiteral("False"));
    EXPECT_EQ(rig.model.presets().itemText(Artist), QStringLiteral("Artist    [Ann]"));
    EXPECT_TRUE(rig.model.presets().ticked(Artist));
    rig.editor.listAutoFill2_MouseDown(Artist, Button::Right);  // cancelled
    EXPECT_EQ(rig.fakes.dialogs.inputs[1].title, QStringLiteral("True"));
    EXPECT_EQ(rig.fakes.dialogs.inputs[1].defaultAnswer, QStringLiteral("Ann"));
    EXPECT_EQ(rig.model.presets().value(Artist), QStringLiteral("Ann")) << "a cancelled box keeps the value";
    rig.editor.txtInput_Change(Artist, QStringLiteral("Bob"));
    rig.editor.listAutoFill2_MouseDown(Artist, Button::Left);
    EXPECT_EQ(rig.model.field(Artist), QStringLiteral("Ann"));
    rig.editor.listAutoFill2_MouseDown(TagPresets::kOverwriteItem, Button::Right);
    EXPECT_EQ(rig.fakes.dialogs.inputs.size(), 2) << "the overwrite switch holds no value";
}

// A command's click runs the ticked presets after it, except when command 1
// stopped early; command 7 shows Pop and its number.
TEST(TagEditor, AutoFillClicksRunThePresetsAfterTheCommand) {
    const struct { int command; const char* path; const char* title; const char* artist; } cases[] = {
        {0, "/d/Pop/Ann/Blue Sky.mp3", "P", "Ann"}, {1, "Blue Sky.mp3", "Blue Sky", ""},
        {7, "/d/Blue Sky.mp3", "P", ""},
    };
    for (const auto& c : cases) {
        TagEditorRig rig;
        rig.model.setPresets(titlePreset(QStringLiteral("P"), true));
        rig.model.setCurrentLink(QString::fromUtf8(c.path));
        rig.editor.listAutoFill_Click(c.command);
        EXPECT_EQ(rig.model.field(Title), QString::fromUtf8(c.title)) << "command " << c.command;
        EXPECT_EQ(rig.model.field(Artist), QString::fromUtf8(c.artist)) << "command " << c.command;
        EXPECT_EQ(rig.model.byteCount(Title), rig.model.field(Title).size()) << "command " << c.command;
    }
    TagEditorRig rig;
    rig.editor.listAutoFill_Click(7);
    EXPECT_EQ(rig.model.genreItem(), 13);
    EXPECT_EQ(rig.model.genreNumberText(), QStringLiteral("13"));
}

TEST(TagEditor, ClipboardPicturesCopyAndPasteOneField) {
    TagEditorRig rig;
    rig.editor.txtInput_Change(Album, QStringLiteral("藍天"));
    rig.editor.imgCopytxtInput_Click(Album);
    EXPECT_EQ(rig.fakes.clipboard.text(), QStringLiteral("藍天"));
    EXPECT_EQ(rig.fakes.clipboard.clears, 1);
    rig.fakes.clipboard.setText(QStringLiteral("Ann Lee"));
    rig.editor.imgPastetxtInput_Click(Artist);
    EXPECT_EQ(rig.model.field(Artist), QStringLiteral("Ann Lee"));
    EXPECT_EQ(rig.model.byteCount(Artist), 7);
}

}  // namespace
