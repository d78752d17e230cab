#include "playback/JumpTime.h"

#include "common/Numbers.h"
#include "common/PathText.h"

namespace {

std::optional<qint16> part(const QString& text) { return tryRoundTo<qint16>(leadingNumber(text)); }

}  // namespace

std::optional<qint32> parseJumpTime(const QString& answer) {
    if (answer.isEmpty()) return std::nullopt;
    const QString colon = QStringLiteral(":");
    const QString dot = QStringLiteral(".");
    QString minutes, seconds, hundredths;
    const bool hasColon = answer.contains(colon);
    const bool hasDot = answer.contains(dot);
    if (hasColon && hasDot) {
        minutes = TextBefore(answer, colon);
        const QString rest = TextAfter(answer, colon);
        seconds = TextBefore(rest, dot);
        hundredths = TextAfter(rest, dot);
    } else if (hasColon) {
        minutes = TextBefore(answer, colon);
        seconds = TextAfter(answer, colon);
    } else if (hasDot) {
        seconds = TextBefore(answer, dot);
        hundredths = TextAfter(answer, dot);
    } else {
        seconds = answer;
    }
    const auto m = part(minutes);
    const auto s = part(seconds);
    const auto h = part(hundredths);
    if (!m || !s || !h) return std::nullopt;
    // 16-bit parts keep the sum well inside 32 bits.
    return static_cast<qint32>((qint64{*m} * 60 + *s) * 1000 + qint64{*h} * 10);
}
