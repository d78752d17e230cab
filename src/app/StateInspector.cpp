#include "app/StateInspector.h"

#include "app/AppState.h"
#include "app/TimerRegistry.h"
#include "common/Numbers.h"

namespace {

QString number(qint64 value) { return QString::number(value); }
QString boolean(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace

namespace StateInspector {

QStringList lines(const AppState& s, const TimerRegistry& timers, qint32 positionMs) {
    const auto timer = [&timers](const char* name) { return number(timers.intervalMs(QLatin1String(name))); };
    const std::pair<const char*, QString> items[] = {
        {"PSongLink", s.PSongLink},
        {"VersionH", s.VersionH},
        {"VersionB", s.VersionB},
        {"VersionT", s.VersionT},
        {"InitDir", s.InitDir},
        {"PLyricLink", s.PLyricLink},
        {"UPlayList", s.UPlayList},
        {"PlayNo", number(s.PlayNo)},
        {"PlayNextNo", number(s.PlayNextNo)},
        {"LyricNo", number(s.LyricNo)},
        {"LyricNoTotal", number(s.LyricNoTotal)},
        {"LyricTimer", timer("LyricTimer")},
        {"ChkSongLen", number(s.ChkSongLen)},
        {"ChkSongLenEND", number(s.ChkSongLenEND)},
        {"SongLenTimer", timer("SongLenTimer")},
        {"PLRep", number(s.PLRep)},
        {"TotalPLRep", number(s.TotalPLRep)},
        {"PLPressed", number(s.PLPressed)},
        {"FrameState", number(s.FrameState)},
        {"MMCentre.Position", number(positionMs)},
        {"PSongLenL", number(s.PSongLenL)},
        {"PSongLenS", s.PSongLenS},
        {"DLSM", number(s.DLSM)},
        {"PLBackUpNo", number(s.PLBackUpNo)},
        {"TitleDirection", number(s.TitleDirection)},
        {"WindowMode", number(s.WindowMode)},
        {"ShiftConst(0)", number(s.ShiftConst[0])},
        {"ShiftConst(1)", number(s.ShiftConst[1])},
        {"ShiftConst(2)", number(s.ShiftConst[2])},
        {"MMTimer", timer("MMTimer")},
        {"PLInfoTimer", timer("PLInfoTimer")},
        {"PlayListTimer", timer("PlayListTimer")},
        {"VariableTimer", timer("VariableTimer")},
        {"lblPLItemNo", number(s.lblPLItemNo)},
        {"lblPLpage", number(s.lblPLpage)},
        {"mnuOptCombo(3).Tag", s.options.backgroundTag},
        {"DoTimeAccumulate", boolean(s.DoTimeAccumulate)},
        {"AccTimePos", number(s.AccTimePos)},
        {"AccLastTime", shortestNumberText(s.AccLastTime)},
    };
    QStringList result;
    result.reserve(kLineCount);
    for (const auto& [label, value] : items) result.append(QLatin1String(label) + QStringLiteral(" = ") + value);
    return result;
}

}  // namespace StateInspector
