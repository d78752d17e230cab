#pragma once

#include <QObject>

#include "ui/widgets/MainPanel.h"

class MoveCopyController;
class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
class QRadioButton;
class QWidget;

// The move-and-copy panel's controls over the information area: the
// destination pair Drive2 / Dir2 (made by the browser panel), the three
// overwrite rules, "enter the folder afterwards", run and cancel. It shows
// them while the controller's panel is open and the window is in full
// mode, and passes the clicks on.
class MoveCopyPanel : public QObject, public MainPanel {
    Q_OBJECT
public:
    MoveCopyPanel(QWidget* canvas, MoveCopyController& controller, QComboBox* drive2, QWidget* dir2,
                  QObject* parent = nullptr);

    void addMenuEntries(const MainMenus&) override {}
    void registerTimers(TimerRegistry&) override {}
    void applyWindowMode(WindowMode mode) override;

    QRadioButton* optFCOverWrite(int index) const { return options_[index]; }
    QCheckBox* chkFCEnterDir() const { return enterDir_; }
    QPushButton* cmdFCNext() const { return next_; }
    QPushButton* cmdFCCancel() const { return cancel_; }

private:
    void draw();

    MoveCopyController& controller_;
    QComboBox* drive2_;
    QWidget* dir2_;
    QFrame* backing_ = nullptr;
    QRadioButton* options_[3] = {};
    QCheckBox* enterDir_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool fullMode_ = true;
};
