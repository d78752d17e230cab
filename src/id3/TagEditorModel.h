#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

#include "id3/TagAutoFill.h"

// What the tag editor window shows, as the editor decides it: the fields
// and their byte counters, the genre, the two file lists and their
// selections, and the title bar. The window draws it on changed().
class TagEditorModel : public QObject {
    Q_OBJECT
public:
    explicit TagEditorModel(QObject* parent = nullptr) : QObject(parent) {}

    // txtInput(0..4) and lblInputLen(0..4).
    const TagTexts& fields() const { return fields_; }
    QString field(int i) const { return fields_.at(static_cast<size_t>(i)); }
    void setField(int i, const QString& text) { assign(fields_.at(static_cast<size_t>(i)), text); }
    int byteCount(int i) const { return byteCounts_.at(static_cast<size_t>(i)); }
    void setByteCount(int i, int bytes) { assign(byteCounts_.at(static_cast<size_t>(i)), bytes); }
    // The counter shows the over-length colour.
    bool overLength(int i) const { return byteCount(i) > TagField::limitBytes(i); }

    // ComGender's selected item (-1 none) and lblGenderNo.
    int genreItem() const { return genreItem_; }
    void setGenreItem(int item) { assign(genreItem_, item); }
    QString genreNumberText() const { return genreNumberText_; }
    void setGenreNumberText(const QString& text) { assign(genreNumberText_, text); }

    // txtCurrentLink: the file being edited.
    QString currentLink() const { return currentLink_; }
    void setCurrentLink(const QString& path) { assign(currentLink_, path); }

    // File1: the folder's MP3 files and the selected row (-1 none).
    QString fileFolder() const { return fileFolder_; }
    QStringList fileNames() const { return fileNames_; }
    void setFiles(const QString& folder, const QStringList& names) {
        assign(fileFolder_, folder);
        assign(fileNames_, names);
    }
    int fileRow() const { return fileRow_; }
    void setFileRow(int row) { assign(fileRow_, row); }

    // listSongName / listSongLink: the playlist copy and its selected row.
    QStringList songNames() const { return songNames_; }
    QStringList songLinks() const { return songLinks_; }
    void setSongs(const QStringList& names, const QStringList& links) {
        assign(songNames_, names);
        assign(songLinks_, links);
    }
    int songRow() const { return songRow_; }
    void setSongRow(int row) { assign(songRow_, row); }

    // UseSongList: the step buttons move through the playlist copy.
    bool useSongList() const { return useSongList_; }
    void setUseSongList(bool on) { assign(useSongList_, on); }

    // listAutoFill2: the presets.
    const TagPresets& presets() const { return presets_; }
    void setPresets(const TagPresets& presets) {
        presets_ = presets;
        emit changed();
    }

    // The window's title bar, which doubles as its status line.
    QString title() const { return title_; }
    void setTitle(const QString& text) { assign(title_, text); }

signals:
    void changed();
    // The window closes (cmdCancel(0), cmdSave(1)).
    void closeRequested();
    // The cursor goes to field i (after a right click empties it).
    void focusField(int field);

private:
    template <typename T>
    void assign(T& target, const T& value) {
        if (target == value) return;
        target = value;
        emit changed();
    }

    TagTexts fields_{};
    std::array<int, TagField::kCount> byteCounts_{};
    int genreItem_ = -1;
    QString genreNumberText_;
    QString currentLink_;
    QString fileFolder_;
    QStringList fileNames_;
    int fileRow_ = -1;
    QStringList songNames_;
    QStringList songLinks_;
    int songRow_ = -1;
    bool useSongList_ = false;
    TagPresets presets_;
    QString title_ = QStringLiteral("MP3 ID3 TAG 1 標籤修改器");
};
