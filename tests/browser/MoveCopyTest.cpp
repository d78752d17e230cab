#include <gtest/gtest.h>

#include "FileCommandsRig.h"
#include "browser/FileCommandTexts.h"

namespace {

using namespace Qt::StringLiterals;
using FileCommandTexts::kTransferFailed;
using Overwrite = MoveCopyController::Overwrite;

QString progress(const char* name, int number, int total) {
    return FileCommandTexts::transferProgress(QString::fromUtf8(name), number, total);
}

class MoveCopyTest : public ::testing::Test, protected FileCommandsRig {
protected:
    QString summary(bool move, int files, int overwritten, int skipped) const {
        return FileCommandTexts::transferSummary(move, dest + u'/', files + skipped, overwritten, skipped);
    }
};

// Opening tells which kind was chosen and starts the destination at the folder being browsed; cancelling closes.
TEST_F(MoveCopyTest, OpeningAndCancellingThePanel) {
    for (const int kind : {0, 1}) {
        moveCopy.mnuFileCopy_Click(kind);
        EXPECT_EQ(status.status(), u"請選擇目的地資料夾 [%1]"_s.arg(kind));
        EXPECT_TRUE(moveCopy.isOpen()) << kind;
        EXPECT_EQ(navigator.dir2Rows().path(), src) << kind;
        moveCopy.cmdFCCancel_Click();
        EXPECT_FALSE(moveCopy.isOpen()) << kind;
        EXPECT_EQ(status.status(), u"已取消移動/複製檔案"_s);
    }
    moveCopy.mnuFileCopy_Click(1);
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(status.status(), u"沒有選擇檔案或資料夾內沒有檔案"_s) << "nothing selected";
    EXPECT_FALSE(moveCopy.isOpen()) << "running closes the panel";
}

// Three files copied: one progress text each, then the summary; the copies hold the sources' bytes.
TEST_F(MoveCopyTest, CopyingThreeFiles) {
    selectAll();
    openPanel(1, dest);
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(status.history.mid(status.history.size() - 4),
              (QStringList{progress("a.mp3", 1, 3), progress("b.mp3", 2, 3), progress("c.mp3", 3, 3),
                           u"檔案複製成功 [%1/], 複製了共3個檔案, 0個被覆寫, 0個被略過."_s.arg(dest)}));
    EXPECT_EQ(onDisk(dest), (QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s})) << "no temporary name is left";
    EXPECT_EQ(readWholeFile(inDest(u"b.mp3"_s)), "b.mp3");
    EXPECT_EQ(onDisk(src).size(), 3) << "a copy keeps the sources";
}

