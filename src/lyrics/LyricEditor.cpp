#include "lyrics/LyricEditor.h"

#include "app/AppState.h"
#include "common/CodePage.h"
#include "common/DataFolder.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "lyrics/LyricEditorModel.h"
#include "lyrics/LyricFiles.h"
#include "lyrics/LyricPaths.h"
#include "lyrics/LyricText.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

// The title bar keeps the window's own caption until the first status.
LyricEditor::LyricEditor(LyricEditorModel& model, Services services) : model_(model), svc_(services) {
    refreshFiles();
}

void LyricEditor::openFromPlayer(Request request, bool firstOpening) {
    refreshFiles();
    AppState& state = svc_.state;
    if (request == Request::DirFav) {
        mnuDirFav_Click();
        return;
    }
    if (!state.OpenLyricLink.isEmpty()) {
        LoadLyricText(state.OpenLyricLink, false);
        state.OpenLyricLink.clear();
        return;
    }
    // Brought forward again, the window keeps what is being edited.
    if (!firstOpening || state.PLyricLink.isEmpty()) return;
    if (svc_.files.isFile(state.PLyricLink)) {
        LoadLyricText(state.PLyricLink, true);
        return;
    }
    // No lyric yet: saving creates the song's lyric file.
    setLyricLink(GetFileTitle(state.PLyricLink));
    model_.setFinalLink(state.PLyricLink);
}

void LyricEditor::Form_Activate() { refreshFiles(); }

