// The checks before a run and the two-phase run itself, on the file system
// fake: every case ends with every file under a real name, and a failure
// says why.
#include <gtest/gtest.h>

#include "rename/RenamePlan.h"
#include "rename/RenameRun.h"
#include "support/FakeFileOperations.h"
#include "support/QStringPrinter.h"

namespace {

using namespace Qt::StringLiterals;

const QString kFolder = u"/music/"_s;

class RecordingProgress final : public RenameProgress {
public:
    void showAction(const QString& text) override { lines << text; }
    void showProgress(qsizetype done, qsizetype total) override { last = u"%1/%2"_s.arg(done).arg(total); }
    QStringList lines;
    QString last;
};

struct RenameRunTest : ::testing::Test {
    RenamePlan planOf(const QStringList& before, const QStringList& after) {
        files.addFiles(kFolder, before);
        return RenamePlan{kFolder, before, after};
    }
    bool anyTemporaryLeft() const {
        for (const QString& name : files.namesIn(kFolder))
            if (name.startsWith(u"_ZEL"_s)) return true;
        return false;
    }
    FakeFileOperations files;
    RecordingProgress progress;
};

struct ProblemCase {
    const char* what;
    QStringList before;
    QStringList after;
    QStringList others;  // files of the folder outside the batch
    QString expected;    // the one problem found
};

TEST_F(RenameRunTest, EveryTargetThatWouldFailIsFoundBeforeAnyFileMoves) {
    const ProblemCase cases[] = {
        {"empty name", {u"a"_s, u"b"_s}, {u"x"_s, QString()}, {}, u"第 2 項 b: 新檔名是空的"_s},
        {"missing new name", {u"a"_s, u"b"_s}, {u"x"_s}, {}, u"第 2 項 b: 新檔名是空的"_s},
        {"repeated in the batch", {u"a"_s, u"b"_s, u"c"_s}, {u"A.txt"_s, u"B.txt"_s, u"A.txt"_s}, {},
         u"第 3 項 c: 新檔名 A.txt 與第 1 項重複"_s},
        {"taken by another file", {u"a"_s}, {u"keep.mp3"_s}, {u"keep.mp3"_s},
         u"第 1 項 a: 新檔名 keep.mp3 已是資料夾中其他檔案的名稱"_s},
        {"separator in the name", {u"a"_s}, {u"sub/x"_s}, {}, u"第 1 項 a: 新檔名 sub/x 不是有效的檔名"_s},
        {"dot-dot", {u"a"_s}, {u".."_s}, {}, u"第 1 項 a: 新檔名 .. 不是有效的檔名"_s},
        {"stale temporary name", {u"a"_s, u"b"_s}, {u"x"_s, u"y"_s}, {u"_ZEL1"_s},
         u"第 2 項 b: 暫存檔名 _ZEL1 已存在於資料夾中"_s},
        {"another position's temporary name", {u"a"_s, u"b"_s}, {u"_ZEL1"_s, u"y"_s}, {},
         u"第 1 項 a: 新檔名 _ZEL1 是改名時用的暫存檔名"_s},
    };
    for (const ProblemCase& c : cases) {
        FakeFileOperations fresh;
        files = fresh;
        files.addFiles(kFolder, c.others);
        const RenamePlan plan = planOf(c.before, c.after);
        EXPECT_EQ(findRenameProblems(plan, files), QStringList{c.expected}) << c.what;
        EXPECT_TRUE(files.renames.isEmpty()) << c.what;
    }
}

TEST_F(RenameRunTest, NamesTheBatchHasNowAndOwnTemporaryNamesAreNoProblem) {
    const struct {
        const char* what;
        QStringList before;
        QStringList after;
    } cases[] = {
        {"swap", {u"a.mp3"_s, u"b.mp3"_s}, {u"b.mp3"_s, u"a.mp3"_s}},
        {"shift", {u"1"_s, u"2"_s, u"3"_s}, {u"2"_s, u"3"_s, u"4"_s}},
        {"unchanged", {u"a"_s}, {u"a"_s}},
        {"a file already named after its own temporary name", {u"_ZEL0"_s}, {u"x"_s}},
        {"a new name that is its own temporary name", {u"a"_s}, {u"_ZEL0"_s}},
    };
    for (const auto& c : cases) {
        files = FakeFileOperations();
        EXPECT_EQ(findRenameProblems(planOf(c.before, c.after), files), QStringList()) << c.what;
    }
}

TEST_F(RenameRunTest, AFileGoneSinceTheWindowOpenedIsFound) {
    const RenamePlan plan{kFolder, {u"gone"_s}, {u"x"_s}};
    EXPECT_EQ(findRenameProblems(plan, files), QStringList{u"第 1 項 gone: 原本的檔案已不存在"_s});
}

TEST_F(RenameRunTest, RefusalListsTheFirstProblemsAndCountsTheRest) {
    QStringList problems;
    for (int i = 1; i <= 25; ++i) problems << u"problem %1"_s.arg(i);
    const QStringList lines = refusalMessage(problems).split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines.at(1), u"problem 1"_s);
    EXPECT_EQ(lines.at(20), u"problem 20"_s);
    EXPECT_EQ(lines.at(21), u"… 另有 5 個問題"_s);
}

