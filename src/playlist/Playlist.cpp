#include "playlist/Playlist.h"

#include "app/AppServices.h"
#include "app/AppState.h"
#include "app/SongStarter.h"
#include "platform/Clock.h"
#include "playback/MultiMedia.h"
#include "playlist/PlaylistShuffle.h"

namespace {
const QString kAll = QStringLiteral("-1");
}

Playlist::Playlist(AppState& state, AppServices& services, StatusLine& status, MultiMedia& media,
                   SongStarter& starter, QObject* parent)
    : QObject(parent), state_(state), services_(services), media_(media), starter_(starter), labels_(this),
      lengthTest_(entries_, state, status, media, this), display_(entries_, labels_, lengthTest_, state, this),
      store_(entries_, labels_, state, status, services.dialogs, services.clock),
      events_(entries_, display_, state, starter, hooks_),
      scheduler_(entries_, labels_, state, status, services.dialogs, *this, this),
      commands_(entries_, display_, store_, labels_, lengthTest_, state, status, services.dialogs, hooks_) {
    lengthTest_.onEnded = [this] { display_.PLRefreshItems(false, kAll, false); };
    store_.onLoaded = [this] { display_.PLRefreshItems(true, kAll, false); };
    display_.onClick = [this](int row) { events_.entryClicked(row); };
    labels_.PLShowDetails(state_.UPlayList, QString());
}

void Playlist::mnuRandomizePL() {
    PlaylistShuffle::SeededDraw draw(static_cast<quint32>(services_.clock.timeOfDay().msecsSinceStartOfDay()));
    if (entries_.isEmpty()) return;
    PlaylistShuffle::shuffle(entries_, [&draw] { return draw(); });
    display_.PLRefreshItems(false, kAll, false);
}

quint8 Playlist::songMode() { return media_.MMGetMode(QString()); }

qint32 Playlist::songPositionMs() { return media_.MMGetPosition(QString()); }

void Playlist::playEntry(int index) { starter_.SongStarted(entries_.path(index)); }

void Playlist::stopSong() { media_.MMStop(QString()); }

void Playlist::showEntry(int index) { display_.showPlayingEntry(index); }
