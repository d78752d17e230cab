#include "ui/WindowMenus.h"

#include <QAction>
#include <QMenu>

#include "ui/AppearanceOptions.h"
#include "ui/WindowModeController.h"

namespace {

QString indexedName(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

}  // namespace

WindowMenus::WindowMenus(WindowModeController& modes, AppearanceOptions& appearance, QObject* parent)
    : QObject(parent), controller_(modes), appearance_(appearance) {
    connect(&appearance_, &AppearanceOptions::changed, this, &WindowMenus::sync);
}

void WindowMenus::addMenuEntries(const MainMenus& menus) {
    addModeEntries(menus.menu(MainMenu::Mode));
    addOptionEntries(menus.menu(MainMenu::Options));
    sync();
}

void WindowMenus::addModeEntries(QMenu* menu) {
    const QString modeCaptions[3] = {QStringLiteral("完整模式 (0)"), QStringLiteral("歌詞瀏覽模式 (1)"),
                                     QStringLiteral("簡易模式 (2)")};
    for (int i = 0; i < 3; ++i) {
        QAction* action = menu->addAction(modeCaptions[i]);
        action->setObjectName(indexedName("mnuZELMode", i));
        connect(action, &QAction::triggered, this, [this, i] { controller_.mnuZELMode_Click(i); });
        modes_[static_cast<size_t>(i)] = action;
    }
    menu->addSeparator();
    const QString functionCaptions[2] = {QStringLiteral("半透明 (Alpha Blend 只適用於Windows 2000/XP/2003)"),
                                         QStringLiteral("最上層顯示")};
    for (int i = 0; i < 2; ++i) {
        QAction* action = menu->addAction(functionCaptions[i]);
        action->setObjectName(indexedName("mnuZELFunction", i));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] {
            appearance_.mnuZELFunction_Click(i);
            sync();  // a click toggles the mark itself; the function decides it
        });
        functions_[static_cast<size_t>(i)] = action;
    }
}

void WindowMenus::addOptionEntries(QMenu* menu) {
    QAction* startFolder = menu->addAction(QStringLiteral("更改起始路徑"));
    startFolder->setObjectName(QStringLiteral("mnuOptStr"));
    connect(startFolder, &QAction::triggered, this, [this] { appearance_.mnuOptStr_Click(); });
    QMenu* backgrounds = menu->addMenu(QStringLiteral("更換背景 (\\Back)"));
    backgrounds->setObjectName(QStringLiteral("mnuOptCombo(4)"));
    const QString captions[7] = {QStringLiteral("選擇其它背景"), QStringLiteral("Morning.jpg"),
                                 QStringLiteral("Noon.jpg"),     QStringLiteral("Afternoon.jpg"),
                                 QStringLiteral("Night.jpg"),    QStringLiteral("Daybreak.jpg"),
                                 QStringLiteral("Midday.jpg")};
    for (int i = 0; i < 7; ++i) {
        const int entry = i + 1;
        QAction* action = backgrounds->addAction(captions[i]);
        action->setObjectName(indexedName("mnuOptComboList4", entry));
        connect(action, &QAction::triggered, this, [this, entry] { appearance_.mnuOptComboList4_Click(entry); });
    }
    menu->addSeparator();
}

void WindowMenus::applyWindowMode(WindowMode) { sync(); }

void WindowMenus::sync() {
    for (int i = 0; i < 3; ++i)
        if (QAction* action = modes_[static_cast<size_t>(i)]) action->setEnabled(controller_.entryEnabled(i));
    if (functions_[0]) functions_[0]->setChecked(appearance_.translucencyChecked());
    if (functions_[1]) functions_[1]->setChecked(appearance_.topMostChecked());
}
