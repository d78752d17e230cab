#pragma once

#include <QObject>
#include <QString>

#include "app/PassCountChoice.h"

class Appearance;
class BrowserNavigation;
class PlaylistAccess;
struct AppState;

// The options as the program lives with them: the option menus' check marks
// and entries (AppState::options) and the fields they drive (TotalPLRep,
// TitleDirection, DLSM, ShiftConst(2), InitDir). LoadOptions reads
// "Option.ini" at start-up, SaveOptions writes it at an orderly close; the
// menu handlers change one option at a time. Every change is announced by
// changed(), so the menus redraw their check marks.
class AppOptions : public QObject, public PassCountChoice {
    Q_OBJECT
public:
    // What loading the options shows elsewhere: the default playlist, the
    // start folder and the background.
    struct LoadTargets {
        PlaylistAccess& playlist;
        BrowserNavigation& browser;
        Appearance& appearance;
    };

    // The menus start at their default entries and the fields follow them,
    // so a session that never read an option file still saves one that
    // reads back.
    explicit AppOptions(AppState& state, QObject* parent = nullptr);

    // Reads and applies the option file. A missing, short or malformed file
    // changes nothing and returns false with the reason; so does a start
    // folder the browser cannot show (the values are applied by then).
    bool LoadOptions(const LoadTargets& targets, QString* error = nullptr);
    // Writes the option file; false with the reason when it cannot.
    bool SaveOptions(QString* error = nullptr);
    // Takes the values of an option file saved elsewhere (the option
    // checker): the flags, the three lists, the start folder and the
    // background tag; nothing is reloaded or shown. False, with nothing
    // changed, when the file does not read back.
    bool adoptSavedFile();
    // Whether the close should write the option file: the options came from
    // a file, or the user changed one since the start. Options that failed
    // to load are defaults; writing them would replace the user's file.
    bool worthSaving() const { return loaded_ || changedByUser_; }

    void mnuOptCheck_Click(int index);                // 0..8
    void mnuOptComboList0_Click(int entry) override;  // 1..6 ("1次".."5次", "∞次")
    void mnuOptComboList1_Click(int entry);           // 0..3
    void mnuOptComboList2_Click(int entry);           // 0..7
    // The start-up background choice (tag of mnuOptCombo(3)) and its entry.
    void setBackgroundTag(const QString& tag);
    // The browser's start folder (InitDir), stored at exit.
    void setInitDir(const QString& folder);

    AppState& state() { return state_; }

signals:
    void changed();

private:
    void changedByUser();
    // Each sets one list's entry and its field; false for an entry the list lacks.
    bool setPassEntry(int entry);
    bool setScrollEntry(int entry);
    bool setLyricSpeedEntry(int entry);

    AppState& state_;
    bool loaded_ = false;
    bool changedByUser_ = false;
};
