#include "ui/StateInspectorPanel.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "app/StateInspector.h"
#include "app/TimerRegistry.h"
#include "common/Twips.h"
#include "playback/MultiMedia.h"

namespace {
constexpr int kIntervalMs = 500;
}

StateInspectorPanel::StateInspectorPanel(QWidget* canvas, const AppState& state, TimerRegistry& timers,
                                         MultiMedia& media, QObject* parent)
    : QObject(parent), state_(state), timers_(timers), media_(media) {
    list_ = new QListWidget(canvas);
    list_->setObjectName(QStringLiteral("ListVariable"));
    list_->setAccessibleName(QStringLiteral("程式變數"));
    // It lies over the browser column while shown.
    list_->setGeometry(Twips::rectToPx(120, 120, 3375, 7050));
    list_->hide();
    timer_.onTick = [this] { VariableTimer_Timer(); };
}

void StateInspectorPanel::addMenuEntries(const MainMenus& menus) {
    QMenu* helpMenu = menus.menu(MainMenu::Help);
    entry_ = new QAction(QStringLiteral("觀看變數"), helpMenu);
    entry_->setObjectName(QStringLiteral("mnuHelp(0)"));
    entry_->setCheckable(true);
    // It is the help menu's first entry, whatever is added to the menu later.
    const QList<QAction*> existing = helpMenu->actions();
    helpMenu->insertAction(existing.isEmpty() ? nullptr : existing.first(), entry_);
    // The check mark follows the inspector, not the click itself.
    connect(entry_, &QAction::triggered, this, [this] { mnuHelp0_Click(); });
}

void StateInspectorPanel::registerTimers(TimerRegistry& timers) { timers.add(QStringLiteral("VariableTimer"), &timer_); }

void StateInspectorPanel::mnuHelp0_Click() {
    const bool show = list_->isHidden();
    list_->setVisible(show);
    if (show) {
        list_->setGeometry(list_->x(), list_->y(), Twips::toPx(3375), Twips::toPx(7050));
        list_->raise();
        timer_.set(kIntervalMs, true);
        VariableTimer_Timer();
    } else {
        timer_.set(0, false);
    }
    entry_->setChecked(show);
}

void StateInspectorPanel::VariableTimer_Timer() {
    const int row = list_->currentRow();
    list_->clear();
    list_->addItems(StateInspector::lines(state_, timers_, media_.MMGetPosition(QString())));
    if (row >= 0 && row < list_->count()) list_->setCurrentRow(row);
}
