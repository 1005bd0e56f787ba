#!/usr/bin/env bash
# Times a headless export of a design to PNG: the median of 10 runs of
#   lumetra --export DESIGN OUT.png
# Usage: bench/bench_export.sh path/to/lumetra design.lmx
set -euo pipefail
binary=$1
design=$2
out=$(mktemp --suffix=.png)
trap 'rm -f "$out"' EXIT
"$binary" --export "$design" "$out" # warm the file cache
times=()
for _ in $(seq 10); do
    start=$(date +%s%N)
    "$binary" --export "$design" "$out"
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=$(((sorted[4] + sorted[5]) / 2))
echo "export of $(basename "$design"): median $((median / 1000)).$(printf '%03d' $((median % 1000))) ms" \
     "(fastest $((sorted[0] / 1000)) ms, slowest $((sorted[9] / 1000)) ms, 10 runs)"
