// Scenes of the application core: the option checker after a failed start
// and the about box.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "Scene.h"
#include "app/AppState.h"
#include "app/Frm_SaveMode.h"
#include "app/Frm_Version.h"
#include "platform/Dialogs.h"

namespace {

// The checker's opening messages would wait for a click; the scene answers
// them at once.
class SilentDialogs final : public Dialogs {
public:
    int messageBox(const QString&, MsgButtons buttons, MsgIcon, const QString&) override {
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString& defaultAnswer, std::optional<QPoint>) override {
        return defaultAnswer;
    }
    QStringList openFiles(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
};

// An option file of an older version: twelve lines, the last two missing.
QByteArray olderOptionFile() {
    return QByteArray("#TRUE#\r\n#FALSE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n#TRUE#\r\n"
                      "6\r\n1\r\n3\r\n") +
           QStringLiteral("\"/home/user/音樂/流行曲\"\r\n\"1|/home/user/圖片/背景 (夜).jpg\"\r\n").toUtf8();
}

// Runs `build` with the data folder pointing at a folder of the scene's own
// holding the given option file, so other scenes see their folder unchanged.
template <typename Build>
QWidget* withOptionFile(const QByteArray& optionFile, Build build) {
    static QTemporaryDir folder;
    const QString root = folder.path() + QStringLiteral("/Corvane Player");
    QDir().mkpath(root);
    QFile file(root + QStringLiteral("/Option.ini"));
    if (file.open(QIODevice::WriteOnly)) file.write(optionFile);
    file.close();
    const QByteArray previous = qgetenv("CORVANE_DATA_DIR");
    qputenv("CORVANE_DATA_DIR", root.toLocal8Bit());
    QWidget* window = build();
    qputenv("CORVANE_DATA_DIR", previous);
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("option-checker"),
     [](AppServices& services) -> QWidget* {
         return withOptionFile(olderOptionFile(), [&services] {
             static SilentDialogs dialogs;
             auto* window = new Frm_SaveMode(dialogs, services.launcher, nullptr, nullptr);
             window->Form_Load();  // after a failed start: the upgrade button turns red
             window->cmdCompareOpt_Click();
             return window;
         });
     }},
    {QStringLiteral("about"),
     [](AppServices& services) -> QWidget* {
         static AppState state;
         return new Frm_Version(state, services.clipboard, nullptr);
     }},
}};

}  // namespace
