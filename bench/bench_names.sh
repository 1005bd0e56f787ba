#!/usr/bin/env bash
# Many inserts at once, headless: 100 names along the frame of a Letter design
# to a PDF (a page each), and 100 names on A7 (4 to a sheet within 10 mm
# margins) and B8 (8 to a sheet, turned) card inserts laid out on A4 sheets. Three runs of each; prints the median wall time, the pages and the
# file's size.
#
# Usage: bench/bench_names.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
lumetra=$build/lumetra
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A home of its own: the user's settings (margins) stay out.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
"$build/bench/bench_export_design" "$work/letter.lmx"
"$build/bench/bench_export_design" --paper 11 "$work/a7.lmx"
"$build/bench/bench_export_design" --paper 22 "$work/b8.lmx"
for i in $(seq 1 100); do echo "Child Number $i"; done >"$work/names.txt"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bench() {
    local label=$1 out=$2
    shift 2
    local times=()
    for _ in 1 2 3; do
        local start end
        start=$(date +%s%N)
        "$lumetra" --export "$@" "$out" --names "$work/names.txt" ${SHEET:+--sheet "$SHEET"}
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    local pages size
    pages=$(pdfinfo "$out" | awk '/^Pages:/ { print $2 }')
    size=$(stat -c %s "$out")
    printf '%-34s %6d ms  %3d pages  %6.1f MB\n' "$label" \
        "$(printf '%s\n' "${times[@]}" | median)" "$pages" "$(awk -v b="$size" 'BEGIN { print b / 1e6 }')"
}

bench "100 names, Letter, a page each" "$work/letter.pdf" "$work/letter.lmx"
SHEET=A4 bench "100 names, A7 on A4 sheets" "$work/a7.pdf" "$work/a7.lmx"
SHEET=A4 bench "100 names, B8 on A4 sheets" "$work/b8.pdf" "$work/b8.lmx"
