#include "app/PlayerAssembly.h"

#include "app/AppServices.h"

PlayerAssembly::PlayerAssembly(AppServices& services, Frame frame)
    : services_(services),
      media_(services.mci),
      songDevice_(media_),
      info_({state_, frame.status, frame.pathBox, media_, services.dialogs, services.clipboard, services.launcher, *this,
             lyricEditor_}),
      lyric_(state_, frame.status, info_, songDevice_),
      playback_{state_,        services.dialogs, services.clock, services.waveOut, media_, frame.status,
                frame.caption, transportModel_,  mmTimer_,       lyric_,           listeners_},
      songPlayer_(playback_),
      options_(state_),
      appearance_(state_, services.dialogs, services.clock, frame.status, {options_, *this, frame.look, frame.layering}),
      playlist_(state_, services.dialogs, services.clock, frame.status, media_,
                {songPlayer_, *this, *this, frame.pathBox, info_, options_, services.clipboard}),
      otherFiles_(state_, frame.status, services.dialogs, services.launcher, songPlayer_, lyricEditor_),
      playlistFiles_(services.dialogs, playlist_, otherFiles_),
      opener_(frame.status, songPlayer_, playlistFiles_),
      browser_(state_, frame.status, services.dialogs, services.clipboard, frame.pathBox, opener_, playlist_, info_),
      moveCopy_(browser_, frame.status, services.dialogs, services.files),
      fileCommands_(state_, frame.status, services.dialogs, services.files, services.launcher,
                    {browser_, moveCopy_, opener_, frame.pathBox}),
      shortcuts_(browser_, moveCopy_, frame.status, services.dialogs, services.clipboard, services.files),
      help_(state_, services.dialogs, services.launcher, HomePage::readme()),
      transport_(playback_, songPlayer_, playlist_),
      lifecycle_(state_, options_, media_, services.dialogs, services.screen, frame.window,
                 {songPlayer_, playlist_, browser_, shortcuts_, appearance_}),
      lyricEditor_({services.dialogs, services.clock, lyricFiles_, state_}, frame.lyricWindows) {
    timers_.add(QStringLiteral("MMTimer"), &mmTimer_);
}

PlayerAssembly::~PlayerAssembly() {
    // The timers tick into parts that are about to go.
    mmTimer_.set(0, false);
    lyric_.stop();
}
