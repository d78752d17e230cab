#pragma once

#include <QObject>
#include <QPointer>

#include "lyrics/LyricEditorWindowFactory.h"

class Frm_Lyric;
class QWidget;

// Makes the lyric editor window over the main window: one at a time, made
// on first use, gone when closed, brought forward when asked again.
class Frm_LyricFactory final : public QObject, public LyricEditorWindowFactory {
    Q_OBJECT
public:
    explicit Frm_LyricFactory(QWidget* mainWindow);
    ~Frm_LyricFactory() override;

    LyricEditor& showEditorWindow(const LyricEditor::Services& services, bool& made) override;
    // The open window, or none.
    Frm_Lyric* window() const;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<Frm_Lyric> window_;
};
