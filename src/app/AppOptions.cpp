#include "app/AppOptions.h"

#include <QDir>

#include "app/AppState.h"
#include "app/OptionFile.h"
#include "browser/BrowserNavigation.h"
#include "common/DataFolder.h"
#include "common/Numbers.h"
#include "playlist/PlaylistAccess.h"
#include "ui/Appearance.h"

AppOptions::AppOptions(AppState& state, QObject* parent) : QObject(parent), state_(state) {
    OptionState& o = state_.options;
    setPassEntry(o.passEntry);
    setScrollEntry(o.scrollEntry);
    setLyricSpeedEntry(o.lyricSpeedEntry);
    state_.ShiftConst[2] = o.optCheck[OptCheck::SpareRowWhenFitting] ? 1 : 0;
    if (state_.InitDir.isEmpty()) state_.InitDir = QDir::homePath();
}

bool AppOptions::LoadOptions(const LoadTargets& targets, QString* error) {
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
    // A playlist that fails to load reports that itself; the start goes on.
    if (o.optCheck[OptCheck::LoadPlaylistAtStart]) targets.playlist.PLLoadFile(DataFolder::defaultPlaylist(), false);
    state_.ShiftConst[2] = o.optCheck[OptCheck::SpareRowWhenFitting] ? 1 : 0;
    setPassEntry(v.passEntry);
    setScrollEntry(v.scrollEntry);
    setLyricSpeedEntry(v.lyricSpeedEntry);

    // The checker lets the user correct a start folder that cannot be shown.
    if (!targets.browser.ChangeDirPath(state_.InitDir, true)) {
        if (error) *error = QStringLiteral("the start folder cannot be shown: ") + state_.InitDir;
        return false;
    }

    o.backgroundTag = v.backgroundTag;
    targets.appearance.SetBackground(static_cast<qint16>(o.backgroundEntry), v.backgroundPath());
    loaded_ = true;
    emit changed();
    return true;
}

bool AppOptions::adoptSavedFile() {
    const OptionFile::ParseResult file = OptionFile::read(DataFolder::optionFile());
    if (!file.ok) return false;
    const OptionValues& v = file.values;
    OptionState& o = state_.options;
    o.optCheck = v.flags;
    state_.ShiftConst[2] = o.optCheck[OptCheck::SpareRowWhenFitting] ? 1 : 0;
    setPassEntry(v.passEntry);
    setScrollEntry(v.scrollEntry);
    setLyricSpeedEntry(v.lyricSpeedEntry);
    state_.InitDir = v.initDir;
    o.backgroundTag = v.backgroundTag;
    o.backgroundEntry = v.backgroundEntry();
    loaded_ = true;
    changedByUser_ = false;
    emit changed();
    return true;
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
    state_.ShiftConst[2] = o.optCheck[OptCheck::SpareRowWhenFitting] ? 1 : 0;
    changedByUser();
}

void AppOptions::mnuOptComboList0_Click(int entry) {
    if (setPassEntry(entry)) changedByUser();
}

void AppOptions::mnuOptComboList1_Click(int entry) {
    if (setScrollEntry(entry)) changedByUser();
}

void AppOptions::mnuOptComboList2_Click(int entry) {
    if (setLyricSpeedEntry(entry)) changedByUser();
}

void AppOptions::setBackgroundTag(const QString& tag) {
    OptionValues v;
    v.backgroundTag = tag;
    state_.options.backgroundTag = tag;
    state_.options.backgroundEntry = v.backgroundEntry();
    changedByUser();
}

void AppOptions::setInitDir(const QString& folder) {
    state_.InitDir = folder;
    changedByUser();
}

void AppOptions::changedByUser() {
    changedByUser_ = true;
    emit changed();
}

bool AppOptions::setPassEntry(int entry) {
    if (entry < 1 || entry > 6) return false;
    state_.options.passEntry = entry;
    state_.TotalPLRep = entry > 5 ? qint16(-1) : qint16(entry);
    return true;
}

bool AppOptions::setScrollEntry(int entry) {
    if (entry < 0 || entry > 3) return false;
    state_.options.scrollEntry = entry;
    state_.TitleDirection = static_cast<quint8>(entry);
    return true;
}

bool AppOptions::setLyricSpeedEntry(int entry) {
    if (entry < 0 || entry > 7) return false;
    state_.options.lyricSpeedEntry = entry;
    state_.DLSM = static_cast<qint16>(entry * 100 - 200);
    return true;
}
