#include "common/Numbers.h"

#include <cfenv>

NumberOverflow::NumberOverflow(double value)
    : std::overflow_error("number out of range: " + std::to_string(value)) {}

double roundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which is to-nearest-even
    // unless someone changed it; make that explicit and restore afterwards.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    if (previous != FE_TONEAREST) std::fesetround(previous);
    return r;
}

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t')) ++i;
    QString number;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) number += text.at(i++);
    bool digits = false;
    while (i < n && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9') {
        number += text.at(i++);
        digits = true;
    }
    if (i < n && text.at(i) == u'.') {
        number += text.at(i++);
        while (i < n && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9') {
            number += text.at(i++);
            digits = true;
        }
    }
    if (!digits) return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

QString formatFixed(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-')) {
        bool allZero = true;
        for (qsizetype i = 1; i < text.size(); ++i)
            if (text.at(i) != u'0' && text.at(i) != u'.') allZero = false;
        if (allZero) text.remove(0, 1);  // "-0.0" reads as "0.0"
    }
    return text;
}

QString zeroPadded(qint64 value, int width) {
    if (value < 0) return QStringLiteral("-") + QString::number(-value).rightJustified(width, u'0');
    return QString::number(value).rightJustified(width, u'0');
}

QString shortestNumberText(double value) {
    if (value == 0.0) return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}
