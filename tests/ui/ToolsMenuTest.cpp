#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>

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

}  // namespace
