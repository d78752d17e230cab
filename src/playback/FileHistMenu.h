#pragma once

#include <QObject>

#include <array>

#include "playback/FileHistory.h"

class QAction;
class QMenu;
class SongPlayer;
class TransportModel;
struct AppState;

// The recent-files entries mnuFileHist(1)..(10) in a sub-menu of the file
// menu; each shows "i. path" and starts its path when chosen. It redraws
// whenever song start changes the list.
class FileHistMenu : public QObject {
    Q_OBJECT
public:
    FileHistMenu(QMenu* fileMenu, SongPlayer& player, const AppState& state, const TransportModel& model,
                 QObject* parent = nullptr);

    void refresh(const FileHistory::List& list);
    QMenu* menu() const { return menu_; }
    QAction* entry(int index) const { return entries_[static_cast<size_t>(index)]; }

private:
    QMenu* menu_ = nullptr;
    std::array<QAction*, FileHistory::kEntries + 1> entries_{};
};
