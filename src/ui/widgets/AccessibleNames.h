#pragma once

class QLabel;
class QString;
class QWidget;

// The names a screen reader, and any desktop test robot, reads for the
// program's controls. A control without one reads as its kind alone
// ("push button"), which tells the user nothing.
namespace AccessibleNames {

// A control that shows only a picture: its tooltip says what it does, and
// the reader reads the same words.
void setPictureTip(QWidget* control, const QString& toolTip);

// A reader reads a label by its name alone, so a fixed name would hide the
// label's text. A named label's name says what it shows, then the text it
// shows now ("播放狀態：Playing"); change its text through setLabelText so
// the name follows.
void nameLabel(QLabel* label, const QString& shows);
void setLabelText(QLabel* label, const QString& text);

}  // namespace AccessibleNames
