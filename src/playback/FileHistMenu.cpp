#include "playback/FileHistMenu.h"

#include <QMenu>

#include "app/AppState.h"
#include "playback/SongPlayer.h"
#include "playback/TransportModel.h"

FileHistMenu::FileHistMenu(QMenu* fileMenu, SongPlayer& player, const AppState& state, const TransportModel& model,
                           QObject* parent)
    : QObject(parent) {
    menu_ = fileMenu->addMenu(QStringLiteral("最近播放的檔案"));
    menu_->setObjectName(QStringLiteral("mnuFileHistList"));
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        QAction* action = menu_->addAction(FileHistory::caption(i, QString()));
        action->setObjectName(QStringLiteral("mnuFileHist(%1)").arg(i));
        connect(action, &QAction::triggered, this, [&player, i] { player.mnuFileHist_Click(i); });
        entries_[static_cast<size_t>(i)] = action;
    }
    connect(&model, &TransportModel::fileHistChanged, this, [this, &state] { refresh(state.FileHist); });
}

void FileHistMenu::refresh(const FileHistory::List& list) {
    for (int i = 1; i <= FileHistory::kEntries; ++i) {
        // Paths may hold "&", which must not turn into a shortcut mark.
        QString caption = FileHistory::caption(i, list[static_cast<size_t>(i)]);
        entries_[static_cast<size_t>(i)]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        entries_[static_cast<size_t>(i)]->setData(list[static_cast<size_t>(i)]);
    }
}