// The three rules for a file that exists at the destination, with the progress texts each leaves.
TEST_F(MoveCopyTest, OverwriteRules) {
    const struct {
        const char* rule;
        Overwrite overwrite;
        std::deque<int> answers;
        QStringList progressTexts;
        QString summary;
        QByteArray bOnDisk, cOnDisk;
        int questions;
        bool cExists;
    } rows[] = {
        {"skip: no question, the existing file is passed over", Overwrite::Skip, {},
         {progress("a.mp3", 1, 3), progress("c.mp3", 3, 3)}, summary(false, 2, 0, 1), "old b", "c.mp3", 0, false},
        {"replace: no question", Overwrite::Replace, {},
         {progress("a.mp3", 1, 3), progress("b.mp3", 2, 3), progress("c.mp3", 3, 3)}, summary(false, 3, 1, 0),
         "b.mp3", "c.mp3", 0, false},
        {"ask: No for b, Yes for c", Overwrite::Ask, {MsgResult::No, MsgResult::Yes},
         {progress("a.mp3", 1, 3), progress("c.mp3", 3, 3)}, summary(false, 2, 1, 1), "old b", "c.mp3", 2, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        QDir(dest).removeRecursively();
        dir.writeFile(u"dest/b.mp3"_s, "old b");
        if (row.cExists) dir.writeFile(u"dest/c.mp3"_s, "old c");
        dialogs.messages.clear();
        dialogs.messageAnswers = row.answers;
        status.history.clear();
        selectAll();
        openPanel(1, dest);
        moveCopy.setOverwrite(row.overwrite);
        moveCopy.cmdFCNext_Click();
        EXPECT_EQ(status.history.mid(1, status.history.size() - 2), row.progressTexts);
        EXPECT_EQ(status.status(), row.summary);
        EXPECT_EQ(readWholeFile(inDest(u"b.mp3"_s)), row.bOnDisk);
        EXPECT_EQ(readWholeFile(inDest(u"c.mp3"_s)), row.cOnDisk);
        ASSERT_EQ(dialogs.messages.size(), row.questions);
        if (row.questions > 0) {
            EXPECT_EQ(dialogs.messages.first().text, u"目的地資料夾已和來源檔相同檔名的檔案存在 (b.mp3) , 要取代?"_s);
        }
    }
}

// Cancel on the second of three files while moving: the first is moved, nothing else happens, no summary, and the
// list is not re-read.
TEST_F(MoveCopyTest, CancelOnTheSecondOfThree) {
    dir.writeFile(u"dest/b.mp3"_s, "old b");
    selectAll();
    openPanel(0, dest);
    dialogs.messageAnswers = {MsgResult::Cancel};
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(status.status(), progress("a.mp3", 1, 3)) << "the last progress text stays";
    EXPECT_EQ(onDisk(src), (QStringList{u"b.mp3"_s, u"c.mp3"_s}));
    EXPECT_EQ(onDisk(dest), (QStringList{u"a.mp3"_s, u"b.mp3"_s}));
    EXPECT_EQ(readWholeFile(inDest(u"b.mp3"_s)), "old b");
    EXPECT_EQ(navigator.fileNames().size(), 3) << "the file list is not re-read";
}

// A move stays in the source folder, whose list loses the moved files, unless the folder is to be entered.
TEST_F(MoveCopyTest, AfterAMoveTheBrowserShowsSourceOrDestination) {
    const QString count = navigator.countText();
    select({0, 2});
    openPanel(0, dest);
    moveCopy.setEnterDir(false);
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(status.status(), summary(true, 2, 0, 0));
    EXPECT_EQ(navigator.dir1Rows().path(), src);
    EXPECT_EQ(navigator.fileNames(), QStringList{u"b.mp3"_s});
    EXPECT_EQ(navigator.countText(), count) << "the count label is not updated";

    select({0});
    openPanel(0, dest);
    moveCopy.setEnterDir(true);
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(navigator.dir1Rows().path(), dest) << "entered";
    EXPECT_EQ(navigator.fileNames(), (QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}));
    EXPECT_TRUE(onDisk(src).isEmpty());
}

// The destination being the source folder: every file is skipped, even when the rule is to replace, and none is lost.
TEST_F(MoveCopyTest, OntoItselfIsSkipped) {
    for (const int kind : {0, 1}) {
        selectAll();
        openPanel(kind, src);
        moveCopy.setOverwrite(Overwrite::Replace);
        moveCopy.cmdFCNext_Click();
        EXPECT_EQ(status.status(), FileCommandTexts::transferSummary(kind == 0, src + u'/', 3, 0, 3)) << kind;
        EXPECT_EQ(readWholeFile(inSrc(u"a.mp3"_s)), "a.mp3") << kind;
        EXPECT_EQ(onDisk(src).size(), 3) << kind;
    }
}

// More than 254 selected files are all handled and counted.
TEST_F(MoveCopyTest, MoreThan254Files) {
    for (int i = 0; i < 297; ++i) dir.writeFile(u"src/n%1.txt"_s.arg(i, 3, 10, QChar(u'0')), "x");
    navigator.refresh();
    selectAll();
    openPanel(1, dest);
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(status.status(), summary(false, 300, 0, 0));
    EXPECT_EQ(onDisk(dest).size(), 300);
}

class MoveCopyFaultTest : public ::testing::Test, protected FileCommandsRig {
protected:
    MoveCopyFaultTest() : FileCommandsRig(false) {}
};

// The destination at the root: one separator in the summary.
TEST_F(MoveCopyFaultTest, RootDestinationHasOneSeparator) {
    fake.addFolder(u"/"_s);
    select({0});
    openPanel(1, u"/"_s);
    moveCopy.cmdFCNext_Click();
    EXPECT_EQ(status.status(), u"檔案複製成功 [/], 複製了共1個檔案, 0個被覆寫, 0個被略過."_s);
    EXPECT_TRUE(fake.isFile(u"/a.mp3"_s));
}

