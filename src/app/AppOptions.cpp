#include "app/AppOptions.h"

#include <QDebug>
#include <QDir>

#include <exception>

#include "app/AppState.h"
#include "app/OptionFile.h"
#include "common/DataFolder.h"
#include "common/Numbers.h"

AppOptions::AppOptions(AppState& state, QObject* parent) : QObject(parent), state_(state) {
    OptionState& o = state_.options;
    mnuOptComboList0_Click(o.passEntry);
    mnuOptComboList1_Click(o.scrollEntry);
    mnuOptComboList2_Click(o.lyricSpeedEntry);
    state_.ShiftConst[2] = o.optCheck[7] ? 1 : 0;
    if (state_.InitDir.isEmpty()) state_.InitDir = QDir::homePath();
}

bool AppOptions::LoadOptions(QString* error) {
    const OptionFile::ParseResult file = OptionFile::read(DataFolder::optionFile());
    if (!file.ok) {
        if (error) *error = file.error;
        return false;
    }
    const OptionValues& v = file.values;
    OptionState& o = state_.options;
    o.optCheck = v.flags;
    state_.InitDir = v.initDir;
    o.backgroundEntry = v.backgroundEntry();
    if (o.optCheck[0]) loadDefaultPlaylist();
    state_.ShiftConst[2] = o.optCheck[7] ? 1 : 0;
    mnuOptComboList0_Click(v.passEntry);
    mnuOptComboList1_Click(v.scrollEntry);
    mnuOptComboList2_Click(v.lyricSpeedEntry);

    if (hooks.ChangeDirPath)
        hooks.ChangeDirPath(state_.InitDir, true);
    else
        missed_.missed("LoadOptions", "ChangeDirPath");

    o.backgroundTag = v.backgroundTag;
    if (hooks.SetBackground)
        hooks.SetBackground(static_cast<qint16>(o.backgroundEntry), v.backgroundPath());
    else
        missed_.missed("LoadOptions", "SetBackground");
    emit changed();
    return true;
}

void AppOptions::loadDefaultPlaylist() {
    if (!hooks.PLLoadFile) {
        missed_.missed("LoadOptions", "PLLoadFile");
        return;
    }
    // A playlist that fails to load reports that itself; the start goes on.
    try {
        hooks.PLLoadFile(DataFolder::defaultPlaylist());
    } catch (const std::exception& e) {
        qWarning() << "LoadOptions: the default playlist failed to load:" << e.what();
    } catch (...) {
        qWarning() << "LoadOptions: the default playlist failed to load";
    }
}

bool AppOptions::SaveOptions(QString* error) {
    OptionValues v;
    v.flags = state_.options.optCheck;
    v.passEntry = state_.TotalPLRep == -1 ? qint16(6) : state_.TotalPLRep;
    v.scrollEntry = state_.TitleDirection;
    const std::optional<quint8> lyricEntry = tryRoundTo<quint8>(state_.DLSM / 100.0 + 2);
    if (!lyricEntry) {
        if (error) *error = QStringLiteral("the lyric speed adjustment %1 ms has no entry").arg(state_.DLSM);
        return false;
    }
    v.lyricSpeedEntry = *lyricEntry;
    v.initDir = state_.InitDir;
    v.backgroundTag = state_.options.backgroundTag;
    return OptionFile::write(DataFolder::optionFile(), v, error);
}

void AppOptions::mnuOptCheck_Click(int index) {
    if (index < 0 || index > 8) return;
    OptionState& o = state_.options;
    o.optCheck[index] = !o.optCheck[index];
    state_.ShiftConst[2] = o.optCheck[7] ? 1 : 0;
    emit changed();
}

void AppOptions::mnuOptComboList0_Click(int entry) {
    if (entry < 1 || entry > 6) return;
    state_.options.passEntry = entry;
    state_.TotalPLRep = entry > 5 ? qint16(-1) : qint16(entry);
    emit changed();
}

void AppOptions::mnuOptComboList1_Click(int entry) {
    if (entry < 0 || entry > 3) return;
    state_.options.scrollEntry = entry;
    state_.TitleDirection = static_cast<quint8>(entry);
    emit changed();
}

void AppOptions::mnuOptComboList2_Click(int entry) {
    if (entry < 0 || entry > 7) return;
    state_.options.lyricSpeedEntry = entry;
    state_.DLSM = static_cast<qint16>(entry * 100 - 200);
    emit changed();
}

void AppOptions::setBackgroundTag(const QString& tag) {
    OptionValues v;
    v.backgroundTag = tag;
    state_.options.backgroundTag = tag;
    state_.options.backgroundEntry = v.backgroundEntry();
    emit changed();
}

QStringList AppOptions::unconnectedHooks() const {
    QStringList names;
    if (!hooks.PLLoadFile) names << QStringLiteral("PLLoadFile");
    if (!hooks.ChangeDirPath) names << QStringLiteral("ChangeDirPath");
    if (!hooks.SetBackground) names << QStringLiteral("SetBackground");
    return names;
}
