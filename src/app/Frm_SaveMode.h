#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include "app/OptionChecker.h"

class QAction;
class QListWidget;
class QPushButton;

// The option checker ("安全模式"): four lists side by side (the file as
// read, the defaults, the lines to save, the option names), two notes and
// six buttons. The work is OptionChecker's; this window shows its lists and
// forwards clicks. While it is open after a failed start the main window is
// hidden; closing the checker in any way shows the main window again.
class Frm_SaveMode : public QWidget {
    Q_OBJECT
public:
    // `menuEntry` is the tools menu's "進入安全模式": its tag (data) "1"
    // says the user opened the checker from the menu. Either may be null.
    Frm_SaveMode(Dialogs& dialogs, Launcher& launcher, QWidget* mainWindow, QAction* menuEntry,
                 QWidget* parent = nullptr);

    // The opening steps; run once, after the window is shown.
    void Form_Load();
    // Ends this copy of the program after a restart was started.
    std::function<void()> endProgram;

    OptionChecker& checker() { return checker_; }
    // True while a button is coloured red to point the user at it.
    static bool isHighlighted(const QPushButton* button);

    void cmdAppDefOpt_Click();
    void cmdCompareOpt_Click();
    void cmdSaveNewOpt_Click();
    void cmdAppNewOpt_Click();
    void cmdReloadOpt_Click();
    void cmdForceEntry_Click();
    void ListCurrent_DblClick(int row);
    void ListTMP_DblClick(int row);

signals:
    // The option file was written from the current list.
    void optionsSaved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLists();
    void buildButtons();
    QListWidget* makeList(const char* name, const QString& caption, int column);
    QPushButton* makeButton(const char* name, const QString& caption, void (Frm_SaveMode::*handler)());
    void highlight(QPushButton* button);
    void showLists();
    void showMainWindow();
    void announceSave(int savesBefore);

    OptionChecker checker_;
    QPointer<QWidget> mainWindow_;
    QPointer<QAction> menuEntry_;
    QListWidget* listTmp_ = nullptr;
    QListWidget* listDefault_ = nullptr;
    QListWidget* listCurrent_ = nullptr;
    QListWidget* listOptName_ = nullptr;
    QPushButton* cmdAppDefOpt_ = nullptr;
    QPushButton* cmdCompareOpt_ = nullptr;
    class QGridLayout* grid_ = nullptr;
    class QGridLayout* buttons_ = nullptr;
};
