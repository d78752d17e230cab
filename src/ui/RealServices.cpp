#include "ui/RealServices.h"

#include "platform/mci/MediaEngineFactory.h"

RealServices::RealServices(Screen* screen)
    : mci_(createMediaEngine(waveOut_)),
      services_(std::make_unique<AppServices>(
          AppServices{dialogs_, clipboard_, launcher_, clock_, screen ? *screen : static_cast<Screen&>(screen_),
                      *mci_, waveOut_, files_})) {}

RealServices::~RealServices() = default;
