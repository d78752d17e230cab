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
