#pragma once

#include "lyrics/LyricEditor.h"
#include "lyrics/LyricEditorOpener.h"

class LyricEditorWindowFactory;

// Opens the lyric editor for the rest of the player: one window, made on
// first use by the factory and brought forward afterwards, told why it was
// opened. Without a factory (a player built without windows) it stays
// unavailable.
class LyricEditorWindows final : public LyricEditorOpener {
public:
    LyricEditorWindows(LyricEditor::Services services, LyricEditorWindowFactory* factory);

    bool available() const override { return factory_ != nullptr; }
    void showLyricEditor() override { open(LyricEditor::Request::Lyric); }
    void showDirFavEditor() override { open(LyricEditor::Request::DirFav); }

private:
    void open(LyricEditor::Request request);

    LyricEditor::Services services_;
    LyricEditorWindowFactory* factory_;
    NotBuiltYet log_{"the lyric editor's window"};
};
