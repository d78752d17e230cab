#include "platform/mci/MediaEngineFactory.h"

#include <cstdio>

#include "platform/mci/GstMciEngine.h"
#include "platform/mci/OfflineMciEngine.h"

std::unique_ptr<MciEngine> createMediaEngine(ProcessWaveOut& waveOut) {
    if (GstMciEngine::available()) return std::make_unique<GstMciEngine>(waveOut);
    std::fputs("corvane-player: GStreamer could not start; songs cannot be played\n", stderr);
    return std::make_unique<OfflineMciEngine>();
}
