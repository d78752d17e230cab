#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>

#include "common/DataFolder.h"
#include "lyrics/Frm_Lyric.h"
#include "lyrics/LyricEditorModel.h"
#include "support/FakeServices.h"
#include "support/QStringPrinter.h"
#include "ui/Frm_Main.h"

namespace {

struct Entry {
    int index;
    QString caption;
    bool enabled;
    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* os) {
    *os << "(" << e.index << ", " << e.caption.toStdString() << ", " << (e.enabled ? "on" : "off") << ")";
}

// The numbered entries of `family` in `menu`, in menu order.
QList<Entry> numbered(QMenu* menu, const QString& family) {
    const QRegularExpression indexed(u'^' + family + QStringLiteral("\\((\\d+)\\)$"));
    QList<Entry> entries;
    for (QAction* action : menu->actions()) {
        const QRegularExpressionMatch match = indexed.match(action->objectName());
        if (match.hasMatch()) entries.append({match.captured(1).toInt(), action->text(), action->isEnabled()});
    }
    return entries;
}

// Whatever order the windows behind them were added in, the tools and help
// menus list their entries by index, and every tool window exists.
TEST(ToolsMenu, EveryEntryInIndexOrderWithItsCaptionAndEnabled) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    EXPECT_EQ(numbered(window.menu(MainMenu::Tools), QStringLiteral("mnuTools")),
              (QList<Entry>{{0, QStringLiteral("MP3 ID3 Tag 1 修改器"), true},
                            {1, QStringLiteral("歌詞編輯器"), true},
                            {2, QStringLiteral("進入安全模式"), true},
                            {3, QStringLiteral("編輯資料夾捷徑 (DirFav.ini)"), true},
                            {4, QStringLiteral("命令提示字元"), true},
                            {5, QStringLiteral("互聯網遙距控制"), true}}));
    QList<int> help;
    for (const Entry& entry : numbered(window.menu(MainMenu::Help), QStringLiteral("mnuHelp"))) help << entry.index;
    EXPECT_EQ(help, (QList<int>{0, 1, 2, 3, 4, 5}));
}

// The two editor entries reach the one lyric editor window: "歌詞編輯器"
// shows it, "編輯資料夾捷徑 (DirFav.ini)" turns it to the shortcut file.
TEST(ToolsMenu, TheEditorEntriesOpenTheLyricEditor) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    QMenu* tools = window.menu(MainMenu::Tools);
    const auto entry = [&](int index) {
        return tools->findChild<QAction*>(QStringLiteral("mnuTools(%1)").arg(index));
    };
    const auto editors = [] {
        QList<Frm_Lyric*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* editor = qobject_cast<Frm_Lyric*>(w); editor && editor->isVisible()) shown << editor;
        return shown;
    };
    ASSERT_TRUE(entry(1));
    ASSERT_TRUE(entry(3));
    entry(1)->trigger();
    ASSERT_EQ(editors().size(), 1) << "the lyric editor entry";
    entry(3)->trigger();
    ASSERT_EQ(editors().size(), 1) << "the shortcut entry reuses the open editor";
    EXPECT_EQ(editors().constFirst()->model().finalLink(), DataFolder::dirFavFile());
    editors().constFirst()->close();
}

}  // namespace
