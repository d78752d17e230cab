#pragma once

#include "app/AppServices.h"
#include "platform/ProcessWaveOut.h"
#include "support/FakeClipboard.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileOperations.h"
#include "support/FakeLauncher.h"
#include "support/FakeMciEngine.h"
#include "support/FakeScreen.h"

// Every platform service as a fake, bundled the way windows take them.
struct FakeServices {
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakeLauncher launcher;
    FakeClock clock;
    FakeScreen screen;
    FakeMciEngine mci;
    ProcessWaveOut waveOut;
    FakeFileOperations files;
    AppServices services{dialogs, clipboard, launcher, clock, screen, mci, waveOut, files};
};
