#pragma once

#include "common/Twips.h"

// Where the tag editor's controls stand, in twips of its client area: the
// two file lists on the left, the fields, genre and auto-fill on the right,
// the buttons along the bottom.
namespace Frm_ID3TagLayout {

inline constexpr int kWidthTwips = 9600;
inline constexpr int kHeightTwips = 8520;

inline constexpr TwipsRect kFilesCaption{120, 120, 3000, 240};
inline constexpr TwipsRect kFile1{120, 390, 3000, 3300};
inline constexpr TwipsRect kSongsCaption{120, 3780, 3000, 240};
inline constexpr TwipsRect kListSongName{120, 4050, 3000, 3330};

// Field row i: caption, text, byte counter, copy and paste pictures.
inline constexpr int kRowTop = 120;
inline constexpr int kRowStep = 420;
inline constexpr int kRowHeight = 300;
inline constexpr int kCaptionLeft = 3300, kCaptionWidth = 1800;
inline constexpr int kTextLeft = 5160, kTextWidth = 3000;
inline constexpr int kCountLeft = 8220, kCountWidth = 420;
inline constexpr int kCopyLeft = 8700, kPasteLeft = 9060, kPictureWidth = 300;
inline constexpr TwipsRect rowRect(int row, int left, int width) {
    return {left, kRowTop + row * kRowStep, width, kRowHeight};
}

inline constexpr TwipsRect kComGender{kTextLeft, kRowTop + 5 * kRowStep, 2700, kRowHeight};
inline constexpr TwipsRect kGenderNo{7920, kRowTop + 5 * kRowStep, 600, kRowHeight};

inline constexpr TwipsRect kHelpCaptions{3300, 2700, 6060, 600};
inline constexpr TwipsRect kHelpClear{3300, 3330, 6060, 600};
inline constexpr TwipsRect kAutoFillCaption{3300, 3990, 6060, 240};
inline constexpr TwipsRect kListAutoFill{3300, 4260, 6060, 1500};
inline constexpr TwipsRect kPresetsCaption{3300, 5850, 6060, 240};
inline constexpr TwipsRect kListAutoFill2{3300, 6120, 4800, 1260};
inline constexpr TwipsRect kExecuteAutoFill2{8220, 6120, 1140, 360};

inline constexpr TwipsRect kSave[3] = {{120, 7560, 3060, 360}, {3240, 7560, 3060, 360}, {6360, 7560, 3000, 360}};
inline constexpr TwipsRect kCancel[3] = {{120, 8010, 2220, 360}, {2400, 8010, 2220, 360}, {4680, 8010, 2220, 360}};
inline constexpr TwipsRect kLoad{6960, 8010, 2400, 360};

}  // namespace Frm_ID3TagLayout
