#pragma once

#include <QStringList>

#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeSeams.h"
#include "support/FakeTransport.h"
#include "remote/IpLists.h"
#include "remote/RemoteCommands.h"

// One player's remote side: its commands over fakes, its lists and dialogs.
struct RemotePlayerRig {
    FakeTransport player;  // songs started and transport calls, in order
    FakePlaylistAccess playlist;
    FakeBrowser browser;
    FakeDialogs dialogs;
    FakeClock clock;
    IpLists lists;
    RemoteCommands commands{player, player, playlist, browser};
};
