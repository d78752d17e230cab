#include "playlist/PlaylistViewEvents.h"

#include "app/AppState.h"
#include "app/PathBox.h"
#include "app/SongStarter.h"
#include "browser/FileOpener.h"
#include "browser/InfoArea.h"
#include "playlist/PlaylistDisplay.h"
#include "playlist/PlaylistEditing.h"
#include "playlist/PlaylistEntries.h"

PlaylistViewEvents::PlaylistViewEvents(PlaylistEntries& entries, PlaylistDisplay& display, PlaylistEditing& editing,
                                       AppState& state, SongStarter& starter, PathBox& pathBox, FileOpener& opener,
                                       InfoArea& info)
    : entries_(entries), display_(display), editing_(editing), state_(state), starter_(starter), pathBox_(pathBox), opener_(opener),
      info_(info) {}

void PlaylistViewEvents::setFileLink(const QString& path) { pathBox_.setText(path); }

void PlaylistViewEvents::entryClicked(int row) {
    // Only while the details are open does the click fill the path box, so
    // the details and the path box name the same file.
    if (!entries_.contains(row) || !info_.isOpen(InfoSection::Details)) return;
    const QString path = entries_.path(row);
    setFileLink(path);
    info_.showFileDetails(path);
}

void PlaylistViewEvents::listClick(int row) {
    display_.setSelectedRow(row);
    entryClicked(row);
}

void PlaylistViewEvents::listDoubleClick() {
    const int row = display_.selectedRow();
    if (!entries_.contains(row)) return;
    const QString path = entries_.path(row);
    setFileLink(path);
    starter_.SongStarted(path);
}

void PlaylistViewEvents::listKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (modifiers & Qt::ControlModifier)) {
        const int row = display_.selectedRow();
        if (entries_.contains(row)) starter_.SongStarted(entries_.path(row));
    } else if (key == Qt::Key_Delete) {
        editing_.cmdDeleteItem(PlaylistEditing::RemoveSelected);
    }
}

void PlaylistViewEvents::listMouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) state_.PLPressed = static_cast<qint16>(display_.selectedRow());
}

void PlaylistViewEvents::listMouseUp() {
    const int target = display_.selectedRow();
    display_.PLMoveItem(state_.PLPressed, target);
    display_.selectRow(target);
    // The press is used up: a later release (after a right click, which
    // records no press) must not move the same entry again.
    state_.PLPressed = -1;
}

void PlaylistViewEvents::pageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double yTwips) {
    state_.PLPressed = display_.lblPLListIndex(yTwips, false, false);
    display_.moveMarkerToRow(display_.lblPLListIndex(yTwips, false, true));
    const Qt::KeyboardModifiers shift = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QString path = entries_.path(state_.PLPressed);
    if (shift == Qt::NoModifier) {
        if (button == Qt::LeftButton || button == Qt::MiddleButton) {
            setFileLink(path);
        } else if (button == Qt::RightButton) {
            setFileLink(path);
            opener_.openByType(path);
        }
    } else if (shift == Qt::ControlModifier && button == Qt::RightButton) {
        if (!entries_.contains(state_.PLPressed)) return;
        entries_.remove(state_.PLPressed);
        display_.PLRefreshItems(false, QStringLiteral("-1"), false);
    }
}

void PlaylistViewEvents::pageMouseUp(double yTwips) {
    display_.PLMoveItem(state_.PLPressed, display_.lblPLListIndex(yTwips, false, false));
    display_.moveMarkerToRow(display_.lblPLListIndex(yTwips, false, true));
    state_.PLPressed = -1;
}
