#pragma once

// Full-mode places of the browser's controls, in twips (left, top, width,
// height). The folder and file lists take their tops and heights from the
// fitting; only their column is fixed here.
namespace BrowserLayout {

struct Place {
    int left, top, width, height;
};

inline constexpr int kColumnLeft = 120;
inline constexpr int kColumnWidth = 3375;

inline constexpr Place kDrive1{kColumnLeft, 30, kColumnWidth, 300};
// Below the information sections, beside the file list.
inline constexpr Place kCancelFileFilter{3600, 6300, 2100, 540};
inline constexpr Place kDirDetails{3600, 6930, 4300, 270};
// Between the path box (120..5595) and the open button (6120).
inline constexpr Place kClipFileLink[2]{{5640, 7335, 225, 270}, {5880, 7335, 225, 270}};
inline constexpr Place kPlaySpecificSong{6120, 7320, 270, 300};
// The destination pair is placed by the move-and-copy panel when it opens.
inline constexpr Place kDrive2{3660, 1560, 3000, 300};
inline constexpr Place kDir2{3660, 1920, 3000, 2610};

}  // namespace BrowserLayout