// Failures stop the run where they happen: files handled stay handled, the failed file's source is whole, nothing
// follows, no summary is written and no temporary copy is left.
TEST(MoveCopyFaults, AFailureStopsTheRunAndLosesNothing) {
    const struct {
        const char* fault;
        int kind;
        std::function<void(FileCommandsRig&)> inject;
        QStringList srcAfter, destAfter;
    } rows[] = {
        {"destination not writable (copy)", 1, [](FileCommandsRig& r) { r.fake.failKinds = {u"copy"_s}; },
         {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, {}},
        {"destination not writable (move by rename)", 0, [](FileCommandsRig& r) { r.fake.failPaths = {r.inDest(u"a.mp3"_s)}; },
         {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, {}},
        {"source vanishes mid-run", 1,
         [](FileCommandsRig& r) {
             r.fake.beforeStep = [&r](const QString& step) {
                 if (step.contains(u"a.mp3"_s)) r.fake.paths.remove(r.inSrc(u"b.mp3"_s));
             };
         },
         {u"a.mp3"_s, u"c.mp3"_s}, {u"a.mp3"_s}},
        {"target taken by a folder", 0, [](FileCommandsRig& r) { r.fake.addFolder(r.inDest(u"b.mp3"_s)); },
         {u"b.mp3"_s, u"c.mp3"_s}, {u"a.mp3"_s, u"b.mp3"_s}},
        {"copy fails half way, move across file systems", 0,
         [](FileCommandsRig& r) {
             r.fake.otherVolumes = {r.dest};
             r.fake.copiesFailHalfWay = true;
             r.fake.failNumbers[u"copy"_s] = {2};
         },
         {u"b.mp3"_s, u"c.mp3"_s}, {u"a.mp3"_s}},
        {"the source cannot go after its copy", 0,
         [](FileCommandsRig& r) {
             r.fake.otherVolumes = {r.dest};
             r.fake.failNumbers[u"remove"_s] = {1};
         },
         {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, {u"a.mp3"_s}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fault);
        FileCommandsRig rig(false);
        row.inject(rig);
        rig.selectAll();
        rig.openPanel(row.kind, rig.dest);
        rig.moveCopy.cmdFCNext_Click();
        EXPECT_EQ(rig.status.status(), kTransferFailed);
        rig.fake.failPaths.clear();
        EXPECT_EQ(rig.fake.namesIn(rig.src + u'/'), row.srcAfter);
        EXPECT_EQ(rig.fake.namesIn(rig.dest + u'/'), row.destAfter) << rig.fake.steps.join(u'\n').toStdString();
        for (const QString& name : rig.fake.namesIn(rig.dest + u'/')) {
            if (rig.fake.isFile(rig.inDest(name))) {
                EXPECT_EQ(rig.fake.bytes.value(rig.inDest(name)), name.toUtf8()) << name.toStdString();
            }
        }
        EXPECT_EQ(rig.navigator.fileNames().size(), 3) << "the lists are not re-read";
    }
}

// Within one file system a move is a rename; across file systems the copy goes to a temporary name first and the
// source goes only after the copy took the target's name.
TEST_F(MoveCopyFaultTest, MoveIsARenameWithinOneFileSystem) {
    select({0});
    openPanel(0, dest);
    moveCopy.cmdFCNext_Click();
    EXPECT_TRUE(fake.steps.isEmpty()) << fake.steps.join(u'|').toStdString();
    EXPECT_EQ(fake.renames, QStringList{inSrc(u"a.mp3"_s) + u" -> "_s + inDest(u"a.mp3"_s)});

    // The browser still lists a.mp3, which the fake has moved.
    fake.otherVolumes = {dest};
    fake.renames.clear();
    select({1});
    openPanel(0, dest);
    moveCopy.cmdFCNext_Click();
    const QString part = dest + u"/.corvane-part-1"_s;
    EXPECT_EQ(fake.steps, (QStringList{u"copy "_s + inSrc(u"b.mp3"_s) + u" -> "_s + part,
                                       u"remove "_s + inSrc(u"b.mp3"_s)}));
    EXPECT_EQ(fake.renames, QStringList{part + u" -> "_s + inDest(u"b.mp3"_s)});
}

}  // namespace
