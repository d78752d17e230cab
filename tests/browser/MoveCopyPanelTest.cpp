#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "FileCommandsRig.h"
#include "browser/BrowserPanel.h"
#include "browser/FolderListBox.h"
#include "browser/MoveCopyPanel.h"

namespace {

// The panel's controls show only while it is open and the window is in full
// mode, which a compact mode cancels; its choices reach the run.
TEST(MoveCopyPanel, ShowsWhileOpenInFullModeAndPassesChoicesOn) {
    FileCommandsRig rig;
    QWidget canvas;
    BrowserPanel browser(&canvas, rig.navigator);
    MoveCopyPanel panel(&canvas, rig.moveCopy, browser.Drive2(), browser.Dir2());
    canvas.show();
    const QList<QWidget*> controls{browser.Drive2(),        browser.Dir2(),         panel.optFCOverWrite(0),
                                   panel.optFCOverWrite(2), panel.chkFCEnterDir(), panel.cmdFCNext(),
                                   panel.cmdFCCancel()};
    const struct { const char* step; std::function<void()> act; bool shown; } steps[] = {
        {"closed at start", [] {}, false},
        {"opened", [&] { rig.moveCopy.mnuFileCopy_Click(1); }, true},
        {"a compact mode cancels it", [&] { panel.applyWindowMode(WindowMode::Simple); }, false},
        {"full mode again", [&] { panel.applyWindowMode(WindowMode::Full); }, false},
        {"opened again", [&] { rig.moveCopy.mnuFileCopy_Click(1); }, true},
        {"cancelled", [&] { QTest::mouseClick(panel.cmdFCCancel(), Qt::LeftButton); }, false},
    };
    for (const auto& step : steps) {
        step.act();
        for (QWidget* control : controls) EXPECT_EQ(control->isVisible(), step.shown) << step.step << " " << control->objectName().toStdString();
    }
    EXPECT_TRUE(panel.optFCOverWrite(0)->isChecked()) << "ask is the first choice";
    rig.moveCopy.mnuFileCopy_Click(0);
    QTest::mouseClick(panel.optFCOverWrite(2), Qt::LeftButton);
    QTest::mouseClick(panel.chkFCEnterDir(), Qt::LeftButton);
    EXPECT_EQ(rig.moveCopy.overwrite(), MoveCopyController::Overwrite::Skip);
    EXPECT_TRUE(rig.moveCopy.enterDir());
}

}  // namespace
