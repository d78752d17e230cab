// The playlist on windows of the main window's sizes: the full mode's right
// column with a loaded, partly measured playlist that is playing, and the
// simple mode's page view on its second page.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include "Scene.h"
#include "app/AppState.h"
#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "common/DataFolder.h"
#include "common/Twips.h"
#include "playback/MultiMedia.h"
#include "playlist/PlaylistPanel.h"
#include "support/QuietSeams.h"

namespace {

class PlaylistSceneWindow final : public QWidget, public StatusLine, public SongStarter {
public:
    PlaylistSceneWindow(AppServices& services, int mode)
        : media_(services.mci), playlist_(state_, services.dialogs, services.clock, *this, media_, seams_.forPlaylist()) {
        setObjectName(QStringLiteral("playlistScene"));
        const QSize sizes[] = {{12000, 8385}, {8115, 6540}, {4650, 6345}};
        resize(Twips::toPx(sizes[mode]));
        state_.WindowMode = static_cast<quint8>(mode);
        state_.TotalPLRep = 2;
        state_.options.passEntry = 2;
        if (mode != 0) {
            state_.lblPLItemNo = mode == 1 ? 27 : 15;
            state_.ShiftConst[1] = mode == 1 ? 375 : 1695;
        }
        status_ = new QLineEdit(this);
        status_->setObjectName(QStringLiteral("txtState"));
        status_->setReadOnly(true);
        status_->setGeometry(mode == 0 ? Twips::rectToPx(6400, 7320, 5475, 300)
                                       : Twips::rectToPx(120, mode == 1 ? 5520 : 5040, 4335, 300));
        panel_ = new PlaylistPanel(this, playlist_, state_);
        fill();
    }
    // The panel's widgets hold on to the playlist, so they go first.
    ~PlaylistSceneWindow() override { delete panel_; }

    void setStatus(const QString& text) override { status_->setText(text); }
    QString status() const override { return status_->text(); }
    void SongStarted(const QString&) override {}

private:
    void fill() {
        const char* titles[] = {"01 晴天", "02 雨夜", "03 Blue Sky", "04 海風", "05 夏夜", "06 星光",
                                "07 Morning Light", "08 城市", "09 一路向北", "10 再見", "11 Bonus Track",
                                "12 月光", "13 Daybreak", "14 回家", "15 流星雨", "16 Midnight Train",
                                "17 青春", "18 Finale"};
        Playlist& playlist = playlist_;
        int i = 0;
        for (const char* title : titles) {
            const QString name = QString::fromUtf8(title);
            // Two entries point at songs that have gone missing.
            const QString path = folder_.path() + QStringLiteral("/音樂/") + name + QStringLiteral(".mp3");
            if (i != 5 && i != 11) {
                QDir().mkpath(QFileInfo(path).absolutePath());
                QFile file(path);
                if (file.open(QIODevice::WriteOnly)) file.write("x");
            }
            // The last few are not measured yet.
            playlist.entries().append(path, i < 15 ? 150000 + i * 13370 : 0);
            ++i;
        }
        QDir().mkpath(DataFolder::lyricsFolder());
        for (const char* title : {"03 Blue Sky", "09 一路向北"}) {
            QFile lyric(DataFolder::lyricFileFor(QString::fromUtf8(title)));
            if (lyric.open(QIODevice::WriteOnly)) lyric.write("x");
        }
        state_.UPlayList = DataFolder::defaultPlaylist();
        QFile list(state_.UPlayList);
        if (list.open(QIODevice::WriteOnly)) list.write(playlist.entries().paths().join(QStringLiteral("\r\n")).toUtf8());
        if (state_.WindowMode == 2) state_.lblPLpage = 1;
        playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false);
        // Pretend the scheduler has reached the 17th entry.
        playlist.scheduler().PlayListTimer().set(0, false);
        state_.PLRep = 1;
        state_.PlayNo = 16;
        state_.PlayNextNo = 17;
        playlist.entries().setPlayedBeforeMs(playlist.entries().PLCountLength(0, 15));
        playlist.display().showPlayingEntry(16);
        playlist.labels().setInfoCaption(QStringLiteral("播放中:17/18  下一首:18/18  [42:11] (1/2)"));
        setStatus(QStringLiteral("播放中...(17 青春)"));
    }

    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/Corvane-XXXXXX")};
    AppState state_;
    MultiMedia media_;
    QuietSeams seams_;
    Playlist playlist_;
    QLineEdit* status_ = nullptr;
    PlaylistPanel* panel_ = nullptr;
};

SceneRegistrar scenes{{
    {QStringLiteral("playlist"), [](AppServices& s) -> QWidget* { return new PlaylistSceneWindow(s, 0); }},
    {QStringLiteral("playlist-lyricview"), [](AppServices& s) -> QWidget* { return new PlaylistSceneWindow(s, 1); }},
    {QStringLiteral("playlist-simple"), [](AppServices& s) -> QWidget* { return new PlaylistSceneWindow(s, 2); }},
}};

}  // namespace
