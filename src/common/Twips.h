#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// A control's place in the layout tables: left, top, width and height in
// twips. Every panel keeps its table in this type and turns it into pixels
// through Twips::rectToPx only.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr TwipsRect movedBy(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    friend constexpr bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

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
inline QRect rectToPx(const TwipsRect& r) { return rectToPx(r.left, r.top, r.width, r.height); }
// Edges converted one by one, so that controls that meet in twips meet in
// pixels too (a width converted on its own can leave a one-pixel gap).
inline QRect edgesToPx(const TwipsRect& r) {
    return QRect(QPoint(toPx(r.left), toPx(r.top)), QPoint(toPx(r.right()) - 1, toPx(r.bottom()) - 1));
}
inline TwipsRect fromPx(const QRect& px) { return {fromPx(px.x()), fromPx(px.y()), fromPx(px.width()), fromPx(px.height())}; }

}  // namespace Twips