void LyricEditor::LoadLyricText(const QString& path, bool autoPath) {
    if (TrimSpaces(path).isEmpty() || !svc_.files.isFile(path)) return;
    const TextFile::ReadResult read = svc_.files.read(path);
    if (!read.ok) {
        svc_.dialogs.messageBox(QStringLiteral("無法讀取檔案!") + kCrLf + QStringLiteral("路徑: ") + path + kCrLf +
                                    read.error,
                                MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    model_.setText(LyricText::joinLines(CodePage::splitLines(read.text)));
    setLyricLink(path);
    if (autoPath) {
        model_.setFinalLink(LyricPaths::autoPath(path));
        model_.setAutoCorrect(true);
    } else {
        model_.setFinalLink(path);
        model_.setAutoCorrect(false);
    }
    showTitle(GetFileTitle(path), QStringLiteral("歌詞已載入."));
}

bool LyricEditor::SaveLyricText(const QString& typedPath) {
    const QString path = LyricPaths::savePath(typedPath);
    if (path.isEmpty()) return false;
    // A song loaded as text with Ctrl+Enter keeps its own path as the
    // target; writing the text there would destroy the song.
    if (svc_.files.isFile(path) && svc_.files.holdsBinary(path)) {
        showTitle(path, QStringLiteral("歌詞儲存失敗."));
        svc_.dialogs.messageBox(QStringLiteral("目標檔案不是文字檔, 不會以歌詞覆寫!") + kCrLf + QStringLiteral("路徑: ") +
                                    path,
                                MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    QString error;
    if (!svc_.files.write(path, model_.text() + kCrLf, &error)) {
        // The text stays in the editor, so the user can save it elsewhere.
        showTitle(path, QStringLiteral("歌詞儲存失敗."));
        svc_.dialogs.messageBox(QStringLiteral("無法儲存歌詞檔!") + kCrLf + QStringLiteral("路徑: ") + path + kCrLf +
                                    error,
                                MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    setLyricLink(path);
    showTitle(path, QStringLiteral("歌詞已儲存."));
    refreshFiles();
    return true;
}

void LyricEditor::File1_Click(const QString& fileName) {
    if (fileName.isEmpty()) return;
    LoadLyricText(DataFolder::lyricsFolder() + fileName, true);
}

void LyricEditor::txtLyricLink_Enter(const QString& typed, bool ctrl) {
    if (ctrl)
        LoadLyricText(typed, false);
    else
        LoadLyricText(LyricPaths::autoPath(typed), true);
}

void LyricEditor::txtLyricLink_Change(const QString& text) { setLyricLink(text); }

void LyricEditor::txtFinalLink_Change(const QString& text) { model_.setFinalLink(text); }

void LyricEditor::chkAutoCorrect_MouseUp(bool ticked) {
    model_.setAutoCorrect(ticked);
    model_.setFinalLink(ticked ? LyricPaths::autoPath(model_.lyricLink()) : model_.lyricLink());
}

void LyricEditor::txtLyricBox_Change(const QString& text) { model_.setText(text); }

void LyricEditor::mnuNewLyric_Click() {
    setLyricLink(QString());
    model_.setFinalLink(QString());
    model_.setText(QString());
    model_.setTitle(QString::fromUtf8(kTitleText));
}

void LyricEditor::mnuSaveLyric_Click() { SaveLyricText(model_.finalLink()); }

void LyricEditor::mnuDeleteLyric_Click() {
    const QString path = TrimSpaces(model_.lyricLink());
    if (path.isEmpty() || !svc_.files.isFile(path)) {
        svc_.dialogs.messageBox(QStringLiteral("沒有選擇檔案路徑或檔案不存在") + kCrLf + path, MsgButtons::Ok,
                                MsgIcon::Critical);
        return;
    }
    if (svc_.dialogs.messageBox(QStringLiteral("真的要刪除歌詞檔?") + kCrLf + QStringLiteral("路徑: ") + path,
                                MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    if (!deleteFile(path)) return;
    refreshFiles();
    showTitle(GetFileTitle(path), QStringLiteral("歌詞檔已刪除."));
}

// To the trash; where there is none, deleting for good is asked first.
bool LyricEditor::deleteFile(const QString& path) {
    if (svc_.files.moveToTrash(path)) return true;
    const QString where = kCrLf + QStringLiteral("路徑: ") + path;
    if (svc_.dialogs.messageBox(QStringLiteral("歌詞檔無法移至垃圾桶，要永久刪除嗎?") + where, MsgButtons::YesNo,
                                MsgIcon::Question) != MsgResult::Yes)
        return false;
    QString error;
    if (svc_.files.remove(path, &error)) return true;
    svc_.dialogs.messageBox(QStringLiteral("無法刪除歌詞檔!") + where + kCrLf + error, MsgButtons::Ok,
                            MsgIcon::Critical);
    return false;
}

void LyricEditor::mnuEdit_Click(int index) {
    const QString text = model_.text();
    switch (index) {
    case 0: model_.editText(LyricText::trimLines(text)); break;
    case 1: model_.editText(LyricText::capitalizeLines(text)); break;
    case 2: model_.editText(LyricText::removeSpaces(text)); break;
    case 3: insertSongLine(); break;
    default: break;
    }
}

void LyricEditor::insertSongLine() {
    const QString song = svc_.state.PSongLink;
    if (song.isEmpty() || !svc_.files.isFile(song)) return;
    const QString artistTitle = ReadID3Tag(svc_.dialogs, song, 21);
    const QString line = ReplaceText(artistTitle, QStringLiteral("|"), QStringLiteral(" - "), true);
    model_.editText(LyricText::prependLine(model_.text(), line));
}

void LyricEditor::mnuConvertStr_Click(int index) {
    model_.editText(LyricText::convertFullWidth(model_.text(), index));
}

void LyricEditor::mnuSelectAll_Click() { emit model_.selectAllRequested(); }

void LyricEditor::mnuSearch_Click(int index) {
    emit model_.focusTextRequested();
    switch (index) {
    case 0: find(); break;
    case 1: showFound(search_.findNext(model_.text())); break;
    case 2: replace(); break;
    default: break;
    }
}

void LyricEditor::find() {
    const QString what = svc_.dialogs.inputBox(QStringLiteral("請輸入要尋找的文字"), QStringLiteral("尋找文字"),
                                               search_.searchText());
    if (TrimSpaces(what).isEmpty()) return;
    showFound(search_.find(model_.text(), what));
}

void LyricEditor::showFound(const std::optional<TextSearch::Selection>& found) {
    if (found) {
        model_.select(found->start, found->length);
        return;
    }
    svc_.dialogs.messageBox(QStringLiteral("整篇字串已搜尋完畢，找不到所需要的字串 [") + search_.searchText() +
                                QStringLiteral("] 。"),
                            MsgButtons::Ok, MsgIcon::Critical);
}

void LyricEditor::replace() {
    const QString what = svc_.dialogs.inputBox(QStringLiteral("請輸入要取代的目標文字"), QStringLiteral("目標文字"),
                                               search_.searchText());
    const QString with = svc_.dialogs.inputBox(QStringLiteral("請輸入要取代成的文字"), QStringLiteral("取代文字"));
    model_.editText(ReplaceText(model_.text(), what, with, false));
    search_.setSearchText(what);
}

void LyricEditor::mnuDirFav_Click() {
    const QString path = DataFolder::dirFavFile();
    model_.setFinalLink(path);
    LoadLyricText(path, false);
}

// While the auto box is ticked the target follows the current path.
void LyricEditor::setLyricLink(const QString& path) {
    model_.setLyricLink(path);
    if (model_.autoCorrect()) model_.setFinalLink(LyricPaths::autoPath(path));
}

void LyricEditor::showTitle(const QString& name, const QString& what) {
    model_.setTitle(QString::fromUtf8(kTitleText) + QStringLiteral(" [") + name + QStringLiteral("]  ") + what +
                    QStringLiteral(" (") + svc_.clock.timeOfDayText() + QStringLiteral(")"));
}

void LyricEditor::refreshFiles() { model_.setFileNames(svc_.files.fileNames(DataFolder::lyricsFolder())); }
