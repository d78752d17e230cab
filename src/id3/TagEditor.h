#pragma once

#include <QString>

#include "id3/TagAutoFill.h"

class BrowserNavigation;
class Clipboard;
class Clock;
class Dialogs;
class MultiMedia;
class PlaylistAccess;
class StatusLine;
class TagEditorModel;
class TagFile;
class Transport;
class WindowCaption;
struct AppState;

// The tag editor's decisions (Frm_ID3Tag): loading a file's tag into the
// fields, saving them (closing and reopening the song now playing around
// the write), the auto-fill commands and presets, the genre, the captions'
// clicks, the clipboard and stepping through the folder's MP3 files or the
// playlist copy. The window forwards its events here and draws the model.
class TagEditor {
public:
    static constexpr const char* kTitleText = "MP3 ID3 TAG 1 標籤修改器 v1.4";
    enum class Button { Left, Right };

    // The platform services and the shared state the editor uses.
    struct Services {
        Dialogs& dialogs;
        Clipboard& clipboard;
        Clock& clock;
        TagFile& tagFile;
        // PSongLenS, VersionH/B/T and TitleDirection for the caption.
        AppState& state;
    };
    // The parts of other subsystems it reads and drives.
    struct Seams {
        BrowserNavigation& browser;
        PlaylistAccess& playlist;
        Transport& transport;
        MultiMedia& media;
        WindowCaption& caption;
        StatusLine& status;
    };

    TagEditor(TagEditorModel& model, Services services, Seams seams);

    void Form_Load();
    // Every time the window becomes active: the folder's files and the
    // playlist copy are read again; selections that still exist stay.
    void Form_Activate();

    bool LoadTagFields(const QString& path);
    // False when nothing was written (missing file, over-long field, a
    // failed write).
    bool SaveTagFields(const QString& path);
    void ApplyAutoFill();

    void File1_Click(int row);
    void listSongName_Click(int row);
    void cmdSave_Click(int index);    // 0 save, 1 save and close, 2 save and step down
    void cmdCancel_Click(int index);  // 0 close, 1 up, 2 down
    void cmdLoad_Click();
    void txtInput_Change(int field, const QString& text);
    void ComGender_Click(int item);
    void lblInput_MouseUp(int caption, Button button);  // 0..4 fields, 5 the genre
    void listAutoFill_Click(int index);
    void listAutoFill2_MouseDown(int item, Button button);
    void listAutoFill2_Ticked(int item, bool on);
    void cmdExecuteAutoFill2_Click();
    void imgCopytxtInput_Click(int field);
    void imgPastetxtInput_Click(int field);

private:
    void setFields(const TagTexts& fields);
    void showTitle(const QString& path, const QString& what);
    void step(int delta);
    bool writeTag(const QString& path, quint8 genre);
    bool savePlayingSong(const QString& path, quint8 genre);
    void askForGenreNumber();
    void askForPreset(int item);
    QString songCaption() const;

    TagEditorModel& model_;
    Services svc_;
    Seams seams_;
};
