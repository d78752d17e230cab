#include "playlist/PlaylistPageLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/Twips.h"
#include "playlist/PlaylistDisplay.h"
#include "playlist/PlaylistViewEvents.h"

namespace {

// More than a row can ever show; cut first so a huge line stays cheap.
constexpr int kMaxRowChars = 400;

double yTwips(const QMouseEvent* event) { return event->position().y() * Twips::kPerPixel; }

}  // namespace

PlaylistPageLabel::PlaylistPageLabel(PlaylistViewEvents& events, QWidget* parent)
    : QWidget(parent), events_(events) {
    QFont small = font();
    // A little under the row pitch, so CJK glyphs fit their row.
    small.setPixelSize(Twips::toPx(PlaylistDisplay::kRowTwips) - 1);
    setFont(small);
}

void PlaylistPageLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    // The rows are painted, not held by a text widget, so a screen reader
    // learns them here; its name stays what the label is.
    setAccessibleDescription(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    update();
}

void PlaylistPageLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int rowPx = Twips::toPx(PlaylistDisplay::kRowTwips);
    int top = Twips::toPx(PlaylistDisplay::kFirstRowTwips);
    for (const QString& row : text_.split(QStringLiteral("\r\n"))) {
        if (top >= height()) break;
        painter.drawText(QRect(0, top, width(), rowPx), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(row.left(kMaxRowChars), Qt::ElideRight, width()));
        top += rowPx;
    }
}

void PlaylistPageLabel::mousePressEvent(QMouseEvent* event) {
    events_.pageMouseDown(event->button(), event->modifiers(), yTwips(event));
}

void PlaylistPageLabel::mouseReleaseEvent(QMouseEvent* event) { events_.pageMouseUp(yTwips(event)); }
