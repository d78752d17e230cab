#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "DataFolderScope.h"
#include "app/Frm_SaveMode.h"
#include "app/OptionFile.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"

namespace {

struct CheckerWindow {
    CheckerWindow() { window.Form_Load(); }
    QListWidget* list(const char* name) { return window.findChild<QListWidget*>(QLatin1String(name)); }
    QStringList rows(const char* name) {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i) texts << list(name)->item(i)->text();
        return texts;
    }
    // The text of a label or button; empty when there is no such widget.
    QString text(const char* name) {
        const QWidget* widget = window.findChild<QWidget*>(QLatin1String(name));
        return widget ? widget->property("text").toString() : QString();
    }

    FakeDialogs dialogs;
    FakeLauncher launcher;
    Frm_SaveMode window{dialogs, launcher, nullptr, nullptr};
};

TEST(SaveModeWindow, ShowsItsCaptionsListsAndChangedRows) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    CheckerWindow w;
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("安全模式"));
    const struct {
        const char *name, *caption;
    } captions[] = {
        {"lblListTMP", "原本變數 (Option.ini)"}, {"lblListDefault", "預設變數"},
        {"lblListCurrent", "更改後的變數"},      {"lblListOptName", "變數所對應之選項 (14項)"},
        {"cmdAppDefOpt", "載入預設選項"},        {"cmdCompareOpt", "升級舊的選項"},
        {"cmdSaveNewOpt", "儲存目前選項"},       {"cmdAppNewOpt", "使用新的選項重新執行程式"},
        {"cmdReloadOpt", "重新載入選項"},        {"cmdForceEntry", "強行進入程式 (不儲存選項)"},
        {"lblNote1", "若要將\"原本變數\"內的項目複製至\"更改後的變數\"欄內，請先在\"更改後的變數\"欄內點選將要取代的變數，"
                     "然後在\"原本變數\"欄內雙擊該目標(取代來源)變數。"},
    };
    for (const auto& c : captions) EXPECT_EQ(w.text(c.name), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(w.text("lblNote2"), QStringLiteral("本程式不涉及任何登錄檔(registry), 而本程式的變數、選項、歌詞都是儲存於[") +
                                      data.root() + QStringLiteral("]資料夾內。"));
    EXPECT_EQ(w.rows("ListOptName"), OptionFile::optionNames());
    EXPECT_EQ(w.rows("ListDefault"), OptionFile::defaultLines());
    EXPECT_EQ(w.rows("ListTMP").size(), 14);

    // Double-clicks change the rows shown.
    w.window.findChild<QPushButton*>(QStringLiteral("cmdAppDefOpt"))->click();
    w.window.ListCurrent_DblClick(0);
    EXPECT_EQ(w.list("ListCurrent")->item(0)->text(), QStringLiteral("#TRUE#"));

    // Copy the original start folder over the selected row.
    w.list("ListCurrent")->setCurrentRow(10);
    w.window.ListTMP_DblClick(10);
    EXPECT_EQ(w.list("ListCurrent")->item(10)->text(), QStringLiteral("/music/古典"));
    EXPECT_EQ(w.list("ListCurrent")->currentRow(), 10) << "the selection survives the refresh";

    // Nothing selected: nothing copied.
    w.list("ListCurrent")->clearSelection();
    const QStringList before = w.rows("ListCurrent");
    w.window.ListTMP_DblClick(7);
    EXPECT_EQ(w.rows("ListCurrent"), before);
}

}  // namespace
