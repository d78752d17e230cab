#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include "app/AppOptions.h"
#include "app/AppState.h"
#include "common/DataFolder.h"
#include "platform/Translucency.h"
#include "support/FakeSeams.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"
#include "ui/AppearanceOptions.h"
#include "ui/AppearanceWindow.h"

namespace {

// The window as the appearance changes it: every call in `calls`.
class RecordingLook final : public AppearanceWindow, public WindowLayering {
public:
    bool isMaximized() const override { return maximized; }
    void setTopMost(bool on) override { calls << QStringLiteral("topMost %1").arg(int(on)); }
    bool showBackgroundPicture(const QString& path) override {
        calls << QStringLiteral("picture ") + QFileInfo(path).fileName();
        return picturesLoad;
    }
    void setListColours(const ListColours& c) override {
        calls << QStringLiteral("colours %1,%2,%3 %4,%5,%6 %7,%8,%9")
                     .arg(c.listBackground.red).arg(c.listBackground.green).arg(c.listBackground.blue)
                     .arg(c.listText.red).arg(c.listText.green).arg(c.listText.blue)
                     .arg(c.nameLabelText.red).arg(c.nameLabelText.green).arg(c.nameLabelText.blue);
    }
    bool setLayeredAlpha(quint8 alpha) override {
        calls << QStringLiteral("alpha %1").arg(alpha);
        return layersWork;
    }
    bool clearLayered() override {
        calls << QStringLiteral("opaque");
        return layersWork;
    }

    QStringList calls;
    bool maximized = false;
    bool picturesLoad = true;
    bool layersWork = true;
};

class AppearanceTest : public ::testing::Test {
protected:
    AppearanceTest() : previousDataDir_(qgetenv("CORVANE_DATA_DIR")) {
        qputenv("CORVANE_DATA_DIR", data_.path().toLocal8Bit());
        QDir().mkpath(DataFolder::backgroundFolder());
    }
    ~AppearanceTest() override { qputenv("CORVANE_DATA_DIR", previousDataDir_); }

    void placePictures(const QStringList& names) {
        for (const QString& name : names) data_.writeFile(QStringLiteral("Back/") + name, "picture");
    }

