#!/bin/sh
# Renders the windows offscreen into PNG files for a look at the layout.
set -eu
build="$1"
out="$2"
mkdir -p "$out"
data=$(mktemp -d "${TMPDIR:-/tmp}/corvane-shots-XXXXXX")
trap 'rm -rf "$data"' EXIT INT TERM
export QT_QPA_PLATFORM=offscreen
export CORVANE_AUDIO_SINK="fakesink sync=true"
export CORVANE_DATA_DIR="$data/Corvane Player"
mkdir -p "$CORVANE_DATA_DIR"
# Default options, so the main window starts instead of the option checker
# (whose first-start messages would wait for a click); the browser starts in
# the demo songs' folder when the build made them.
start="$data"
if [ -d "$build/demo/songs" ]; then start=$(cd "$build/demo/songs" && pwd); fi
printf '%s\r\n' '#FALSE#' '#FALSE#' '#TRUE#' '#FALSE#' '#FALSE#' '#FALSE#' '#FALSE#' \
    1 0 3 "\"$start\"" 0 '#FALSE#' '#FALSE#' > "$CORVANE_DATA_DIR/Option.ini"
# The demo background pictures, for the window mode scenes.
if [ -d "$build/demo/backgrounds" ]; then
    mkdir -p "$CORVANE_DATA_DIR/Back"
    cp "$build"/demo/backgrounds/*.jpg "$CORVANE_DATA_DIR/Back/"
fi
"$build/tools/screenshots/corvane-screenshots" "$out"
echo "screenshots written to $out"
ls -1 "$out"
