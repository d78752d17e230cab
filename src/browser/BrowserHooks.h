#pragma once

#include <QString>

#include <functional>

#include "browser/OpenByType.h"

// What the browser hands to the parts of the program that others own. Each
// hook may stay empty; the browser then leaves that step out.
struct BrowserHooks {
    // Alt + left click on the file list: add the selected files to the playlist.
    std::function<void()> addSelectedToPlaylist;
    // A file was clicked while the file details section is open.
    std::function<void(const QString& path)> showFileDetails;
    // Opening an existing file that is not a song (playlist, picture, text,
    // program, other); songs are started by the browser itself.
    std::function<void(const QString& path, OpenGroup group)> openOther;
};
