#!/usr/bin/env bash
# Lumetra's start against Qt's floor, side by side under one virtual display:
# ten pairs, Lumetra and a five-line program showing an empty window of the
# same size, started alternately. For each it times the start to the first
# visible window, and reads the memory in use (RSS) one second later. Then
# Lumetra once more, ten times, with a design given on the command line.
# Prints the medians and their ratios.
#
# Usage: bench/bench_startup.sh path/to/lumetra [design.lmx]
# Needs xvfb, xdotool and a C++ compiler with Qt 6 (qt6-base-dev).
set -euo pipefail
lumetra=$(realpath "$1")
design=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

for tool in Xvfb xdotool c++ pkg-config; do
    command -v "$tool" >/dev/null || { echo "bench_startup: $tool is missing" >&2; exit 1; }
done
c++ -O2 -fPIC -o "$work/empty_window" "$here/empty_window.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets)

# Xvfb picks a free display and tells which once it is ready.
Xvfb -displayfd 3 -noreset -screen 0 1600x900x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
# A home of its own: settings and recovery copies from earlier runs stay out.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"

# Starts a program, waits for its first visible window; prints
# "milliseconds rss_kB".
measure() {
    local start now pid rss
    start=$(date +%s%N)
    "$@" >/dev/null 2>"$work/stderr" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "bench_startup: $1 ended early:" >&2; cat "$work/stderr" >&2; exit 1; }
    done
    now=$(date +%s%N)
    sleep 1
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((now - start) / 1000000)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The first start writes the settings and is not counted; it gives the size
# Lumetra's window opens at, which the empty window takes.
"$lumetra" >/dev/null 2>&1 &
first=$!
until window=$(xdotool search --onlyvisible --pid "$first" 2>/dev/null | head -1) && [ -n "$window" ]; do sleep 0.05; done
sleep 1
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { sub("x", " ", $2); print $2 }')
kill "$first"; wait "$first" 2>/dev/null || true
echo "window size: ${size/ /x} pixels, both programs"
: >"$work/lumetra" && : >"$work/empty"
for _ in $(seq 10); do
    measure "$lumetra" >>"$work/lumetra"
    measure "$work/empty_window" $size >>"$work/empty"
done
lt=$(cut -d' ' -f1 "$work/lumetra" | median); lm=$(cut -d' ' -f2 "$work/lumetra" | median)
et=$(cut -d' ' -f1 "$work/empty" | median); em=$(cut -d' ' -f2 "$work/empty" | median)
echo "start to a visible window, median of 10: Lumetra $lt ms, empty window $et ms," \
     "ratio $(awk "BEGIN { printf \"%.2f\", $lt / $et }")"
echo "memory one second after (RSS), median of 10: Lumetra $((lm / 1024)) MB," \
     "empty window $((em / 1024)) MB, ratio $(awk "BEGIN { printf \"%.2f\", $lm / $em }")"
if [ -n "$design" ]; then
    design=$(realpath "$design")
    : >"$work/design"
    for _ in $(seq 10); do measure "$lumetra" "$design" >>"$work/design"; done
    dt=$(cut -d' ' -f1 "$work/design" | median); dm=$(cut -d' ' -f2 "$work/design" | median)
    echo "with $(basename "$design") on the command line: $dt ms, $((dm / 1024)) MB," \
         "ratio $(awk "BEGIN { printf \"%.2f\", $dt / $et }") to the empty window"
fi
