// The batch renamer over a generated album folder: the template typed,
// numbers of two digits, the new names beside the current ones.
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "Scene.h"
#include "support/QuietSeams.h"
#include "common/DataFolder.h"
#include "platform/Dialogs.h"
#include "rename/Frm_Rename.h"

namespace {


QString makeAlbumFolder() {
    const QString album = DataFolder::root() + QStringLiteral("專輯");
    QDir().mkpath(album);
    const char* titles[] = {"晴天", "雨夜", "Blue Sky", "海風", "夏夜", "星光", "再見", "Bonus", "月光", "遠方", "回家", "Encore"};
    int track = 1;
    for (const char* title : titles) {
        QFile file(album + QStringLiteral("/歌手 - %1 (%2).mp3").arg(QString::fromUtf8(title)).arg(track++));
        if (file.open(QIODevice::WriteOnly)) file.write("x");
    }
    return album;
}

// The window holds its browser; the browser goes with it.
class RenameSceneWindow final : public Frm_Rename {
public:
    RenameSceneWindow(QuietSeams* browser, AppServices& services)
        : Frm_Rename(*browser, services.dialogs, services.files), browser_(browser) {
        auto* box = findChild<QLineEdit*>(QStringLiteral("txtTemplate"));
        box->setText(QStringLiteral("Track #.mp3"));
        emit box->textEdited(box->text());
    }

private:
    std::unique_ptr<QuietSeams> browser_;
};

SceneRegistrar scenes{{
    {QStringLiteral("rename-template"),
     [](AppServices& s) -> QWidget* {
         // The browser showing the album folder, all files, none selected.
         auto* browser = new QuietSeams;
         browser->folder = makeAlbumFolder();
         return new RenameSceneWindow(browser, s);
     }},
}};

}  // namespace
