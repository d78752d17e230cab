#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

#include "support/FakeServices.h"
#include "support/QStringPrinter.h"
#include "ui/Frm_Main.h"

namespace {

// The tools menu lists its entries in the order of their indexes, whatever
// order the windows behind them were added in.
TEST(ToolsMenu, EntriesFollowTheirIndexes) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    const QRegularExpression indexed(QStringLiteral("^mnuTools\\((\\d+)\\)$"));
    QList<int> indexes;
    QStringList captions;
    for (QAction* action : window.menu(MainMenu::Tools)->actions()) {
        const QRegularExpressionMatch match = indexed.match(action->objectName());
        if (!match.hasMatch()) continue;
        indexes << match.captured(1).toInt();
        captions << action->text();
    }
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(indexes, sorted) << captions.join(u'|').toStdString();
    EXPECT_TRUE(captions.contains(QStringLiteral("互聯網遙距控制"))) << captions.join(u'|').toStdString();
    EXPECT_EQ(captions.value(indexes.indexOf(5)), QStringLiteral("互聯網遙距控制"));
}

}  // namespace

namespace {

// The numbered entries of `family` in `menu`, in menu order, with their enabled states.
QList<std::pair<int, bool>> numbered(QMenu* menu, const QString& family) {
    const QRegularExpression indexed(u'^' + family + QStringLiteral("\\((\\d+)\\)$"));
    QList<std::pair<int, bool>> entries;
    for (QAction* action : menu->actions()) {
        const QRegularExpressionMatch match = indexed.match(action->objectName());
        if (match.hasMatch()) entries.append({match.captured(1).toInt(), action->isEnabled()});
    }
    return entries;
}

// Tools 0 to 5 and help 0 to 5 are all present, in index order; the lyric editor's two entries wait, disabled, for
// the editor.
TEST(ToolsMenu, EveryEntryInOrderAndTheEditorsWaitingDisabled) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    using Entries = QList<std::pair<int, bool>>;
    EXPECT_EQ(numbered(window.menu(MainMenu::Tools), QStringLiteral("mnuTools")),
              (Entries{{0, true}, {1, false}, {2, true}, {3, false}, {4, true}, {5, true}}));
    const Entries help = numbered(window.menu(MainMenu::Help), QStringLiteral("mnuHelp"));
    QList<int> indexes;
    for (const auto& entry : help) indexes << entry.first;
    EXPECT_EQ(indexes, (QList<int>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
