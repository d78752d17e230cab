#pragma once

#include "common/Twips.h"

// Where the playlist's controls stand, in twips, in each window mode: the
// full mode's right column and the two compact modes' page view.
namespace PlaylistLayout {

inline constexpr int kLabelHeight = 240;
inline constexpr int kButtonSize = 330;
inline constexpr int kPageButtonSize = 240;
inline constexpr int kMarkerHeight = 195;

// Full mode (WindowMode 0).
inline constexpr TwipsRect kInfoLabel{8040, 120, 3855, kLabelHeight};      // lblPLDetails(0)
inline constexpr TwipsRect kNameLabel{8040, 7080, 3615, kLabelHeight};     // lblPLDetails(1)
inline constexpr TwipsRect kLoadPicture{11670, 7050, 300, 300};            // imgLoadSPPL, beside the name
inline constexpr int kButtonRowTop = 405;
inline constexpr int kStartLeft[2] = {8040, 8400};                    // cmdStartPlayList(0), (1)
inline constexpr int kStopLeft = 8760;                                // cmdStopPlayList
inline constexpr TwipsRect kList{8040, 795, 3855, 5895};                   // listPLItemName
// The editing row under the list: the add buttons from the left, the
// remove buttons at the right end, apart so a slip does not remove.
inline constexpr int kEditRowTop = 6720;
inline constexpr int kAddLeft[4] = {8040, 8400, 8760, 9120};          // cmdAddItem(0..3)
inline constexpr int kDeleteLeft[2] = {11205, 11565};                 // cmdDeleteItem(0), (1)
// imgCopySongLink stands with the browser's two clipboard pictures after
// the path box (5400, 5640), before the open button (6120).
inline constexpr TwipsRect kCopySongLink{5880, 7335, 225, 270};

// Compact modes (WindowMode 1 lyric view, 2 simple); index 0 is mode 1.
struct PageView {
    TwipsRect label;       // lblPLItemName
    TwipsRect border;      // lblPLBorder
    int markerLeft;   // lblPLMargin
    int markerWidth;
    int pageButtonLeft;
    int pageButtonTop[2];  // cmdlblPLPage(0), (1)
    TwipsRect info;        // lblPLDetails(0)
    TwipsRect name;        // lblPLDetails(1)
};

inline constexpr PageView kPageViews[2] = {
    {{4560, 375, 3120, 5085}, {4560, 360, 3375, 5100}, 4575, 3345, 7680, {375, 5210},
     {4560, 120, 3375, kLabelHeight}, {4560, 5520, 3375, kLabelHeight}},
    {{240, 1695, 3840, 2700}, {240, 1680, 4095, 2715}, 255, 4065, 4080, {1725, 4120},
     {240, 1440, 3975, kLabelHeight}, {240, 4440, 3975, kLabelHeight}},
};

}  // namespace PlaylistLayout
