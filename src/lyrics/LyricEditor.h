#pragma once

#include <QString>

#include "lyrics/TextSearch.h"

class Clock;
class Dialogs;
class LyricEditorModel;
class LyricFiles;
struct AppState;

// The lyric editor's decisions (Frm_Lyric): loading a text into the editor
// and choosing where it is saved, saving and deleting, the line commands,
// the full-width conversions and find / replace. The window forwards its
// menus, keys and clicks here and draws the model.
class LyricEditor {
public:
    static constexpr const char* kTitleText = "歌詞編輯器 v1.35";

    // What the editor uses: the dialogs, the clock for the title bar, the
    // files, and the player's state (PSongLink, PLyricLink, OpenLyricLink).
    struct Services {
        Dialogs& dialogs;
        Clock& clock;
        LyricFiles& files;
        AppState& state;
    };
    // Why the player opens the editor.
    enum class Request { Lyric, DirFav };

    LyricEditor(LyricEditorModel& model, Services services);

    // The window was opened (`firstOpening`) or brought forward by the
    // player: the folder shortcut file when asked for, else the file of
    // OpenLyricLink (which is emptied), else on the first opening the
    // current song's lyric.
    void openFromPlayer(Request request, bool firstOpening);
    // Every activation of the window reads the lyric folder again.
    void Form_Activate();

    void LoadLyricText(const QString& path, bool autoPath);
    // False when nothing was written.
    bool SaveLyricText(const QString& path);

    void File1_Click(const QString& fileName);
    // Enter loads the auto path of the typed path, Ctrl+Enter the path itself.
    void txtLyricLink_Enter(const QString& typed, bool ctrl);
    void txtLyricLink_Change(const QString& text);
    void txtFinalLink_Change(const QString& text);
    void chkAutoCorrect_MouseUp(bool ticked);
    void txtLyricBox_Change(const QString& text);

    void mnuNewLyric_Click();
    void mnuSaveLyric_Click();
    void mnuDeleteLyric_Click();
    void mnuEdit_Click(int index);
    void mnuConvertStr_Click(int index);
    void mnuSelectAll_Click();
    void mnuSearch_Click(int index);
    void mnuDirFav_Click();

    const TextSearch& search() const { return search_; }

private:
    void setLyricLink(const QString& path);
    void showTitle(const QString& name, const QString& what);
    void refreshFiles();
    void insertSongLine();
    void showFound(const std::optional<TextSearch::Selection>& found);
    void find();
    void replace();
    bool deleteFile(const QString& path);

    LyricEditorModel& model_;
    Services svc_;
    TextSearch search_;
};
