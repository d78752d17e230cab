#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is kept in twips, as the layout tables give it, and turned
// into pixels only here: 15 twips make one pixel.
namespace Twips {

inline constexpr int kPerPixel = 15;

constexpr int toPx(int twips) { return twips / kPerPixel; }
constexpr int fromPx(int px) { return px * kPerPixel; }
inline QPoint toPx(QPoint twips) { return {toPx(twips.x()), toPx(twips.y())}; }
inline QSize toPx(QSize twips) { return {toPx(twips.width()), toPx(twips.height())}; }
inline QRect rectToPx(int left, int top, int width, int height) {
    return {toPx(left), toPx(top), toPx(width), toPx(height)};
}

}  // namespace Twips
