#pragma once

#include <QPixmap>

// The picture of imgCopySongLink: a clipboard like the browser's two beside
// it, with a note on the board, since it copies the playlist entry's path
// rather than the path box's text.
namespace CopySongPicture {

QPixmap draw(QSize sizePx);

}  // namespace CopySongPicture
