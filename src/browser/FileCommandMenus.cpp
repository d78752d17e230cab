#include "browser/FileCommandMenus.h"

#include <QAction>
#include <QMenu>

#include <functional>

#include "browser/DirFavShortcuts.h"
#include "browser/FileCommands.h"
#include "browser/FolderListBox.h"
#include "browser/HelpCommands.h"
#include "browser/MoveCopyController.h"
#include "ui/widgets/MenuOrder.h"

FileCommandMenus::FileCommandMenus(Commands commands, FolderListBox* dir1, QObject* parent)
    : QObject(parent), commands_(commands), dir1_(dir1) {}

void FileCommandMenus::addMenuEntries(const MainMenus& menus) {
    addFileEntries(menus.menu(MainMenu::File));
    addShortcutEntries(menus.menu(MainMenu::GoTo));
    addHelpEntries(menus.menu(MainMenu::Help));
}

void FileCommandMenus::addFileEntries(QMenu* menu) {
    FileCommands& files = commands_.files;
    const struct {
        const char* name;
        int index;  // -1: not an array
        bool startsGroup;
        QString caption;
        std::function<void()> run;
    } entries[] = {
        {"mnuOpen", 0, false, QStringLiteral("開啟檔案"), [&files] { files.mnuOpen_Click(0); }},
        {"mnuOpen", 1, false, QStringLiteral("開啟檔案總管(資料夾路徑)"), [&files] { files.mnuOpen_Click(1); }},
        {"mnuFileRename", -1, true, QStringLiteral("重新命名"), [&files] { files.mnuFileRename_Click(); }},
        {"mnuFileDelete", -1, false, QStringLiteral("刪除檔案"), [&files] { files.mnuFileDelete_Click(); }},
        {"mnuFileCopy", 0, true, QStringLiteral("移動檔案至..."), [this] { commands_.moveCopy.mnuFileCopy_Click(0); }},
        {"mnuFileCopy", 1, false, QStringLiteral("複製檔案至..."), [this] { commands_.moveCopy.mnuFileCopy_Click(1); }},
        {"mnuDirEvents", 0, true, QStringLiteral("建立資料夾"), [this] { commands_.files.mnuDirEvents_Click(0, -1); }},
        {"mnuDirEvents", 1, false, QStringLiteral("移除資料夾"),
         [this] { commands_.files.mnuDirEvents_Click(1, dir1_ ? dir1_->ListIndex() : -1); }},
    };
    menu->addSeparator();
    for (const auto& entry : entries) {
        if (entry.startsGroup) menu->addSeparator();
        QAction* action = menu->addAction(entry.caption);
        const QString name = QLatin1String(entry.name);
        action->setObjectName(entry.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(entry.index));
        connect(action, &QAction::triggered, this, entry.run);
        if (qstrcmp(entry.name, "mnuFileCopy") == 0) moveCopyEntries_.append(action);
    }
}

void FileCommandMenus::applyWindowMode(WindowMode mode) {
    for (QAction* entry : std::as_const(moveCopyEntries_)) entry->setEnabled(!isCompact(mode));
}

void FileCommandMenus::addShortcutEntries(QMenu* menu) {
    DirFavShortcuts& shortcuts = commands_.shortcuts;
    for (int index = 1; index <= DirFavShortcuts::kReload; ++index) {
        if (index == DirFavShortcuts::kDataFolder) menu->addSeparator();
        QAction* action = menu->addAction(shortcuts.caption(index));
        action->setObjectName(QStringLiteral("mnuDirFav(%1)").arg(index));
        connect(action, &QAction::triggered, this, [&shortcuts, index] { shortcuts.mnuDirFav_Click(index); });
        shortcutEntries_.append(action);
    }
    drawShortcuts();
    connect(&shortcuts, &DirFavShortcuts::entriesChanged, this, &FileCommandMenus::drawShortcuts);
}

void FileCommandMenus::drawShortcuts() {
    // An entry not loaded is a blank row, which reads as nothing: it stays
    // out of sight until the file fills it.
    for (int i = 0; i < shortcutEntries_.size(); ++i) {
        const QString caption = commands_.shortcuts.caption(i + 1);
        shortcutEntries_.at(i)->setText(caption);
        shortcutEntries_.at(i)->setVisible(!caption.isEmpty());
    }
}

void FileCommandMenus::addHelpEntries(QMenu* menu) {
    const struct {
        int index;
        QString caption;
    } entries[] = {
        {1, QStringLiteral("反安裝程式資訊")},
        {3, QStringLiteral("查詢歌詞 (Yahoo! Hong Kong)")},
        {4, QStringLiteral("查詢歌詞 (Yahoo!)")},
        {5, QStringLiteral("瀏覽官方網頁")},
    };
    for (const auto& entry : entries) {
        auto* action = new QAction(entry.caption, menu);
        MenuOrder::insert(menu, action, QStringLiteral("mnuHelp"), entry.index);
        const int index = entry.index;
        connect(action, &QAction::triggered, this, [this, index] { commands_.help.mnuHelp_Click(index); });
    }
}
