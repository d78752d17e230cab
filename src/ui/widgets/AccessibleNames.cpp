#include "ui/widgets/AccessibleNames.h"

#include <QLabel>
#include <QVariant>

namespace {

// Where a label keeps what it shows, for the names of its later texts.
const char* const kShowsProperty = "accessibleShows";

QString labelName(const QString& shows, const QString& text) {
    if (shows.isEmpty()) return text;
    if (text.isEmpty()) return shows;
    return shows + QStringLiteral("：") + text;
}

void setNameIfChanged(QWidget* widget, const QString& name) {
    // Every change is announced to a running reader, and panels redraw
    // all their labels on each change of their model, most of them with
    // the same text as before.
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace

void AccessibleNames::setPictureTip(QWidget* control, const QString& toolTip) {
    control->setToolTip(toolTip);
    control->setAccessibleName(toolTip);
}

void AccessibleNames::nameLabel(QLabel* label, const QString& shows) {
    label->setProperty(kShowsProperty, shows);
    setNameIfChanged(label, labelName(shows, label->text()));
}

void AccessibleNames::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    setNameIfChanged(label, labelName(label->property(kShowsProperty).toString(), text));
}
