#pragma once

#include "common/Twips.h"

// Places of the information area's controls, in window twips. In the full
// mode the area is the column between the browser's lists and the playlist
// (3600..7920), under the transport panel; the headers' tops and the frames'
// heights come from InformationArea::sectionPlace.
namespace InfoAreaLayout {

inline constexpr int kFrameLeft = 3600;
inline constexpr int kFrameWidth = 4380;
inline constexpr int kHeaderLeft = 3660;
inline constexpr int kHeaderHeight = 240;
// The lyric header is short: the lyric status line follows it on its row.
inline constexpr int kHeaderWidth[3] = {2100, 1260, 4200};

// Details section.
inline constexpr TwipsRect kDetailsBox{3690, 1710, 4200, 2820};     // rFrame4
inline constexpr TwipsRect kFileDetails{3720, 1725, 4140, 2790};    // lblFileDetails
inline constexpr TwipsRect kLoadDetails[3]{{3720, 4545, 840, 225}, {4560, 4545, 600, 225}, {5160, 4545, 600, 225}};

// Lyric section, full mode.
inline constexpr TwipsRect kLyricDetails{4920, 1950, 3030, kHeaderHeight};
inline constexpr TwipsRect kLyricViewer{3720, 2160, 4080, 2820};
inline constexpr TwipsRect kLyricPos[2]{{6960, 5010, 420, 240}, {7440, 5010, 420, 240}};

// Lyric-viewing window mode: the viewer on the left of the page view.
inline constexpr TwipsRect kLyricSwtCompact{240, 1560, 1260, kHeaderHeight};
inline constexpr TwipsRect kLyricDetailsCompact{1440, 1560, 3030, kHeaderHeight};
inline constexpr TwipsRect kLyricViewerCompact{240, 1800, 4080, 2820};

}  // namespace InfoAreaLayout
