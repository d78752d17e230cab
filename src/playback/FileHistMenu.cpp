#include "playback/FileHistMenu.h"

#include <QMenu>

FileHistMenu::FileHistMenu(QMenu* fileMenu, std::function<void(int)> onClick, QObject* parent) : QObject(parent) {
    menu_ = fileMenu->addMenu(QStringLiteral("最近播放的檔案"));
    menu_->setObjectName(QStringLiteral("mnuFileHistList"));
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        QAction* action = menu_->addAction(FileHistory::caption(i, QString()));
        action->setObjectName(QStringLiteral("mnuFileHist(%1)").arg(i));
        connect(action, &QAction::triggered, this, [onClick, i] { onClick(i); });
        entries_[static_cast<size_t>(i)] = action;
    }
}

void FileHistMenu::refresh(const FileHistory::List& list) {
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        // Paths may hold "&", which must not turn into a shortcut mark.
        QString caption = FileHistory::caption(i, list[static_cast<size_t>(i)]);
        entries_[static_cast<size_t>(i)]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        entries_[static_cast<size_t>(i)]->setData(list[static_cast<size_t>(i)]);
    }
}
