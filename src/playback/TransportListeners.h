#pragma once

#include <QList>

#include "playback/Transport.h"

// The listeners of the transport: song start and finish and every
// transport command tell them that something changed.
class TransportListeners {
public:
    void add(TransportListener* listener) {
        if (listener && !list_.contains(listener)) list_.append(listener);
    }
    void remove(TransportListener* listener) { list_.removeAll(listener); }
    void notify() {
        // A listener may remove itself while told.
        const QList<TransportListener*> now = list_;
        for (TransportListener* listener : now)
            if (list_.contains(listener)) listener->transportChanged();
    }

private:
    QList<TransportListener*> list_;
};
