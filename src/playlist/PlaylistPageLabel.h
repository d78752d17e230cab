#pragma once

#include <QWidget>

class PlaylistViewEvents;

// The compact modes' page label (lblPLItemName): one page of display lines,
// drawn at the fixed row pitch the row marker and the pointer arithmetic
// assume (180 twips per row, the first 15 twips below the top), whatever
// the font's own line spacing.
class PlaylistPageLabel : public QWidget {
    Q_OBJECT
public:
    PlaylistPageLabel(PlaylistViewEvents& events, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PlaylistViewEvents& events_;
    QString text_;
};
