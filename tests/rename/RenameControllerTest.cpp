// The renamer's window logic: which files it takes from the browser, the
// boxes that follow each other, editing one entry, and the execute button's
// run, refusal and failure, each ending with every file under a real name.
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

struct RenameControllerTest : ::testing::Test {
    // The browser shows `names` in /music; `selected` of them are selected.
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
    bool execute() { return controller.cmdExecute_Click(progress); }
    QString lastMessage() const { return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text; }

    FakeBrowser browser;
    FakeDialogs dialogs;
    FakeFileOperations files;
    QuietProgress progress;
    RenameController controller{browser, dialogs, files};
};

TEST_F(RenameControllerTest, OpeningTakesTheSelectedFilesOrAllOfThemInListOrder) {
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
        FakeBrowser fresh;
        RenameController opened(fresh, dialogs, files);
        fresh.folder = u"/music"_s;
        fresh.names = ten;
        for (const QString& name : c.selected) fresh.selected << u"/music/"_s + name;
        opened.Form_Load();
        EXPECT_EQ(opened.before(), c.expected) << c.what;
        EXPECT_EQ(opened.folder(), u"/music/"_s) << c.what;
        EXPECT_EQ(opened.caption(), u"批次檔案命名 [/music/]"_s) << c.what;
        EXPECT_TRUE(opened.after().isEmpty()) << c.what;
    }
}

TEST_F(RenameControllerTest, OpeningFillsTheNumberDefaultsFromTheFileCount) {
    showInBrowser(namesFrom(1, 12, u".mp3"_s));
    EXPECT_EQ(controller.boxes().firstNumber, u"1"_s);
    EXPECT_EQ(controller.boxes().lastNumber, u"12"_s);
    EXPECT_EQ(controller.boxes().length, u"2"_s);
}

