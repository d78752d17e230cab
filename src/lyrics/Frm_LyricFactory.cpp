#include "lyrics/Frm_LyricFactory.h"

#include <QWidget>

#include "lyrics/Frm_Lyric.h"

Frm_LyricFactory::Frm_LyricFactory(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {}

// A window without a main window to go with goes with its factory.
Frm_LyricFactory::~Frm_LyricFactory() {
    if (!mainWindow_) delete window_.data();
}

Frm_Lyric* Frm_LyricFactory::window() const { return window_.data(); }

LyricEditor& Frm_LyricFactory::showEditorWindow(const LyricEditor::Services& services, bool& made) {
    made = !window_;
    if (made) {
        window_ = new Frm_Lyric(services, mainWindow_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_->editor();
}
