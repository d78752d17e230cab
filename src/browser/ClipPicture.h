#pragma once

#include <QPixmap>

// The two small clipboard pictures beside the path box: 0 puts the path on
// the clipboard (arrow into the board), 1 takes it back (arrow out of it).
class ClipPicture {
public:
    static QPixmap draw(int index, QSize sizePx);
};
