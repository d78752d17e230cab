#include "playback/VolumeScale.h"

#include "common/Numbers.h"

namespace VolumeScale {

namespace {
constexpr double kChannelMax = 65535.0;
}

int unitsFromLevel(quint32 level) {
    const quint32 left = level & 0xFFFFu;
    return static_cast<int>(roundHalfEven(left / kChannelMax * kUnits));
}

int unitsFromClick(double xUnits) {
    // A click lies on the line, but a position off it must not overflow.
    const double bounded = qBound(-1.0, xUnits, kUnits + 1.0);
    const int v = static_cast<int>(roundHalfEven(bounded));
    if (v < 25) return 0;
    if (v > 950) return kUnits;
    return v;
}

quint32 levelFromUnits(int units) {
    const int bounded = qBound(0, units, kUnits);
    const auto channel = static_cast<quint32>(roundHalfEven(bounded / double(kUnits) * kChannelMax));
    return (channel << 16) | channel;
}

QString percentText(int units) { return shortestNumberText(units / 10.0) + QLatin1Char('%'); }

QString toolTip(int units) {
    return QStringLiteral("Volume: ") + QString::number(units) + QStringLiteral("/ 1000");
}

}  // namespace VolumeScale
