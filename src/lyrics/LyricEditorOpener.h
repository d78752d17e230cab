#pragma once

#include "common/NotBuiltYet.h"

// Opening the lyric editor from other parts of the player: the tools menu,
// a right click on the file details, and opening a text or lyric file by
// type. The editor reads and empties AppState::OpenLyricLink when it opens.
class LyricEditorOpener {
public:
    virtual ~LyricEditorOpener() = default;
    // False while the editor does not exist; its menu entries are disabled.
    virtual bool available() const = 0;
    // Shows the editor, which loads AppState::OpenLyricLink when set.
    virtual void showLyricEditor() = 0;
    // Shows the editor for the folder shortcut file DirFav.ini.
    virtual void showDirFavEditor() = 0;
};

class NullLyricEditorOpener final : public LyricEditorOpener {
public:
    bool available() const override { return false; }
    void showLyricEditor() override { log_.skipped("showLyricEditor"); }
    void showDirFavEditor() override { log_.skipped("showDirFavEditor"); }

private:
    NotBuiltYet log_{"the lyric editor"};
};
