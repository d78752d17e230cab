#include "playlist/Playlist.h"

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "platform/Clock.h"
#include "playback/MultiMedia.h"
#include "playlist/PlaylistShuffle.h"

namespace {
const QString kAll = QStringLiteral("-1");
}

Playlist::Playlist(AppState& state, Dialogs& dialogs, Clock& clock, StatusLine& status, MultiMedia& media,
                   Seams seams, QObject* parent)
    : QObject(parent), state_(state), clock_(clock), media_(media), starter_(seams.starter), labels_(this),
      lengthTest_(entries_, state, status, media, this), display_(entries_, labels_, lengthTest_, state, this),
      store_(entries_, labels_, state, status, dialogs, clock),
      editing_(entries_, display_, state, status, dialogs, seams.clipboard, seams.browser, seams.pathBox),
      events_(entries_, display_, editing_, state, seams.starter, seams.pathBox, seams.opener, seams.info),
      scheduler_(entries_, labels_, state, status, dialogs, *this, this),
      commands_(entries_, display_, store_, labels_, lengthTest_, editing_, state, status, dialogs, seams.browser,
                seams.passCount) {
    lengthTest_.onEnded = [this] { display_.PLRefreshItems(false, kAll, false); };
    store_.onLoaded = [this] { display_.PLRefreshItems(true, kAll, false); };
    display_.onClick = [this](int row) { events_.entryClicked(row); };
    labels_.PLShowDetails(state_.UPlayList, QString());
}

void Playlist::mnuRandomizePL() {
    PlaylistShuffle::SeededDraw draw(static_cast<quint32>(clock_.timeOfDay().msecsSinceStartOfDay()));
    if (entries_.isEmpty()) return;
    PlaylistShuffle::shuffle(entries_, [&draw] { return draw(); });
    display_.PLRefreshItems(false, kAll, false);
}

QStringList Playlist::lines() const { return display_.lines().lines(); }

quint8 Playlist::songMode() { return media_.MMGetMode(QString()); }

qint32 Playlist::songPositionMs() { return media_.MMGetPosition(QString()); }

void Playlist::playEntry(int index) { starter_.SongStarted(entries_.path(index)); }

void Playlist::stopSong() { media_.MMStop(QString()); }

void Playlist::showEntry(int index) { display_.showPlayingEntry(index); }
