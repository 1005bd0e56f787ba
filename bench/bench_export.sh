#!/usr/bin/env bash
# A headless export against its floor, alternately, ten runs of each:
#   lumetra --export DESIGN OUT.png   against   export_floor png PAGE.png OUT.png
#   lumetra --export DESIGN OUT.pdf   against   export_floor pdf PAGE.png OUT.pdf
# where PAGE.png is the design's page as Lumetra exports it, and export_floor
# is a minimal Qt program that reads it and writes it again (PNG) or writes
# it as one page through QPdfWriter (PDF). Prints the medians and the ratios.
#
# Usage: bench/bench_export.sh BUILD_DIR [design.lmx ...]
#   without designs, two Letter designs with a wood frame and frame text
#   (bench_export_design) are converted: a new one (fine page) and one as
#   older files hold it (standard page).
set -euo pipefail
build=$(realpath "$1")
lumetra=$build/lumetra
floor=$build/bench/export_floor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shift
# A home of its own: the user's settings stay out.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
designs=("$@")
if [ ${#designs[@]} -eq 0 ]; then
    "$build/bench/bench_export_design" "$work/fine.lmx"
    "$build/bench/bench_export_design" --standard "$work/standard.lmx"
    designs=("$work/fine.lmx" "$work/standard.lmx")
fi

# Microseconds one run of the command takes.
run() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v u="$1" 'BEGIN { printf "%.1f ms", u / 1000 }'; }

for design in "${designs[@]}"; do
    "$lumetra" --export "$design" "$work/page.png" # also warms the file cache
    "$lumetra" --export "$design" "$work/out.pdf"
    "$floor" png "$work/page.png" "$work/floor.png"
    "$floor" pdf "$work/page.png" "$work/floor.pdf"
    for kind in png pdf; do
        : >"$work/lumetra.$kind" && : >"$work/floor.$kind.t"
        for _ in $(seq 10); do
            run "$lumetra" --export "$design" "$work/out.$kind" >>"$work/lumetra.$kind"
            run "$floor" "$kind" "$work/page.png" "$work/floor.$kind" >>"$work/floor.$kind.t"
        done
        l=$(median <"$work/lumetra.$kind")
        f=$(median <"$work/floor.$kind.t")
        echo "$(basename "$design") to $kind: lumetra $(ms "$l"), floor $(ms "$f"), ratio $(awk -v l="$l" -v f="$f" 'BEGIN { printf "%.2f", l / f }')" \
             "(medians of 10; page $(file -b "$work/page.png" | cut -d, -f2 | tr -d ' '), $kind $(stat -c %s "$work/out.$kind") bytes against $(stat -c %s "$work/floor.$kind") )"
    done
done
