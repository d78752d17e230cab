// The renamer's window logic: which files it takes from the browser, the
// boxes that follow each other, editing one entry, and the execute button's
// run, refusal and failure, each ending with every file under a real name.
// The checks and the run themselves are RenameRunTest's.
#include <gtest/gtest.h>

#include "rename/RenameController.h"
#include "rename/RenameRun.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileOperations.h"
#include "support/FakeSeams.h"
#include "support/QStringPrinter.h"

namespace {

using namespace Qt::StringLiterals;

class QuietProgress final : public RenameProgress {
public:
    void showAction(const QString&) override {}
    void showProgress(qsizetype, qsizetype) override {}
};

QStringList namesFrom(int first, int last, const QString& suffix) {
    QStringList names;
    for (int i = first; i <= last; ++i) names << QString::number(i) + suffix;
    return names;
}

// The controller over a browser showing /music.
struct ControllerRig {
    // The browser shows `names`; `selected` of them are selected.
    void showInBrowser(const QStringList& names, const QStringList& selected = {}) {
        browser.folder = u"/music"_s;
        browser.names = names;
        for (const QString& name : selected) browser.selected << u"/music/"_s + name;
        files.addFiles(u"/music/"_s, names);
        controller.Form_Load();
    }
    void typeTemplate(const QString& text) {
        controller.boxes().templateText = text;
        controller.PreviewTemplate();
    }
    // Types each new name into its entry.
    void editNames(const QStringList& after) {
        controller.cmdDirectCopy_Click();
        controller.listAfter_Click(0);
        for (const QString& name : after) controller.txtEdit_Enter(name);
    }