TEST_F(RenameControllerTest, AnEmptyBrowserGivesEmptyListsAndTheNoFilesMessage) {
    controller.Form_Load();
    typeTemplate(u"#"_s);
    EXPECT_TRUE(controller.before().isEmpty());
    EXPECT_TRUE(controller.after().isEmpty());
    EXPECT_TRUE(execute()) << "the window closes after the message";
    EXPECT_EQ(lastMessage(), u"沒有選擇任何檔案!"_s);
    EXPECT_EQ(dialogs.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(browser.calls, QStringList{u"refresh"_s});
}

TEST_F(RenameControllerTest, BoxesFollowTheFirstNumberTheCodesAndDoubleClicks) {
    showInBrowser(namesFrom(1, 12, u".mp3"_s));
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

TEST_F(RenameControllerTest, EnterStoresTheTrimmedEditAndMovesToTheNextEntryThenTheFirst) {
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
}

TEST_F(RenameControllerTest, EnterWithoutAChosenEntryChangesNothing) {
    showInBrowser({u"a"_s});
    controller.cmdDirectCopy_Click();
    controller.listAfter_Click(5);
    controller.txtEdit_Enter(u"z"_s);
    EXPECT_EQ(controller.after(), QStringList{u"a"_s});
    EXPECT_EQ(controller.chosenEntry(), -1);
}

TEST_F(RenameControllerTest, ASwapRenamesBothFilesAndRefreshesTheBrowser) {
    showInBrowser({u"a.mp3"_s, u"b.mp3"_s});
    controller.cmdDirectCopy_Click();
    controller.listAfter_Click(0);
    controller.txtEdit_Enter(u"b.mp3"_s);
    controller.txtEdit_Enter(u"a.mp3"_s);
    EXPECT_EQ(controller.ExecuteRename(progress), RenameController::RunResult::Renamed);
    EXPECT_EQ(files.renames.size(), 4);
    EXPECT_EQ(files.renames.at(2), u"/music/_ZEL0 -> /music/b.mp3"_s);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

struct FaultCase {
    const char* what;
    QStringList after;
    QStringList others;
    QSet<int> failing;  // rename steps the file system refuses
    RenameController::RunResult result;
    QString messageHas;
};

TEST_F(RenameControllerTest, FaultsEndWithEveryFileUnderARealNameAndAMessageSayingWhy) {
    const QStringList before{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s};
    using R = RenameController::RunResult;
    const FaultCase cases[] = {
        {"collision in the batch", {u"A.txt"_s, u"B.txt"_s, u"A.txt"_s}, {}, {}, R::Refused, u"新檔名 A.txt 與第 1 項重複"_s},
        {"target owned by another file", {u"x"_s, u"keep"_s, u"z"_s}, {u"keep"_s}, {}, R::Refused,
         u"新檔名 keep 已是資料夾中其他檔案的名稱"_s},
        {"file system refuses the first rename", {u"x"_s, u"y"_s, u"z"_s}, {}, {1}, R::Failed,
         u"無法將 a.mp3 改名為 _ZEL0。"_s},
        {"fails half way, in phase 2", {u"x"_s, u"y"_s, u"z"_s}, {}, {5}, R::Failed, u"無法將 _ZEL1 改名為 y。"_s},
    };
    for (const FaultCase& c : cases) {
        FakeBrowser freshBrowser;
        FakeDialogs freshDialogs;
        FakeFileOperations fs;
        RenameController run(freshBrowser, freshDialogs, fs);
        freshBrowser.folder = u"/music"_s;
        freshBrowser.names = before;
        fs.addFiles(u"/music/"_s, before + c.others);
        run.Form_Load();
        run.cmdDirectCopy_Click();
        for (qsizetype i = 0; i < c.after.size(); ++i) {
            run.listAfter_Click(i);
            run.txtEdit_Enter(c.after.at(i));
        }
        fs.failRenameNumbers = c.failing;
        EXPECT_EQ(run.ExecuteRename(progress), c.result) << c.what;
        QStringList expected = before + c.others;
        expected.sort();
        EXPECT_EQ(fs.namesIn(u"/music/"_s), expected) << c.what;
        ASSERT_EQ(freshDialogs.messages.size(), 1) << c.what;
        EXPECT_TRUE(freshDialogs.messages.first().text.contains(c.messageHas))
            << c.what << ": " << freshDialogs.messages.first().text.toStdString();
        if (c.result == R::Failed) {
            EXPECT_TRUE(freshDialogs.messages.first().text.endsWith(u"已將全部檔案改回原本的檔名。"_s)) << c.what;
        }
    }
}

TEST_F(RenameControllerTest, ARefusedRunKeepsTheWindowOpenAndTouchesNothing) {
    showInBrowser({u"a"_s, u"b"_s});
    typeTemplate(u"same"_s);
    EXPECT_FALSE(execute());
    EXPECT_TRUE(files.renames.isEmpty());
    EXPECT_TRUE(browser.calls.isEmpty());
    EXPECT_EQ(dialogs.messages.last().icon, MsgIcon::Exclamation);
}

TEST_F(RenameControllerTest, AFailedRunStillRefreshesTheBrowserAndCloses) {
    showInBrowser({u"a"_s});
    typeTemplate(u"x"_s);
    files.failRenameNumbers = {2};
    EXPECT_TRUE(execute());
    EXPECT_EQ(browser.calls, QStringList{u"refresh"_s});
    EXPECT_EQ(files.namesIn(u"/music/"_s), QStringList{u"a"_s});
}

TEST_F(RenameControllerTest, ANewNameListShorterThanTheFilesIsRefused) {
    showInBrowser({u"a"_s, u"b"_s});
    EXPECT_EQ(controller.ExecuteRename(progress), RenameController::RunResult::Refused);
    EXPECT_TRUE(lastMessage().contains(u"第 1 項 a: 新檔名是空的"_s));
    EXPECT_TRUE(lastMessage().contains(u"第 2 項 b: 新檔名是空的"_s));
}

}  // namespace
