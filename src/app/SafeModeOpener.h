#pragma once

#include <QObject>
#include <QPointer>

class Dialogs;
class Frm_SaveMode;
class Launcher;
class LifecycleWindow;
class OptionsSavedListener;
class QAction;
class QWidget;

// Opens the option checker without blocking: from the tools menu entry
// "進入安全模式" (which sets the entry's tag to "1" first) or after a failed
// start (tag "0"). One checker at a time; asking again brings it forward.
class SafeModeOpener : public QObject {
    Q_OBJECT
public:
    // `program` ends this copy after the checker started a new one;
    // `saves` hears of each option file the checker saves.
    SafeModeOpener(Dialogs& dialogs, Launcher& launcher, QWidget* mainWindow, LifecycleWindow& program,
                   OptionsSavedListener& saves, QObject* parent = nullptr);
    // Closes a checker still open: it has no parent window to go with.
    ~SafeModeOpener() override;

    // The tools menu entry, made on first use and owned by this object.
    QAction* menuEntry();
    // Shows the checker (made on first use) and runs its opening steps.
    Frm_SaveMode* open();
    Frm_SaveMode* window() const;
    // The main window is going: the checker goes too, without bringing the
    // main window back as its own close would.
    void closeWithoutMainWindow();

private:
    Dialogs& dialogs_;
    Launcher& launcher_;
    LifecycleWindow& program_;
    OptionsSavedListener& saves_;
    QPointer<QWidget> mainWindow_;
    QPointer<QAction> menuEntry_;
    QPointer<Frm_SaveMode> window_;
};
