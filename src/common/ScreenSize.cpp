#include "common/ScreenSize.h"

#include "platform/Screen.h"

QString GetScreenSize(const Screen& screen, quint8 mode) {
    const QSize size = screen.desktopSize();
    switch (mode) {
    case 0: return QString::number(size.width()) + QChar(0x00D7) + QString::number(size.height());
    case 1: return QString::number(size.width());
    case 2: return QString::number(size.height());
    default: return {};
    }
}
