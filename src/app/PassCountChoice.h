#pragma once

// The option menu "PlayList播放次數" as the playlist steps it (a click on
// its information line). The options implement it.
class PassCountChoice {
public:
    virtual ~PassCountChoice() = default;
    // Entry 1..5 passes, 6 endless (mnuOptComboList0).
    virtual void mnuOptComboList0_Click(int entry) = 0;
};
