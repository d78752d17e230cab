#!/bin/sh
# Runs every benchmark program of a release build tree.
set -eu
build="$1"
export QT_QPA_PLATFORM=offscreen
export CORVANE_AUDIO_SINK="fakesink sync=true"
data=$(mktemp -d "${TMPDIR:-/tmp}/corvane-bench-XXXXXX")
trap 'rm -rf "$data"' EXIT INT TERM
export CORVANE_DATA_DIR="$data/Corvane Player"
mkdir -p "$CORVANE_DATA_DIR"
found=0
for bench in "$build"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    found=1
    echo "== $(basename "$bench")"
    "$bench" --benchmark_counters_tabular=true
done
[ "$found" -eq 1 ] || { echo "no benchmark programs in $build/bench" >&2; exit 1; }
