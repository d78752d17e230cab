#pragma once

#include <QStringList>

#include "app/AppState.h"
#include "common/CodePage.h"
#include "id3/Id3Tag.h"
#include "id3/TagEditor.h"
#include "id3/TagEditorModel.h"
#include "id3/TagFile.h"
#include "playback/MultiMedia.h"
#include "playback/Transport.h"
#include "playback/WindowCaption.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeSeams.h"
#include "support/FakeTransport.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"


class FakeCaption final : public WindowCaption {
public:
    QString caption() const override { return text; }
    void setCaption(const QString& value) override { text = value; }
    QString text;
};

// A record built byte by byte, apart from the writer.
inline QByteArray tagRecord(const QString& title, const QString& artist, quint8 genre) {
    const auto field = [](const QString& text, int width) {
        return CodePage::toCp950Lossy(text).left(width).leftJustified(width, '\0');
    };
    return "TAG" + field(title, 30) + field(artist, 30) + QByteArray(30, '\0') + QByteArray(4, '\0') +
           QByteArray(30, '\0') + QByteArray(1, static_cast<char>(genre));
}

// The editor with every seam faked and a folder of songs to work on.
struct TagEditorRig {
    explicit TagEditorRig(TagFile* tagFile = nullptr) : file(tagFile ? *tagFile : diskFile) {}

    FakeServices fakes;
    AppState state;
    DiskTagFile diskFile;
    TagFile& file;
    FakeBrowser browser;
    FakePlaylistAccess playlist;
    FakeTransport transport;
    MultiMedia media{fakes.mci};
    FakeCaption caption;
    RecordingStatusLine status;
    TagEditorModel model;
    TagEditor editor{model,
                     {fakes.dialogs, fakes.clipboard, fakes.clock, file, state},
                     {browser, playlist, transport, media, caption, status}};
    TempDir dir;

    // A song of `audioBytes` bytes, tagged with `title` and `artist` unless the title is null.
    QString song(const QString& relative, const QString& title = {}, const QString& artist = {}, quint8 genre = 13,
                 int audioBytes = 1000) const {
        const QByteArray tag = title.isNull() ? QByteArray() : tagRecord(title, artist, genre);
        return dir.writeFile(relative, QByteArray(audioBytes, 'a') + tag);
    }
    QStringList messages() const { return fakes.dialogs.messageTexts(); }
};
