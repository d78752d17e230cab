#pragma once

#include <QWidget>

#include <array>

#include "id3/TagEditor.h"
#include "id3/TagEditorModel.h"
#include "id3/TagFile.h"

class ClickLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The tag editor window: draws its model and forwards clicks, keys and
// activation to the editor (TagEditor), which decides everything.
class Frm_ID3Tag : public QWidget {
    Q_OBJECT
public:
    // The shared state and the platform services the editor uses.
    struct Services {
        Dialogs& dialogs;
        Clipboard& clipboard;
        Clock& clock;
        AppState& state;
    };

    Frm_ID3Tag(Services services, TagEditor::Seams seams, QWidget* parent = nullptr);

    TagEditor& editor() { return editor_; }
    const TagEditorModel& model() const { return model_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFileLists();
    void buildFields();
    void buildGenre();
    void buildAutoFill();
    void buildButtons();
    void connectModel();
    void sync();
    void syncFields();
    void syncLists();
    void syncPresets();
    bool saveKey(QEvent* event);

    DiskTagFile tagFile_;
    TagEditorModel model_;
    TagEditor editor_;
    bool syncing_ = false;

    QListWidget* File1_ = nullptr;
    QListWidget* listSongName_ = nullptr;
    std::array<ClickLabel*, 6> lblInput_{};
    std::array<QLineEdit*, TagField::kCount> txtInput_{};
    std::array<QLabel*, TagField::kCount> lblInputLen_{};
    QComboBox* ComGender_ = nullptr;
    QLabel* lblGenderNo_ = nullptr;
    QListWidget* listAutoFill_ = nullptr;
    QListWidget* listAutoFill2_ = nullptr;
};
