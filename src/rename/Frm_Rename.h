#pragma once

#include <QWidget>

#include "common/Twips.h"
#include "rename/RenameController.h"
#include "rename/RenameRun.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// The batch renamer's window: the current and new names side by side, the
// template and range boxes, the name functions, the single-entry editor and
// the execute button. It copies what the user types into the controller and
// draws what the controller holds; it decides nothing itself.
class Frm_Rename : public QWidget, private RenameProgress {
    Q_OBJECT
public:
    Frm_Rename(BrowserNavigation& browser, Dialogs& dialogs, FileOperations& files, QWidget* parent = nullptr);

    // Adds "批次檔案命名" to `menu`; each choice opens a new window over the
    // browser's current files, without blocking the main window.
    static void addMenuEntry(QMenu* menu, BrowserNavigation& browser, Dialogs& dialogs, FileOperations& files,
                             QWidget* mainWindow);

    RenameController& controller() { return controller_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLists();
    void buildTemplateBoxes();
    void buildRangeBoxes();
    void buildCommands();
    void connectBoxes();
    QLabel* addLabel(const char* objectName, const QString& text, const TwipsRect& at);
    QLineEdit* addBox(const char* objectName, const QString& name, const TwipsRect& at);

    void readBoxes();
    void showBoxes();
    void showAfter();
    void showChosenEntry();
    void execute();

    // RenameProgress: the status labels, then pending events run.
    void showAction(const QString& text) override;
    void showProgress(qsizetype done, qsizetype total) override;

    RenameController controller_;
    bool running_ = false;
    QListWidget* listBefore_ = nullptr;
    QListWidget* listAfter_ = nullptr;
    QListWidget* listFunction_ = nullptr;
    QLineEdit* txtTemplate_ = nullptr;
    QLineEdit* txtRange_[4] = {};
    QLineEdit* txtLen_ = nullptr;
    QLineEdit* txtRangeC_ = nullptr;
    QLineEdit* txtEdit_ = nullptr;
    QPushButton* cmdDirectCopy_ = nullptr;
    QPushButton* cmdExecute_ = nullptr;
    QLabel* lblStatus_[2] = {};
};
