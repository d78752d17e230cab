#pragma once

#include "common/Twips.h"

// Full-mode places of the browser's controls, in window twips. The folder
// and file lists take their tops and heights from the fitting; only their
// column is fixed here.
namespace BrowserLayout {

inline constexpr int kColumnLeft = 120;
inline constexpr int kColumnWidth = 3375;

// The drive list leaves the column's right end to the folder-shortcut picture.
inline constexpr TwipsRect kDrive1{kColumnLeft, 30, kColumnWidth - 330, 300};
inline constexpr TwipsRect kPopDirFav{kColumnLeft + kColumnWidth - 300, 30, 300, 300};
// Below the information sections, beside the file list.
inline constexpr TwipsRect kCancelFileFilter{3600, 6300, 2100, 540};
inline constexpr TwipsRect kDirDetails{3600, 6930, 4300, 270};
// Between the path box (120..5355) and the open button (6120); the
// playlist's copy picture follows them at 5880.
inline constexpr TwipsRect kClipFileLink[2]{{5400, 7335, 225, 270}, {5640, 7335, 225, 270}};
inline constexpr TwipsRect kPlaySpecificSong{6120, 7320, 270, 300};
// The open button beside the path box in the lyric-viewing and simple modes.
inline constexpr TwipsRect kPlaySpecificSongLyricView{4200, 5160, 270, 300};
inline constexpr TwipsRect kPlaySpecificSongSimple{4200, 4680, 270, 300};
// The destination pair is placed by the move-and-copy panel when it opens.
inline constexpr TwipsRect kDrive2{3660, 1560, 3000, 300};
inline constexpr TwipsRect kDir2{3660, 1920, 3000, 2610};

// A list of the column between `topTwips` and `topTwips + heightTwips`.
constexpr TwipsRect columnRect(int topTwips, int heightTwips) {
    return {kColumnLeft, topTwips, kColumnWidth, heightTwips};
}

}  // namespace BrowserLayout
