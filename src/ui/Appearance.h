#pragma once

#include <QString>
#include <QtGlobal>

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
