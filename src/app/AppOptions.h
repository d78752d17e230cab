#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "app/UnconnectedHooks.h"

struct AppState;

// The options as the program lives with them: the option menus' check marks
// and entries (AppState::options) and the fields they drive (TotalPLRep,
// TitleDirection, DLSM, ShiftConst(2), InitDir). LoadOptions reads
// "Option.ini" at start-up, SaveOptions writes it at an orderly close; the
// menu handlers change one option at a time. Every change is announced by
// changed(), so the menus redraw their check marks.
class AppOptions : public QObject {
    Q_OBJECT
public:
    // What loading the options asks of other parts of the program.
    struct Hooks {
        // Loads a playlist file, replacing the open playlist.
        std::function<void(const QString& path)> PLLoadFile;
        // Shows a folder in the browser (the flag as the browser defines it).
        std::function<void(const QString& path, bool flag)> ChangeDirPath;
        // Shows a background: mode 0..7, the picture path for mode 1.
        std::function<void(qint16 mode, const QString& path)> SetBackground;
    };

    // The menus start at their default entries and the fields follow them,
    // so a session that never read an option file still saves one that
    // reads back.
    explicit AppOptions(AppState& state, QObject* parent = nullptr);

    Hooks hooks;

    // Reads and applies the option file. A missing, short or malformed file
    // changes nothing and returns false with the reason.
    bool LoadOptions(QString* error = nullptr);
    // Writes the option file; false with the reason when it cannot.
    bool SaveOptions(QString* error = nullptr);

    void mnuOptCheck_Click(int index);       // 0..8
    void mnuOptComboList0_Click(int entry);  // 1..6 ("1次".."5次", "∞次")
    void mnuOptComboList1_Click(int entry);  // 0..3
    void mnuOptComboList2_Click(int entry);  // 0..7
    // The start-up background choice (tag of mnuOptCombo(3)) and its entry.
    void setBackgroundTag(const QString& tag);

    AppState& state() { return state_; }
    // Hooks left unset; empty once the main window is fully wired.
    QStringList unconnectedHooks() const;
    // Steps that were skipped because their hook was unset.
    const QStringList& skippedCalls() const { return missed_.calls(); }

signals:
    void changed();

private:
    void loadDefaultPlaylist();

    AppState& state_;
    UnconnectedHooks missed_;
};