    QByteArray previousDataDir_;
    TempDir data_;
    FakeServices fakes;
    RecordingStatusLine status;
    FakeBrowser browser;
    RecordingLook look;
    AppState state;
    AppOptions options{state};
    AppearanceOptions appearance{state, fakes.dialogs, fakes.clock, status, {options, browser, look, look}};
};

const QStringList kAllPictures{"Morning.jpg", "Noon.jpg", "Afternoon.jpg", "Night.jpg", "Daybreak.jpg", "Midday.jpg"};

// Mode 0 takes the picture from the hour: the six pictures repeat every six
// hours; each fixed picture brings its list colours.
TEST_F(AppearanceTest, ModeZeroPicksThePictureByTheHour) {
    placePictures(kAllPictures);
    const struct {
        QTime time;
        const char* picture;
        const char* colours;
    } rows[] = {
        {{14, 30}, "Afternoon.jpg", "colours 0,0,255 255,255,255 255,255,0"},
        {{23, 59}, "Midday.jpg", "colours 0,0,255 255,255,255 255,255,0"},
        {{0, 0}, "Morning.jpg", "colours 0,0,128 128,128,255 255,0,0"},
        {{9, 0}, "Night.jpg", "colours 0,0,128 128,128,255 255,255,0"},
        {{1, 0}, "Noon.jpg", "colours 0,0,64 128,128,255 255,255,0"},
        {{22, 0}, "Daybreak.jpg", "colours 0,0,128 128,128,255 255,255,0"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.time.toString().toStdString());
        look.calls.clear();
        fakes.clock.setTime(r.time);
        appearance.SetBackground(0, QString());
        EXPECT_EQ(look.calls, (QStringList{QStringLiteral("picture ") + QLatin1String(r.picture),
                                           QLatin1String(r.colours)}));
    }
}

// A missing or unreadable picture, an unknown mode or an empty chosen path
// change nothing; a chosen picture elsewhere is shown and keeps the colours.
TEST_F(AppearanceTest, BackgroundsThatCannotBeShownChangeNothing) {
    placePictures({"Morning.jpg", "Noon.jpg"});
    TempDir elsewhere;
    const QString own = elsewhere.writeFile(QStringLiteral("mine.png"), "picture");
    const struct {
        const char* name;
        qint16 mode;
        QString path;
        bool loads;
        QStringList calls;
    } rows[] = {
        {"Night.jpg missing", 5, {}, true, {}},
        {"mode 8", 8, {}, true, {}},
        {"mode -1", -1, {}, true, {}},
        {"mode 1 without a path", 1, {}, true, {}},
        {"mode 1 with a missing file", 1, elsewhere.path(QStringLiteral("gone.png")), true, {}},
        {"mode 1 elsewhere", 1, own, true, {QStringLiteral("picture mine.png")}},
        {"mode 1 by its name in the folder", 1, QStringLiteral("Noon.jpg"), true, {QStringLiteral("picture Noon.jpg")}},
        {"unreadable picture", 2, {}, false, {QStringLiteral("picture Morning.jpg")}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        look.calls.clear();
        look.picturesLoad = r.loads;
        appearance.SetBackground(r.mode, r.path);
        EXPECT_EQ(look.calls, r.calls);
    }
}

TEST(Translucency, OpacityOutsideTheByteChangesNothing) {
    const struct {
        qint16 opacity;
        bool works;
        qint32 result;
        QStringList calls;
    } rows[] = {
        {256, true, Frm_Transparent::kOutOfRange, {}},
        {-1, true, Frm_Transparent::kOutOfRange, {}},
        {0, true, Frm_Transparent::kDone, {QStringLiteral("alpha 0")}},
        {255, true, Frm_Transparent::kDone, {QStringLiteral("alpha 255")}},
        {150, false, Frm_Transparent::kPlatformError, {QStringLiteral("alpha 150")}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.opacity);
        RecordingLook look;
        look.layersWork = r.works;
        EXPECT_EQ(Frm_Transparent::SetTranslucency(look, r.opacity), r.result);
        EXPECT_EQ(look.calls, r.calls);
    }
    RecordingLook failing;
    failing.layersWork = false;
    EXPECT_EQ(Frm_Transparent::ClearTranslucency(failing), Frm_Transparent::kPlatformError);
}

// The translucency entry ticks and unticks whatever the window system says.
TEST_F(AppearanceTest, TheTranslucencyEntryTogglesEvenWithoutLayeredWindows) {
    look.layersWork = false;
    appearance.mnuZELFunction_Click(0);
    EXPECT_TRUE(appearance.translucencyChecked());
    appearance.mnuZELFunction_Click(0);
    EXPECT_FALSE(appearance.translucencyChecked());
    EXPECT_EQ(look.calls, (QStringList{QStringLiteral("alpha 150"), QStringLiteral("opaque")}));
}

// Stay-on-top is refused while the window is maximised, with a message, and
// granted once the window is restored.
TEST_F(AppearanceTest, StayOnTopIsRefusedWhileMaximised) {
    look.maximized = true;
    appearance.mnuZELFunction_Click(1);
    EXPECT_FALSE(appearance.topMostChecked());
    EXPECT_TRUE(look.calls.isEmpty());
    EXPECT_EQ(status.status(), QStringLiteral("程式目前正在最大化狀態，不能最上層顯示."));
    look.maximized = false;
    appearance.mnuZELFunction_Click(1);
    EXPECT_TRUE(appearance.topMostChecked());
    look.maximized = true;  // once on, it always goes off
    appearance.mnuZELFunction_Click(1);
    EXPECT_FALSE(appearance.topMostChecked());
    EXPECT_EQ(look.calls, (QStringList{QStringLiteral("topMost 1"), QStringLiteral("topMost 0")}));
}

// The start-up choice: the option's tag and the status line; the background
// on screen does not change.
TEST_F(AppearanceTest, TheStartUpBackgroundChoiceStoresTheTag) {
    TempDir pictures;
    const QString own = pictures.writeFile(QStringLiteral("mine.jpg"), "picture");
    const struct {
        const char* name;
        int entry;
        QString answer;
        QString tag;
        int entryAfter;
        QString status;
    } rows[] = {
        {"Night.jpg", 5, {}, QStringLiteral("5"), 5, {}},
        {"cancelled dialog", 1, {}, QStringLiteral("5"), 5, {}},
        {"chosen picture", 1, own, QStringLiteral("1|") + own, 1, QStringLiteral("已經設置程式起始背景檔案為 (mine.jpg)")},
        {"typed missing name", 1, pictures.path(QStringLiteral("typo.jpg")),
         QStringLiteral("1|") + pictures.path(QStringLiteral("typo.jpg")), 1, QStringLiteral("已經設置程式起始背景檔案為 ()")},
        {"by the hour", 0, {}, QStringLiteral("0"), 0, {}},
        {"entry 8 does not exist", 8, {}, QStringLiteral("0"), 0, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        status.history.clear();
        if (r.entry == 1) fakes.dialogs.saveAnswers.push_back(r.answer);
        appearance.mnuOptComboList3_Click(r.entry);
        EXPECT_EQ(state.options.backgroundTag, r.tag);
        EXPECT_EQ(state.options.backgroundEntry, r.entryAfter);
        EXPECT_EQ(status.status(), r.status);
    }
    ASSERT_FALSE(fakes.dialogs.saveRequests.isEmpty());
    EXPECT_EQ(fakes.dialogs.saveRequests.last().title, QStringLiteral("選擇背景檔案"));
    EXPECT_FALSE(fakes.dialogs.saveRequests.last().confirmOverwrite) << "an existing picture is chosen, not replaced";
    EXPECT_TRUE(look.calls.isEmpty()) << "nothing changes on screen";
}

// The immediate background shows a picture now; the start-up choice stays.
TEST_F(AppearanceTest, TheImmediateBackgroundShowsAtOnce) {
    placePictures(kAllPictures);
    TempDir pictures;
    const QString own = pictures.writeFile(QStringLiteral("mine.jpg"), "picture");
    appearance.mnuOptComboList4_Click(1);  // cancelled
    EXPECT_TRUE(look.calls.isEmpty());
    fakes.dialogs.saveAnswers.push_back(own);
    appearance.mnuOptComboList4_Click(1);
    appearance.mnuOptComboList4_Click(3);
    EXPECT_EQ(look.calls, (QStringList{QStringLiteral("picture mine.jpg"), QStringLiteral("picture Noon.jpg"),
                                       QStringLiteral("colours 0,0,64 128,128,255 255,255,0")}));
    EXPECT_EQ(state.options.backgroundTag, QStringLiteral("0"));
}

TEST_F(AppearanceTest, TheStartFolderMustExist) {
    TempDir folders;
    const QString music = folders.makeDir(QStringLiteral("music"));
    state.InitDir = QStringLiteral("/old");
    browser.folder = QStringLiteral("/shown");
    const struct {
        const char* name;
        QString answer;
        QString initDir;
        QString status;
    } rows[] = {
        {"cancelled", {}, QStringLiteral("/old"), {}},
        {"blanks only", QStringLiteral("   "), QStringLiteral("/old"), {}},
        {"missing", folders.path(QStringLiteral("gone")), QStringLiteral("/old"),
         QStringLiteral("所輸入路徑不存在! (") + folders.path(QStringLiteral("gone")) + QStringLiteral(")")},
        {"existing, with blanks around", QStringLiteral("  ") + music + QStringLiteral(" "), music,
         QStringLiteral("起始路徑更改成功! (") + music + QStringLiteral(")")},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        status.history.clear();
        fakes.dialogs.inputAnswers.push_back(r.answer);
        appearance.mnuOptStr_Click();
        EXPECT_EQ(state.InitDir, r.initDir);
        EXPECT_EQ(status.status(), r.status);
    }
    ASSERT_FALSE(fakes.dialogs.inputs.isEmpty());
    EXPECT_EQ(fakes.dialogs.inputs.first().prompt, QStringLiteral("請輸入起始路徑\r\n原本路徑: /old"));
    EXPECT_EQ(fakes.dialogs.inputs.first().defaultAnswer, QStringLiteral("/shown"));
}

}  // namespace
