#include "ui/AppearanceOptions.h"

#include <QDir>
#include <QFileInfo>

#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "common/DataFolder.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Translucency.h"
#include "ui/AppearanceWindow.h"
#include "ui/BackgroundTable.h"

namespace {

constexpr qint16 kTranslucentOpacity = 150;  // of 255, about 59 %
constexpr int kTranslucency = 0;
constexpr int kTopMost = 1;

}  // namespace

AppearanceOptions::AppearanceOptions(AppState& state, Dialogs& dialogs, const Clock& clock, StatusLine& status,
                                     Seams seams, QObject* parent)
    : QObject(parent), state_(state), dialogs_(dialogs), clock_(clock), status_(status), seams_(seams) {}

void AppearanceOptions::SetBackground(qint16 mode, const QString& picturePath) {
    try {
        int chosen = mode == BackgroundTable::kByHour ? BackgroundTable::modeForHour(clock_.now().time().hour()) : mode;
        const QDir folder(DataFolder::backgroundFolder());
        QString picture;
        std::optional<ListColours> colours;
        if (chosen == BackgroundTable::kChosenPicture) {
            // A relative path names a picture of the background folder; a
            // chosen picture elsewhere does not need that folder to exist.
            if (picturePath.trimmed().isEmpty()) return;
            picture = folder.absoluteFilePath(picturePath);
        } else if (const auto fixed = BackgroundTable::fixed(chosen)) {
            picture = folder.absoluteFilePath(fixed->fileName);
            colours = fixed->colours;
        } else {
            return;
        }
        if (!QFileInfo(picture).isFile()) return;
        if (!seams_.window.showBackgroundPicture(picture)) return;
        // A chosen picture has no colours of its own: the lists keep theirs.
        if (colours) seams_.window.setListColours(*colours);
    } catch (...) {
        // What was applied stays; the background simply goes no further.
    }
}

QString AppearanceOptions::askForPicture() {
    FileDialogRequest request;
    request.title = QStringLiteral("選擇背景檔案");
    request.initialFolder = DataFolder::backgroundFolder();
    // The picture is only read: naming an existing one must not ask whether
    // to replace it.
    request.confirmOverwrite = false;
    return dialogs_.saveFile(request);
}

void AppearanceOptions::mnuOptComboList3_Click(int entry) {
    if (entry < BackgroundTable::kByHour || entry > BackgroundTable::kLastFixed) return;
    if (entry != BackgroundTable::kChosenPicture) {
        seams_.options.setBackgroundTag(QString::number(entry));
        return;
    }
    const QString chosen = askForPicture();
    if (chosen.isEmpty()) return;
    // A typed name of a missing file is kept all the same; the message then
    // names no file.
    seams_.options.setBackgroundTag(QStringLiteral("1|") + chosen);
    const QFileInfo file(chosen);
    const QString name = file.exists() ? file.fileName() : QString();
    status_.setStatus(QStringLiteral("已經設置程式起始背景檔案為 (") + name + QStringLiteral(")"));
}

void AppearanceOptions::mnuOptComboList4_Click(int entry) {
    if (entry == BackgroundTable::kChosenPicture) {
        const QString chosen = askForPicture();
        if (!chosen.isEmpty()) SetBackground(BackgroundTable::kChosenPicture, chosen);
        return;
    }
    if (entry >= BackgroundTable::kFirstFixed && entry <= BackgroundTable::kLastFixed)
        SetBackground(static_cast<qint16>(entry), QString());
}

void AppearanceOptions::mnuZELFunction_Click(int index) {
    if (index == kTranslucency) {
        // The result is not looked at: where the window system has no
        // translucency the entry is ticked all the same.
        if (translucent_)
            Frm_Transparent::ClearTranslucency(seams_.layering);
        else
            Frm_Transparent::SetTranslucency(seams_.layering, kTranslucentOpacity);
        translucent_ = !translucent_;
    } else if (index == kTopMost) {
        if (topMost_) {
            seams_.window.setTopMost(false);
            topMost_ = false;
        } else if (seams_.window.isMaximized()) {
            status_.setStatus(QStringLiteral("程式目前正在最大化狀態，不能最上層顯示."));
        } else {
            seams_.window.setTopMost(true);
            topMost_ = true;
        }
    } else {
        return;
    }
    emit changed();
}

void AppearanceOptions::mnuOptStr_Click() {
    const QString answer =
        dialogs_.inputBox(QStringLiteral("請輸入起始路徑\r\n原本路徑: ") + state_.InitDir, QString(),
                          seams_.browser.currentFolder())
            .trimmed();
    if (answer.isEmpty()) return;
    if (!QFileInfo(answer).isDir()) {
        status_.setStatus(QStringLiteral("所輸入路徑不存在! (") + answer + QStringLiteral(")"));
        return;
    }
    seams_.options.setInitDir(answer);
    status_.setStatus(QStringLiteral("起始路徑更改成功! (") + state_.InitDir + QStringLiteral(")"));
}
