#pragma once

#include <QObject>
#include <QString>

#include "ui/Appearance.h"

class AppOptions;
class AppearanceWindow;
class BrowserNavigation;
class Clock;
class Dialogs;
class StatusLine;
class WindowLayering;
struct AppState;

// The main window's appearance commands: translucency and stay-on-top
// (mnuZELFunction), the background pictures with their list colours, the
// start-up and the immediate background menus, and the start folder. The
// window itself is reached through AppearanceWindow and WindowLayering.
class AppearanceOptions final : public QObject, public Appearance {
    Q_OBJECT
public:
    struct Seams {
        AppOptions& options;
        BrowserNavigation& browser;
        AppearanceWindow& window;
        WindowLayering& layering;
    };

    AppearanceOptions(AppState& state, Dialogs& dialogs, const Clock& clock, StatusLine& status, Seams seams,
                      QObject* parent = nullptr);

    bool topMostChecked() const override { return topMost_; }
    bool translucencyChecked() const { return translucent_; }
    // Ends silently, with what was applied so far kept, at the first thing
    // that fails: an unknown mode, a missing or unreadable picture.
    void SetBackground(qint16 mode, const QString& picturePath) override;
    void mnuOptComboList3_Click(int entry) override;  // 0..7
    // "更換背景 (\Back)" 1..7: shows a background now, the start-up choice stays.
    void mnuOptComboList4_Click(int entry);
    // 0 translucency, 1 stay-on-top; each toggles its check mark.
    void mnuZELFunction_Click(int index);
    // "更改起始路徑"
    void mnuOptStr_Click();

signals:
    // A check mark of the window functions changed.
    void changed();

private:
    // The picture the user picks for the background; empty when cancelled.
    QString askForPicture();

    AppState& state_;
    Dialogs& dialogs_;
    const Clock& clock_;
    StatusLine& status_;
    Seams seams_;
    bool translucent_ = false;
    bool topMost_ = false;
};
