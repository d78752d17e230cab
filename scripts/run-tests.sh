#!/bin/sh
# Runs every test program of a build tree with the test environment: windows
# offscreen, audio into a fake sink that keeps time, and a temporary data
# folder (each test program also makes its own).
set -eu
build="$1"
data=$(mktemp -d "${TMPDIR:-/tmp}/corvane-data-XXXXXX")
trap 'rm -rf "$data"' EXIT INT TERM
export QT_QPA_PLATFORM=offscreen
export CORVANE_AUDIO_SINK="fakesink sync=true"
export CORVANE_DATA_DIR="$data/Corvane Player"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
mkdir -p "$CORVANE_DATA_DIR"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
