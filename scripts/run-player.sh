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
