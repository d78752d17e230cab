#pragma once

#include <QString>

class Dialogs;
class Launcher;
struct AppState;

// The help menu's own commands: where the player keeps its files (all
// there is to uninstall), the web lyric search for the loaded song on two
// search sites, and the home page, which is the README beside the program.
class HelpCommands {
public:
    // `readmePath`: the home page's file (see HomePage::readme()).
    HelpCommands(const AppState& state, Dialogs& dialogs, Launcher& launcher, QString readmePath);

    // 1 uninstall information, 3 and 4 the lyric searches, 5 the home page.
    void mnuHelp_Click(int index);

    // "artist - title" from the loaded song's caption text (title ~ artist
    // ~ album for a tagged song), else its file title.
    static QString searchQuery(const QString& versionH, const QString& songPath);
    // The address searched by entry 3 or 4 for `query`.
    static QString searchAddress(int index, const QString& query);

private:
    const AppState& state_;
    Dialogs& dialogs_;
    Launcher& launcher_;
    QString readmePath_;
};

namespace HomePage {
// The installed README when the program runs from its installed place,
// else the source tree's copy.
QString readme();
// The README under <prefix>/share/doc when the program is at <prefix>/bin.
QString installedReadme(const QString& programFolder);
}  // namespace HomePage
