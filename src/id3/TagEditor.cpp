#include "id3/TagEditor.h"

#include <QDir>
#include <QFileInfo>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "id3/TagEditorModel.h"
#include "id3/TagGenres.h"
#include "id3/TagText.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "playback/MultiMedia.h"
#include "playback/SongPlayer.h"
#include "playback/Transport.h"
#include "playback/WindowCaption.h"
#include "playlist/PlaylistAccess.h"

namespace {

bool isExistingFile(const QString& path) { return !TrimSpaces(path).isEmpty() && QFileInfo(path).isFile(); }

QStringList mp3FilesIn(const QString& folder) {
    if (folder.isEmpty()) return {};
    return QDir(folder).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

// What a file without a tag shows: empty fields and genre 0.
Id3::Fields untagged() {
    Id3::Fields fields;
    fields.genre = 0;
    return fields;
}

}  // namespace

TagEditor::TagEditor(TagEditorModel& model, Services services, Seams seams)
    : model_(model), svc_(services), seams_(seams) {}

void TagEditor::Form_Load() {
    Form_Activate();
    const QString song = seams_.transport.songPath();
    if (!song.isEmpty()) {
        LoadTagFields(song);
        return;
    }
    // The file chosen in the main window, when the folder's MP3 list has it.
    const QStringList selected = seams_.browser.selectedFilePaths();
    if (selected.isEmpty()) return;
    const int row = static_cast<int>(model_.fileNames().indexOf(fileName(selected.first())));
    if (row >= 0) File1_Click(row);
}

void TagEditor::Form_Activate() {
    const QString folder = seams_.browser.currentFolder();
    const QString keptFile = model_.fileNames().value(model_.fileRow());
    const bool sameFolder = folder == model_.fileFolder();
    const QStringList names = mp3FilesIn(folder);
    model_.setFiles(folder, names);
    model_.setFileRow(sameFolder && !keptFile.isEmpty() ? static_cast<int>(names.indexOf(keptFile)) : -1);

    const PlaylistAccess& playlist = seams_.playlist;
    QStringList links;
    for (int i = 0; i < playlist.count(); ++i) links << playlist.entryPath(i);
    model_.setSongs(playlist.lines(), links);
    if (model_.songRow() >= links.size()) model_.setSongRow(-1);
    // The window is activated again after every message box, so the list
    // the user steps through stays chosen while both lists have entries.
    if (names.isEmpty())
        model_.setUseSongList(true);
    else if (links.isEmpty())
        model_.setUseSongList(false);
}

bool TagEditor::LoadTagFields(const QString& path) {
    if (!isExistingFile(path)) {
        svc_.dialogs.messageBox(QStringLiteral("檔案不存在!\r\n") + path, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    const Id3::Fields tag = ReadID3Fields(svc_.dialogs, path).value_or(untagged());
    model_.setCurrentLink(path);
    setFields({tag.title, tag.artist, tag.album, tag.year, tag.comment});
    ComGender_Click(TagGenres::itemForNumber(tag.genre));
    ApplyAutoFill();
    showTitle(path, QStringLiteral(" 己載入"));
    return true;
}

bool TagEditor::SaveTagFields(const QString& path) {
    if (!isExistingFile(path)) {
        svc_.dialogs.messageBox(QStringLiteral("檔案不存在!\r\n") + path, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    for (int i = 0; i < TagField::kCount; ++i) {
        if (!model_.overLength(i)) continue;
        svc_.dialogs.messageBox(QStringLiteral("所輸入的字串過長, 請維持在30個字元之內(年份欄最多4個字元).\r\n錯誤碼:") +
                                    QString::number(i),
                                MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    // No genre chosen yet stores "no genre".
    const quint8 genre = TagGenres::numberForItem(model_.genreItem());
    const bool playing =
        path == seams_.transport.songPath() && seams_.transport.mode() != Transport::NoSong;
    const bool written = playing ? savePlayingSong(path, genre) : writeTag(path, genre);
    showTitle(path, QStringLiteral(" 己儲存"));
    return written;
}

bool TagEditor::writeTag(const QString& path, quint8 genre) {
    const TagTexts& f = model_.fields();
    using namespace TagField;
    return WriteID3Tag(svc_.dialogs, svc_.tagFile, Id3::Detect, path, f[Title], f[Artist], f[Album], f[Year],
                       f[Comment], genre);
}

// The song is closed around the write, so no device holds the file while
// its last bytes change, then plays on where it stood, at the speed it had.
bool TagEditor::savePlayingSong(const QString& path, quint8 genre) {
    MultiMedia& media = seams_.media;
    const QString alias = QLatin1String(SongPlayer::kSongAlias);
    const qint32 positionMs = seams_.transport.positionMs();
    const qint16 speed = media.MMGetSpeed(QString());
    media.MMClose(alias, false);
    const bool written = writeTag(path, genre);
    const qint16 openCode = media.MMOpen(path, alias, true);
    if (speed > 0 && speed != 1000) media.MMSetSpeed(QString(), speed);
    // The software clock counts from here, not from its last tick.
    if (svc_.state.DoTimeAccumulate) svc_.state.AccLastTime = svc_.clock.secondsSinceMidnight() * 1000.0;
    media.MMPlay(QString(), positionMs);
    if (openCode != 0)
        seams_.status.setStatus(QStringLiteral("無法播放. (") + GetFileTitle(path) + QStringLiteral(") ") +
                                media.MMGetErrorText(openCode));
    if (written) {
        using namespace TagField;
        const TagTexts& f = model_.fields();
        svc_.state.VersionH = f[Title] + QStringLiteral(" ~ ") + f[Artist] + QStringLiteral(" ~ ") + f[Album] +
                              QStringLiteral(" - ");
        seams_.caption.setCaption(songCaption());
    }
    return written;
}

QString TagEditor::songCaption() const {
    const AppState& s = svc_.state;
    // The scrolling form ends in " - " so its end joins its start.
    if (s.TitleDirection == 0) return s.VersionH + s.VersionB + s.VersionT;
    return s.VersionH + s.VersionB + QStringLiteral(" - ");
}

void TagEditor::ApplyAutoFill() {
    TagTexts fields = model_.fields();
    model_.presets().applyTo(fields);
    setFields(fields);
}

void TagEditor::setFields(const TagTexts& fields) {
    for (int i = 0; i < TagField::kCount; ++i) txtInput_Change(i, fields.at(static_cast<size_t>(i)));
}

void TagEditor::showTitle(const QString& path, const QString& what) {
    model_.setTitle(QString::fromUtf8(kTitleText) + QStringLiteral(" [") + GetFileTitle(path) + what +
                    QStringLiteral("] (") + svc_.clock.timeOfDayText() + QStringLiteral(")"));
}

void TagEditor::File1_Click(int row) {
    if (row < 0 || row >= model_.fileNames().size()) return;
    model_.setFileRow(row);
    QString folder = model_.fileFolder();
    model_.setUseSongList(false);
    LoadTagFields(AddBackslash(folder) + model_.fileNames().at(row));
}

void TagEditor::listSongName_Click(int row) {
    if (row < 0 || row >= model_.songLinks().size()) return;
    model_.setSongRow(row);
    model_.setUseSongList(true);
    LoadTagFields(model_.songLinks().at(row));
}

void TagEditor::step(int delta) {
    const bool songs = model_.useSongList();
    const int count = static_cast<int>(songs ? model_.songLinks().size() : model_.fileNames().size());
    if (count == 0) return;
    const int row = songs ? model_.songRow() : model_.fileRow();
    int next = 0;
    if (delta < 0)
        next = row <= 0 ? count - 1 : row - 1;
    else
        next = row < 0 || row >= count - 1 ? 0 : row + 1;
    if (songs)
        listSongName_Click(next);
    else
        File1_Click(next);
}

void TagEditor::cmdSave_Click(int index) {
    // Leaving or moving on only after the tag is on disk: a refused save
    // keeps the typed fields in front of the user.
    if (!SaveTagFields(model_.currentLink())) return;
    if (index == 1) emit model_.closeRequested();
    if (index == 2) step(+1);
}

void TagEditor::cmdCancel_Click(int index) {
    if (index == 0) emit model_.closeRequested();
    if (index == 1) step(-1);
    if (index == 2) step(+1);
}

void TagEditor::cmdLoad_Click() { LoadTagFields(model_.currentLink()); }

void TagEditor::txtInput_Change(int field, const QString& text) {
    model_.setField(field, text);
    model_.setByteCount(field, CheckInvalidChars(svc_.dialogs, text));
}

void TagEditor::ComGender_Click(int item) {
    if (item < 0 || item >= TagGenres::kItemCount) return;
    model_.setGenreItem(item);
    model_.setGenreNumberText(QString::number(TagGenres::numberForItem(item)));
}

void TagEditor::lblInput_MouseUp(int caption, Button button) {
    constexpr int kGenreCaption = 5;
    if (caption < 0 || caption > kGenreCaption) return;
    if (button == Button::Left) {
        if (caption == kGenreCaption)
            askForGenreNumber();
        else
            txtInput_Change(caption, TrimSpaces(model_.field(caption)));
        return;
    }
    if (caption == kGenreCaption) {
        ComGender_Click(TagGenres::kNoGenreItem);
        return;
    }
    txtInput_Change(caption, QString());
    emit model_.focusField(caption);
}

void TagEditor::askForGenreNumber() {
    const QString answer = svc_.dialogs.inputBox(QStringLiteral("請輸入歌曲類型號碼[0-255]"));
    // A cancelled box (an empty answer) keeps the genre.
    if (answer.isEmpty()) return;
    const double value = leadingNumber(answer);
    if (value < 0 || value > 255) return;
    ComGender_Click(TagGenres::itemForNumber(static_cast<int>(roundHalfEven(value))));
}

void TagEditor::listAutoFill_Click(int index) {
    TagTexts fields = model_.fields();
    int genreItem = model_.genreItem();
    const TagAutoFill::Sources sources{svc_.clock.now().date().year(), svc_.state.PSongLenS};
    const bool presetsFollow = TagAutoFill::run(index, model_.currentLink(), sources, fields, genreItem);
    setFields(fields);
    ComGender_Click(genreItem);
    if (presetsFollow) ApplyAutoFill();
}

void TagEditor::listAutoFill2_MouseDown(int item, Button button) {
    if (item < 0 || item >= TagField::kCount) return;  // the overwrite switch only ticks
    if (button == Button::Left)
        txtInput_Change(item, model_.presets().value(item));
    else
        askForPreset(item);
}

void TagEditor::askForPreset(int item) {
    TagPresets presets = model_.presets();
    const QString answer =
        svc_.dialogs.inputBox(QStringLiteral("請輸入要預設的資料\r\n") + presets.itemText(item),
                              presets.ticked(item) ? QStringLiteral("True") : QStringLiteral("False"),
                              presets.value(item));
    if (answer.isEmpty()) return;
    presets.setValue(item, answer);
    presets.setTicked(item, true);
    model_.setPresets(presets);
}

void TagEditor::listAutoFill2_Ticked(int item, bool on) {
    if (item < 0 || item >= TagPresets::kItemCount || model_.presets().ticked(item) == on) return;
    TagPresets presets = model_.presets();
    presets.setTicked(item, on);
    model_.setPresets(presets);
}

void TagEditor::cmdExecuteAutoFill2_Click() { ApplyAutoFill(); }

void TagEditor::imgCopytxtInput_Click(int field) {
    svc_.clipboard.clear();
    svc_.clipboard.setText(model_.field(field));
}

void TagEditor::imgPastetxtInput_Click(int field) { txtInput_Change(field, svc_.clipboard.text()); }
