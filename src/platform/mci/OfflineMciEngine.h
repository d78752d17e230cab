#pragma once

#include "platform/mci/MciEngine.h"

// The engine the player falls back to when GStreamer cannot start: every
// command fails as for an unknown device, so the windows still work and
// every song simply reads as not playable.
class OfflineMciEngine final : public MciEngine {
public:
    MciReply sendString(const QString&, int) override { return {MciError::InvalidDevice, QString()}; }
    bool errorText(quint32 code, QString& text) const override {
        if (code != MciError::InvalidDevice) return false;
        text = QStringLiteral("媒體系統無法啟動，不能播放任何檔案。");
        return true;
    }
};
