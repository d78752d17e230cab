#!/bin/sh
# Starts the player on the bundled demo: a data folder under the build tree
# with the generated demo songs. Without a display the player runs on Qt's
# offscreen platform and echoes its status line to standard output.
set -eu
build="$1"
demo="$build/demo"
player="$build/src/corvane-player"

export CORVANE_DATA_DIR="$(cd "$demo" 2>/dev/null && pwd || echo "$PWD/$demo")/Corvane Player"
mkdir -p "$CORVANE_DATA_DIR"

# A first start would open the option checker; the demo starts straight into
# the main window with the default options, browsing the demo songs.
if [ ! -e "$CORVANE_DATA_DIR/Option.ini" ]; then
    start_folder="$(cd "$demo/songs" 2>/dev/null && pwd || echo "$HOME")"
    mkdir -p "$CORVANE_DATA_DIR/Lyrics"
    printf '%s\r\n' '#FALSE#' '#FALSE#' '#TRUE#' '#FALSE#' '#FALSE#' '#FALSE#' '#FALSE#' \
        1 0 3 "\"$start_folder\"" 0 '#FALSE#' '#FALSE#' > "$CORVANE_DATA_DIR/Option.ini"
fi

# The six background pictures the build drew, for the background chosen by
# the hour of the day; pictures the user put there stay.
if [ -d "$demo/backgrounds" ]; then
    mkdir -p "$CORVANE_DATA_DIR/Back"
    for picture in "$demo"/backgrounds/*.jpg; do
        [ -e "$CORVANE_DATA_DIR/Back/${picture##*/}" ] || cp "$picture" "$CORVANE_DATA_DIR/Back/"
    done
fi

set --
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run-player: no display found; starting on the offscreen platform (status lines follow, Ctrl+C ends)"
    export QT_QPA_PLATFORM=offscreen
    set -- --echo-status
fi
song=$(ls "$demo"/songs/*.mp3 2>/dev/null | head -n 1 || true)
if [ -n "$song" ]; then
    set -- "$@" "$song"
fi
echo "run-player: data folder $CORVANE_DATA_DIR"
exec "$player" "$@"
