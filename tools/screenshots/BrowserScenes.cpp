// The main window with its file browser in a generated music folder, the
// file list filtered to MP3 songs and one song clicked; then the same with
// the copy panel open.
#include <QDir>
#include <QFile>

#include "Scene.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "ui/Frm_Main.h"

namespace {

// The folder lives in the scene run's own data folder, which is removed
// with it.
QString makeMusicFolder() {
    const QString music = DataFolder::root() + QStringLiteral("音樂");
    for (const char* name : {"Live 2003", "精選集", "Demo"})
        QDir().mkpath(music + QLatin1Char('/') + QString::fromUtf8(name));
    const char* files[] = {"01 晴天.mp3", "02 雨夜.mp3", "03 Blue Sky.mp3", "04 海風.wav", "05 夏夜.mp3", "06 星光.MP3",
                           "10 再見.mp3", "cover.jpg",   "歌詞.txt",        "playlist.m3u", "11 Bonus.mid"};
    for (const char* name : files) {
        QFile file(music + QLatin1Char('/') + QString::fromUtf8(name));
        if (file.open(QIODevice::WriteOnly)) file.write("x");
    }
    return music;
}

QWidget* filteredBrowserWindow(AppServices& services) {
    auto* window = new Frm_Main(services);
    window->Form_Load(QString());
    BrowserNavigator& browser = window->assembly().browser();
    browser.ChangeDirPath(makeMusicFolder(), true);
    browser.applyFilterAnswer(QStringLiteral("mp3"));
    browser.setFileSelection({1, 2}, 2);
    browser.File1_Click();
    return window;
}

// Two songs selected and the copy panel open on the same folder.
QWidget* copyPanelWindow(AppServices& services) {
    QWidget* window = filteredBrowserWindow(services);
    static_cast<Frm_Main*>(window)->assembly().moveCopy().mnuFileCopy_Click(1);
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("browser-filter"), filteredBrowserWindow},
    {QStringLiteral("browser-copy"), copyPanelWindow},
}};

}  // namespace
