#pragma once

// The folder shortcuts of the "移至(&M)" menu (DirFav.ini).
class FolderShortcuts {
public:
    virtual ~FolderShortcuts() = default;
    // Reads DirFav.ini into the menu.
    virtual void LoadDirFav() = 0;
};
