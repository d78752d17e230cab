#include "browser/NaturalOrder.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Marks a run of digits in a key. It is the digit zero, so numbers keep
// their place among the other characters: after spaces and most
// punctuation, before letters.
constexpr char16_t kNumberMark = u'0';

}  // namespace

QString NaturalOrder::sortKey(const QString& name) {
    QString key;
    key.reserve(name.size() + 8);
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n;) {
        if (!isAsciiDigit(name.at(i))) {
            key += name.at(i).toCaseFolded();
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && isAsciiDigit(name.at(end))) ++end;
        qsizetype first = i;
        while (first < end - 1 && name.at(first) == u'0') ++first;  // "007" is 7
        // The length first: a longer number is a larger one.
        const qsizetype digits = std::min<qsizetype>(end - first, 0xFFFF);
        key += QChar(kNumberMark);
        key += QChar(static_cast<char16_t>(digits));
        key += QStringView(name).mid(first, end - first);
        i = end;
    }
    return key;
}

void NaturalOrder::sort(QStringList& names) {
    if (names.size() < 2) return;
    // One key per name: building it inside the comparison would redo the
    // work on every one of the n log n comparisons.
    std::vector<QString> keys;
    keys.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) keys.push_back(sortKey(name));
    std::vector<qsizetype> order(static_cast<size_t>(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]);
        // Names equal but for case or leading zeros keep a fixed order.
        return c != 0 ? c < 0 : names.at(a) < names.at(b);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype i : order) sorted.append(names.at(i));
    names = std::move(sorted);
}
