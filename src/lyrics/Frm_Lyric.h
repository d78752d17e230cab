#pragma once

#include <QMainWindow>

#include "lyrics/LyricEditor.h"
#include "lyrics/LyricEditorModel.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;

// The lyric editor window: the lyric folder's files, the current and target
// paths with the auto box, the text area and the menus. It forwards menus,
// keys and clicks to the editor (LyricEditor), which decides everything,
// and draws the editor's model.
class Frm_Lyric : public QMainWindow {
    Q_OBJECT
public:
    explicit Frm_Lyric(LyricEditor::Services services, QWidget* parent = nullptr);

    LyricEditor& editor() { return editor_; }
    const LyricEditorModel& model() const { return model_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void addFileMenu();
    void addEditMenu();
    void addSearchMenu();
    QAction* addEntry(QMenu* menu, const QString& objectName, const QString& caption);
    void connectModel();
    void sync();
    void applyEdit();
    void selectInText(int start, int length);

    LyricEditorModel model_;
    LyricEditor editor_;
    bool syncing_ = false;

    QListWidget* File1_ = nullptr;
    QLineEdit* txtLyricLink_ = nullptr;
    QLineEdit* txtFinalLink_ = nullptr;
    QCheckBox* chkAutoCorrect_ = nullptr;
    QPlainTextEdit* txtLyricBox_ = nullptr;
};
