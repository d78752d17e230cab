#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the playlist asks of the parts of the window it does not own. Every
// hook may be left empty; the playlist then simply skips that step.
struct PlaylistHooks {
    // The browser: refresh its drive, folder and file lists (refresh menu).
    std::function<void()> refreshBrowser;
    // The browser: show a folder (ChangeDirPath).
    std::function<void(const QString& folder)> changeDirPath;
    // The browser: full paths of the files in its file list, in list order.
    std::function<QStringList()> browserFiles;
    // The browser: open a file by its type (plays a song).
    std::function<void(const QString& path)> openByType;
    // The path box txtFileLink.
    std::function<void(const QString& text)> setFileLink;
    // The file details panel: the user picked this playlist entry; it shows
    // the path and the file's details when its details switch is on.
    std::function<void(const QString& path)> entryClicked;
    // The option menu "PlayList播放次數": choose entry 1..6
    // (mnuOptComboList0_Click). Empty: the playlist sets the value itself.
    std::function<void(int entry)> selectPassEntry;
};