    FakeBrowser browser;
    FakeDialogs dialogs;
    FakeFileOperations files;
    QuietProgress progress;
    RenameController controller{browser, dialogs, files};
};

struct RenameControllerTest : ::testing::Test, ControllerRig {};

TEST(RenameControllerOpening, TakesTheSelectedFilesOrAllOfThemInListOrder) {
    const QStringList ten = namesFrom(1, 10, u".mp3"_s);
    const struct {
        const char* what;
        QStringList selected;
        QStringList expected;
    } cases[] = {
        {"three selected", {u"2.mp3"_s, u"5.mp3"_s, u"9.mp3"_s}, {u"2.mp3"_s, u"5.mp3"_s, u"9.mp3"_s}},
        {"none selected", {}, ten},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.showInBrowser(ten, c.selected);
        EXPECT_EQ(rig.controller.before(), c.expected) << c.what;
        EXPECT_EQ(rig.controller.folder(), u"/music/"_s) << c.what;
        EXPECT_EQ(rig.controller.caption(), u"批次檔案命名 [/music/]"_s) << c.what;
        EXPECT_TRUE(rig.controller.after().isEmpty()) << c.what;
    }
}

TEST_F(RenameControllerTest, BoxesFollowTheFileCountTheFirstNumberTheCodesAndDoubleClicks) {
    showInBrowser(namesFrom(1, 12, u".mp3"_s));
    EXPECT_EQ(controller.boxes().firstNumber, u"1"_s);
    EXPECT_EQ(controller.boxes().lastNumber, u"12"_s);
    EXPECT_EQ(controller.boxes().length, u"2"_s);
    controller.boxes().templateText = u"Track#"_s;
    controller.boxes().firstNumber = u"9"_s;
    controller.boxes().length = u"1"_s;
    controller.firstNumberChanged();
    EXPECT_EQ(controller.boxes().lastNumber, u"20"_s);
    EXPECT_EQ(controller.after().first(), u"Track9"_s);
    controller.numberDoubleClicked();
    EXPECT_EQ(controller.boxes().firstNumber, u"10"_s);
    EXPECT_EQ(controller.boxes().lastNumber, u"21"_s);
    controller.lengthDoubleClicked();
    EXPECT_EQ(controller.boxes().length, u"2"_s);
    EXPECT_EQ(controller.after().first(), u"Track10"_s);
    controller.boxes().firstCode = u"65"_s;
    controller.boxes().lastCode = u"90"_s;
    controller.codeChanged();
    EXPECT_EQ(controller.boxes().codeRange, u"A-Z"_s);
    controller.boxes().lastCode = u"999"_s;
    controller.codeChanged();
    EXPECT_EQ(controller.boxes().codeRange, u"A-Z"_s) << "an invalid code leaves the shown range";
}

TEST_F(RenameControllerTest, ATemplateKeyDiscardsEarlierFunctionsAndEdits) {
    showInBrowser({u"a.mp3"_s, u"b.mp3"_s});
    controller.cmdDirectCopy_Click();
    EXPECT_EQ(controller.after(), controller.before());
    controller.listFunction_Click(NameFunction::Upper);
    EXPECT_EQ(controller.after(), (QStringList{u"A.MP3"_s, u"B.MP3"_s}));
    typeTemplate(u"x#"_s);
    EXPECT_EQ(controller.after(), (QStringList{u"x1"_s, u"x2"_s}));
}

// Enter stores the trimmed edit and moves to the next entry, after the last
// to the first; without a chosen entry it changes nothing.
TEST_F(RenameControllerTest, EnterStoresTheTrimmedEditAndMovesOn) {
    showInBrowser({u"a"_s, u"b"_s, u"c"_s});
    controller.cmdDirectCopy_Click();
    controller.listAfter_Click(1);
    EXPECT_EQ(controller.editText(), u"b"_s);
    controller.txtEdit_Enter(u"  B2  "_s);
    EXPECT_EQ(controller.chosenEntry(), 2);
    EXPECT_EQ(controller.editText(), u"c"_s);
    controller.txtEdit_Enter(u"C2"_s);
    EXPECT_EQ(controller.chosenEntry(), 0) << "after the last entry comes the first";
    EXPECT_EQ(controller.after(), (QStringList{u"a"_s, u"B2"_s, u"C2"_s}));
    controller.listAfter_Click(5);
    controller.txtEdit_Enter(u"z"_s);
    EXPECT_EQ(controller.chosenEntry(), -1) << "no such entry";
    EXPECT_EQ(controller.after(), (QStringList{u"a"_s, u"B2"_s, u"C2"_s})) << "no such entry";
}

// The execute button: a refused run keeps the window open and touches
// nothing; every other run refreshes the browser and closes, and a failure
// puts every file back and says why.
TEST(RenameControllerExecute, RefusalsAndFailuresAreToldAndEveryFileKeepsARealName) {
    const QStringList abc{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s};
    const struct {
        const char* what;
        QStringList before, after;
        QSet<int> failing;  // rename steps the file system refuses
        bool closes;
        QStringList namesAfter;
        MsgIcon icon;
        QString messageHas;
    } cases[] = {
        {"no files", {}, {}, {}, true, {}, MsgIcon::Critical, u"沒有選擇任何檔案!"_s},
        {"collision in the batch", abc, {u"A.txt"_s, u"B.txt"_s, u"A.txt"_s}, {}, false, abc, MsgIcon::Exclamation,
         u"新檔名 A.txt 與第 1 項重複"_s},
        {"fails half way, in phase 2", abc, {u"x"_s, u"y"_s, u"z"_s}, {5}, true, abc, MsgIcon::Critical,
         u"無法將 _ZEL1 改名為 y。\r\n已將全部檔案改回原本的檔名。"_s},
        {"renamed", abc, {u"x"_s, u"y"_s, u"z"_s}, {}, true, {u"x"_s, u"y"_s, u"z"_s}, MsgIcon::None, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerRig rig;
        rig.showInBrowser(c.before);
        rig.editNames(c.after);
        rig.files.failRenameNumbers = c.failing;
        EXPECT_EQ(rig.controller.cmdExecute_Click(rig.progress), c.closes);
        EXPECT_EQ(rig.browser.calls, c.closes ? QStringList{u"refresh"_s} : QStringList());
        EXPECT_EQ(rig.files.namesIn(u"/music/"_s), c.namesAfter);
        if (c.messageHas.isEmpty()) {
            EXPECT_EQ(rig.dialogs.messages.size(), 0);
            continue;
        }
        ASSERT_EQ(rig.dialogs.messages.size(), 1);
        EXPECT_TRUE(rig.dialogs.messages[0].text.contains(c.messageHas)) << rig.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(rig.dialogs.messages[0].icon, c.icon);
    }
}

}  // namespace
