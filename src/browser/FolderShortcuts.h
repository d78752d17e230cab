#pragma once

#include "common/NotBuiltYet.h"

// The folder shortcuts of the "移至(&M)" menu (DirFav.ini).
class FolderShortcuts {
public:
    virtual ~FolderShortcuts() = default;
    // Reads DirFav.ini into the menu.
    virtual void LoadDirFav() = 0;
};

class NullFolderShortcuts final : public FolderShortcuts {
public:
    void LoadDirFav() override { log_.skipped("LoadDirFav"); }

private:
    NotBuiltYet log_{"the folder shortcuts"};
};
