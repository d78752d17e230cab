#pragma once

#include <QString>
#include <QtGlobal>

#include "common/NotBuiltYet.h"

// The appearance options of the main window as start-up and the options
// use them: the stay-on-top entry and the background.
class Appearance {
public:
    virtual ~Appearance() = default;
    // The appearance menu's stay-on-top entry is checked.
    virtual bool topMostChecked() const = 0;
    // Shows a background: mode 0..7, the picture path for mode 1.
    virtual void SetBackground(qint16 mode, const QString& picturePath) = 0;
    // The option menu's start-up background entry 0..7 was chosen (entry 1
    // asks for the picture first).
    virtual void mnuOptComboList3_Click(int entry) = 0;
};

class NullAppearance final : public Appearance {
public:
    bool topMostChecked() const override { return false; }
    void SetBackground(qint16, const QString&) override { log_.skipped("SetBackground"); }
    void mnuOptComboList3_Click(int) override { log_.skipped("mnuOptComboList3_Click"); }

private:
    NotBuiltYet log_{"the appearance options"};
};
