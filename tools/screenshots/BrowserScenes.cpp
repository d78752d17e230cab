// The file browser on a window of the main window's full-mode size, in a
// generated music folder with the file list filtered to MP3 songs and one
// song clicked.
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QDir>

#include "Scene.h"
#include "app/AppState.h"
#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "browser/BrowserPanel.h"
#include "browser/FileListBox.h"
#include "common/Twips.h"

namespace {

class BrowserSceneWindow final : public QWidget, public StatusLine, public SongStarter {
public:
    explicit BrowserSceneWindow(AppServices& services) {
        setObjectName(QStringLiteral("browserScene"));
        resize(Twips::toPx(QSize(12000, 8385)));
        fileLink_ = new QLineEdit(this);
        fileLink_->setObjectName(QStringLiteral("txtFileLink"));
        fileLink_->setGeometry(Twips::rectToPx(120, 7320, 5475, 300));
        state_ = new QLineEdit(this);
        state_->setObjectName(QStringLiteral("txtState"));
        state_->setReadOnly(true);
        state_->setGeometry(Twips::rectToPx(6400, 7320, 5475, 300));

        const QString music = makeMusicFolder();
        app_.InitDir = music;
        panel_ = new BrowserPanel(this, app_, services, *this, fileLink_, *this);
        panel_->ChangeDirPath(music, true);
        panel_->applyFilterAnswer(QStringLiteral("mp3"));
        FileListBox* files = panel_->File1();
        files->setRowSelected(1, true);
        files->setRowSelected(2, true);
        files->setListIndex(2);
        panel_->File1_Click();
        setStatus(QStringLiteral("播放中...(03 Blue Sky)"));
    }

    void setStatus(const QString& text) override { state_->setText(text); }
    QString status() const override { return state_->text(); }
    void SongStarted(const QString&) override {}

private:
    QString makeMusicFolder() {
        const QString music = folder_.path() + QStringLiteral("/音樂");
        const char* folders[] = {"Live 2003", "精選集", "Demo"};
        for (const char* name : folders) QDir().mkpath(music + QLatin1Char('/') + QString::fromUtf8(name));
        const char* files[] = {"01 晴天.mp3",  "02 雨夜.mp3",   "03 Blue Sky.mp3", "04 海風.wav",
                               "05 夏夜.mp3",  "06 星光.MP3",   "10 再見.mp3",     "cover.jpg",
                               "歌詞.txt",     "playlist.m3u",  "11 Bonus.mid"};
        for (const char* name : files) {
            QFile file(music + QLatin1Char('/') + QString::fromUtf8(name));
            if (file.open(QIODevice::WriteOnly)) file.write("x");
        }
        return music;
    }

    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/Corvane-XXXXXX")};
    AppState app_;
    QLineEdit* fileLink_ = nullptr;
    QLineEdit* state_ = nullptr;
    BrowserPanel* panel_ = nullptr;
};

SceneRegistrar scenes{{
    {QStringLiteral("browser-filter"),
     [](AppServices& services) -> QWidget* { return new BrowserSceneWindow(services); }},
}};

}  // namespace
