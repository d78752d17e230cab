#pragma once

#include <QObject>

#include <array>
#include <functional>

#include "playback/FileHistory.h"

class QAction;
class QMenu;

// The recent-files entries mnuFileHist(1)..(10) in a sub-menu of the file
// menu; each shows "i. path" and starts its path when chosen.
class FileHistMenu : public QObject {
    Q_OBJECT
public:
    FileHistMenu(QMenu* fileMenu, std::function<void(int index)> onClick, QObject* parent = nullptr);

    void refresh(const FileHistory::List& list);
    QMenu* menu() const { return menu_; }
    QAction* entry(int index) const { return entries_[static_cast<size_t>(index)]; }

private:
    QMenu* menu_ = nullptr;
    std::array<QAction*, FileHistory::kEntries + 1> entries_{};
};
