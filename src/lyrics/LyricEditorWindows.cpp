#include "lyrics/LyricEditorWindows.h"

#include "lyrics/LyricEditorWindowFactory.h"

LyricEditorWindows::LyricEditorWindows(LyricEditor::Services services, LyricEditorWindowFactory* factory)
    : services_(services), factory_(factory) {}

void LyricEditorWindows::open(LyricEditor::Request request) {
    if (!factory_) {
        log_.skipped(request == LyricEditor::Request::DirFav ? "showDirFavEditor" : "showLyricEditor");
        return;
    }
    bool made = false;
    LyricEditor& editor = factory_->showEditorWindow(services_, made);
    editor.openFromPlayer(request, made);
}