TEST_F(RenameRunTest, SwapAndShiftWorkThroughTemporaryNames) {
    const RenamePlan plan = planOf({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, {u"b.mp3"_s, u"a.mp3"_s, u"d.mp3"_s});
    files.addFiles(kFolder, {u"other"_s});
    ASSERT_TRUE(RenameRun(files, progress).run(plan));
    EXPECT_EQ(files.namesIn(kFolder), (QStringList{u"a.mp3"_s, u"b.mp3"_s, u"d.mp3"_s, u"other"_s}));
    EXPECT_EQ(files.renames.first(), u"/music/a.mp3 -> /music/_ZEL0"_s);
    EXPECT_EQ(files.renames.last(), u"/music/_ZEL2 -> /music/d.mp3"_s);
    EXPECT_EQ(progress.lines, (QStringList{u"行動: 寫入暫存檔名中... "_s, u"行動: 寫入目標檔名中... "_s}));
    EXPECT_EQ(progress.last, u"3/3"_s);
}

TEST_F(RenameRunTest, ARenameRefusedAtAnyStepPutsEveryFileBackUnderItsOldName) {
    const QStringList before{u"a"_s, u"b"_s, u"c"_s};
    // Steps 1-3 are phase 1, 4-6 phase 2.
    for (int failing = 1; failing <= 6; ++failing) {
        files = FakeFileOperations();
        const RenamePlan plan = planOf(before, {u"c"_s, u"x"_s, u"a"_s});
        files.failRenameNumbers = {failing};
        RenameRun run(files, progress);
        EXPECT_FALSE(run.run(plan)) << "step " << failing;
        EXPECT_EQ(files.namesIn(kFolder), before) << "step " << failing;
        EXPECT_TRUE(run.failureMessage().contains(u"已將全部檔案改回原本的檔名。"_s)) << "step " << failing;
    }
}

TEST_F(RenameRunTest, TheFailureNamesTheRenameThatFailed) {
    const RenamePlan plan = planOf({u"a"_s, u"b"_s}, {u"x"_s, u"y"_s});
    files.failPaths.insert(kFolder + u"y"_s);
    RenameRun run(files, progress);
    ASSERT_FALSE(run.run(plan));
    EXPECT_EQ(run.failureMessage(), u"無法將 _ZEL1 改名為 y。\r\n已將全部檔案改回原本的檔名。"_s);
    EXPECT_FALSE(anyTemporaryLeft());
}

TEST_F(RenameRunTest, AFileThatCannotGoBackIsNamedOnceWithItsOldName) {
    const RenamePlan plan = planOf({u"a"_s, u"b"_s}, {u"x"_s, u"y"_s});
    // Steps: a->_ZEL0, b->_ZEL1, _ZEL0->x, _ZEL1->y fails; back: x->_ZEL0 fails, _ZEL1->b.
    files.failRenameNumbers = {4, 5};
    RenameRun run(files, progress);
    ASSERT_FALSE(run.run(plan));
    EXPECT_EQ(files.namesIn(kFolder), (QStringList{u"b"_s, u"x"_s}));
    EXPECT_EQ(run.failureMessage(),
              u"無法將 _ZEL1 改名為 y。\r\n下列檔案無法改回原本的檔名, 請自行改回:\r\nx (原本是 a)"_s);
}

}  // namespace
