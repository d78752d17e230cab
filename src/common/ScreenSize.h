#pragma once

#include <QString>
#include <QtGlobal>

class Screen;

// The desktop size as text: mode 0 "800×600", mode 1 the width, mode 2 the
// height, any other mode an empty text.
QString GetScreenSize(const Screen& screen, quint8 mode);
