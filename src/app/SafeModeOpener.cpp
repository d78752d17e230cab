#include "app/SafeModeOpener.h"

#include <QAction>

#include "app/Frm_SaveMode.h"
#include "app/LifecycleWindow.h"
#include "app/OptionsSavedListener.h"

SafeModeOpener::SafeModeOpener(Dialogs& dialogs, Launcher& launcher, QWidget* mainWindow, LifecycleWindow& program,
                               OptionsSavedListener& saves, QObject* parent)
    : QObject(parent), dialogs_(dialogs), launcher_(launcher), program_(program), saves_(saves),
      mainWindow_(mainWindow) {}

SafeModeOpener::~SafeModeOpener() { delete window_.data(); }

QAction* SafeModeOpener::menuEntry() {
    if (!menuEntry_) {
        menuEntry_ = new QAction(QStringLiteral("進入安全模式"), this);
        menuEntry_->setObjectName(QStringLiteral("mnuTools(2)"));
        menuEntry_->setData(QStringLiteral("0"));
        connect(menuEntry_, &QAction::triggered, this, [this] {
            menuEntry_->setData(QStringLiteral("1"));
            open();
        });
    }
    return menuEntry_;
}

Frm_SaveMode* SafeModeOpener::window() const { return window_.data(); }

void SafeModeOpener::closeWithoutMainWindow() { delete window_.data(); }

Frm_SaveMode* SafeModeOpener::open() {
    if (window_) {
        // Already open: its lists stand; the tag is not needed any more.
        if (menuEntry_) menuEntry_->setData(QStringLiteral("0"));
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_;
    }
    window_ = new Frm_SaveMode(dialogs_, launcher_, mainWindow_, menuEntry_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->endProgram = [this] { program_.endProgram(); };
    connect(window_, &Frm_SaveMode::optionsSaved, this, [this] { saves_.optionsSaved(); });
    // Shown before its opening steps, so their messages never leave the
    // program without a visible window.
    window_->show();
    window_->Form_Load();
    return window_;
}
