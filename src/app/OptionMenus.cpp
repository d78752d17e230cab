#include "app/OptionMenus.h"

#include <QAction>
#include <QMenu>

#include "app/AppOptions.h"
#include "app/AppState.h"
#include "ui/Appearance.h"

namespace {

QStringList checkCaptions() {
    return {
        QStringLiteral("啟動時自動載入PlayList (playlist.ini)"),
        QStringLiteral("結束時自動儲存開啟中的PlayList"),
        QStringLiteral("自動調整資料夾及檔案夾的高度"),
        QStringLiteral("立刻播放PlayList(停止正在播放的歌曲)"),
        QStringLiteral("立刻停止PlayList(停止正在播放的歌曲)"),
        QStringLiteral("播放PlayList前重組PlayList"),
        QStringLiteral("在歌曲播放時關閉程式要求確認"),
        QStringLiteral("調整資料夾高度時預留一格空位"),
        QStringLiteral("當程式從最小化還原時自動更新檔案及資料夾"),
    };
}

QString indexedName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

}  // namespace

OptionMenus::OptionMenus(AppOptions& options, Appearance& appearance, QMenu* menu)
    : QObject(menu), options_(options), appearance_(appearance) {
    buildChecks(menu);
    menu->addSeparator();
    buildCombo(menu, 0,
               {QStringLiteral("1次"), QStringLiteral("2次"), QStringLiteral("3次"), QStringLiteral("4次"),
                QStringLiteral("5次"), QStringLiteral("∞次")},
               1);
    buildCombo(menu, 1, {QStringLiteral("無"), QStringLiteral("左"), QStringLiteral("右"), QStringLiteral("左/右")},
               0);
    buildCombo(menu, 2,
               {QStringLiteral("- 200 (0.2秒)"), QStringLiteral("- 100 (0.1秒)"), QStringLiteral("沒有加速(原本速度)"),
                QStringLiteral("+ 100 (0.1秒)"), QStringLiteral("+ 200 (0.2秒)"), QStringLiteral("+ 300 (0.3秒)"),
                QStringLiteral("+ 400 (0.4秒)"), QStringLiteral("+ 500 (0.5秒)")},
               0);
    buildCombo(menu, 3,
               {QStringLiteral("因應時間自行選擇"), QStringLiteral("選擇其它背景"), QStringLiteral("Morning.jpg"),
                QStringLiteral("Noon.jpg"), QStringLiteral("Afternoon.jpg"), QStringLiteral("Night.jpg"),
                QStringLiteral("Daybreak.jpg"), QStringLiteral("Midday.jpg")},
               0);
    connect(&options_, &AppOptions::changed, this, &OptionMenus::sync);
    sync();
}

void OptionMenus::buildChecks(QMenu* menu) {
    const QStringList captions = checkCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        QAction* action = menu->addAction(captions.at(i));
        action->setObjectName(indexedName("mnuOptCheck", i));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { mnuOptCheck_Click(i); });
        checks_.append(action);
    }
}

void OptionMenus::buildCombo(QMenu* menu, int list, const QStringList& captions, int firstEntry) {
    static const char* const kTitles[] = {"PlayList播放次數", "捲動式字幕", "動態化歌詞速度調整", "程式起始背景"};
    QMenu* combo = menu->addMenu(QString::fromUtf8(kTitles[list]));
    combo->setObjectName(indexedName("mnuOptCombo", list));
    combos_.append(combo);
    firstEntry_.append(firstEntry);
    QVector<QAction*> actions;
    const QByteArray listName = "mnuOptComboList" + QByteArray::number(list);
    for (int i = 0; i < captions.size(); ++i) {
        const int entry = firstEntry + i;
        QAction* action = combo->addAction(captions.at(i));
        action->setObjectName(indexedName(listName.constData(), entry));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, list, entry] { onComboClicked(list, entry); });
        actions.append(action);
    }
    entries_.append(actions);
}

QAction* OptionMenus::mnuOptComboList(int list, int entry) const {
    if (list < 0 || list >= entries_.size()) return nullptr;
    return entries_.at(list).value(entry - firstEntry_.at(list));
}

void OptionMenus::onComboClicked(int list, int entry) {
    switch (list) {
    case 0: mnuOptComboList0_Click(entry); break;
    case 1: mnuOptComboList1_Click(entry); break;
    case 2: mnuOptComboList2_Click(entry); break;
    // The start-up background entries ask for a picture and report on the
    // status line: the appearance decides them.
    default: appearance_.mnuOptComboList3_Click(entry); break;
    }
    sync();  // a click toggles the entry's own mark; the option decides it
}

void OptionMenus::mnuOptCheck_Click(int index) { options_.mnuOptCheck_Click(index); }
void OptionMenus::mnuOptComboList0_Click(int entry) { options_.mnuOptComboList0_Click(entry); }
void OptionMenus::mnuOptComboList1_Click(int entry) { options_.mnuOptComboList1_Click(entry); }
void OptionMenus::mnuOptComboList2_Click(int entry) { options_.mnuOptComboList2_Click(entry); }

void OptionMenus::sync() {
    const OptionState& o = options_.state().options;
    for (int i = 0; i < checks_.size(); ++i) checks_.at(i)->setChecked(o.optCheck[i]);
    const int checked[] = {o.passEntry, o.scrollEntry, o.lyricSpeedEntry, o.backgroundEntry};
    for (int list = 0; list < entries_.size(); ++list) {
        for (int i = 0; i < entries_.at(list).size(); ++i)
            entries_.at(list).at(i)->setChecked(firstEntry_.at(list) + i == checked[list]);
    }
}
