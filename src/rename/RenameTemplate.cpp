#include "rename/RenameTemplate.h"

#include "common/Numbers.h"
#include "common/PathText.h"

namespace {

// No file name holds more digits than this; a longer minimum length would
// only make every name invalid after filling memory with zeros.
constexpr qint64 kLongestLength = 255;

// Codes of characters a name may take from the range: 7-bit, not NUL.
constexpr qint64 kFirstUsableCode = 1;
constexpr qint64 kLastUsableCode = 127;

// Numbers the running number may reach without overflowing the arithmetic.
constexpr qint64 kLargestNumber = qint64(1) << 52;

bool isUsableCode(qint64 code) { return code >= kFirstUsableCode && code <= kLastUsableCode; }

QString characterOf(qint64 code) { return code == 0 ? QString() : QString(QChar(char16_t(code))); }

// The range of "@" characters, when both codes are usable and in order.
std::optional<std::pair<qint64, qint64>> characterRange(const TemplateBoxes& boxes) {
    const auto first = wholeNumberOf(boxes.firstCode);
    const auto last = wholeNumberOf(boxes.lastCode);
    if (!first || !last || !isUsableCode(*first) || !isUsableCode(*last) || *first > *last) return std::nullopt;
    return std::make_pair(*first, *last);
}

}  // namespace

std::optional<qint64> wholeNumberOf(const QString& text) {
    const auto value = tryRoundTo<qint64>(leadingNumber(text));
    if (!value || *value > kLargestNumber || *value < -kLargestNumber) return std::nullopt;
    return value;
}

int defaultLength(qsizetype count) { return int(QString::number(count).size()); }

QString lastNumberText(const QString& firstNumber, qsizetype count) {
    const auto first = wholeNumberOf(firstNumber);
    if (!first) return {};
    return QString::number(*first + count - 1);
}

std::optional<QString> codeRangeText(const QString& firstCode, const QString& lastCode) {
    const auto first = wholeNumberOf(firstCode);
    const auto last = wholeNumberOf(lastCode);
    const auto shown = [](const std::optional<qint64>& code) { return code && (*code == 0 || isUsableCode(*code)); };
    if (!shown(first) || !shown(last)) return std::nullopt;
    return characterOf(*first) + u'-' + characterOf(*last);
}

QStringList previewNames(const TemplateBoxes& boxes, qsizetype count) {
    const auto first = wholeNumberOf(boxes.firstNumber);
    const auto length = wholeNumberOf(boxes.length);
    if (count <= 0 || !first || !length) return {};
    const int width = int(qBound(qint64(1), *length, kLongestLength));
    const auto characters = characterRange(boxes);
    QStringList names;
    names.reserve(count);
    for (qsizetype k = 0; k < count; ++k) {
        QString name = ReplaceText(boxes.templateText, QStringLiteral("#"), zeroPadded(*first + k, width), true);
        if (characters) {
            const qint64 span = characters->second - characters->first + 1;
            name = ReplaceText(name, QStringLiteral("@"), characterOf(characters->first + k % span), true);
        }
        names << name;
    }
    return names;
}
