#pragma once

#include <QIcon>

// The small folder pictures of the folder list: open for the folders on
// the current path, closed for the subfolders.
class FolderIcon {
public:
    static QIcon open();
    static QIcon closed();
};
