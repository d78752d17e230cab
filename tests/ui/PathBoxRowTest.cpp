#include <gtest/gtest.h>

#include <QWidget>

#include "support/FakeServices.h"
#include "ui/Frm_Main.h"

namespace {

// The row under the browser and the playlist gathers controls of three
// parts: the frame's path box and status line, the browser's clipboard
// pictures and open button, the playlist's copy picture. In the full mode
// each is shown, inside the window, and none covers another.
TEST(PathBoxRow, TheFullModeRowShowsEveryControlWithoutOverlap) {
    FakeServices fakes;
    Frm_Main window{fakes.services};
    window.show();
    QList<QWidget*> row;
    for (const char* name : {"txtFileLink", "imgClipFileLink", "imgCopySongLink", "cmdPlaySpecificSong", "txtState"})
        row << window.centralWidget()->findChildren<QWidget*>(QLatin1String(name));
    ASSERT_EQ(row.size(), 6) << "path box, two clipboard pictures, copy picture, open button, status line";
    const QRect canvas = window.centralWidget()->rect();
    for (int i = 0; i < row.size(); ++i) {
        const QRect place = row[i]->geometry();
        SCOPED_TRACE(row[i]->objectName().toStdString() + " at x " + std::to_string(place.x()));
        EXPECT_TRUE(row[i]->isVisible());
        EXPECT_TRUE(canvas.contains(place));
        for (int j = i + 1; j < row.size(); ++j)
            EXPECT_FALSE(place.intersects(row[j]->geometry())) << "covers " << row[j]->objectName().toStdString();
    }
}

}  // namespace
