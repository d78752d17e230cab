#pragma once

#include <QString>
#include <QtGlobal>

// One step of the scrolling caption: direction 1 moves the text left (the
// first character goes to the end), 2 moves it right (the last character
// comes to the front); 0 and 3 leave it as it is. A character outside the
// basic plane moves as one.
QString scrollCaption(const QString& caption, quint8 titleDirection);
