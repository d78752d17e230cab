#pragma once

#include "lyrics/LyricEditor.h"

// Makes and shows the lyric editor's window. The main window provides one;
// the plain parts that open the editor hold only this interface, so they
// are built and tested without widgets.
class LyricEditorWindowFactory {
public:
    virtual ~LyricEditorWindowFactory() = default;
    // Shows the one editor window and brings it forward, making it with
    // `services` when none is open (`made` then says so); returns its logic.
    virtual LyricEditor& showEditorWindow(const LyricEditor::Services& services, bool& made) = 0;
};
