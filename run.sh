#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Lumetra.
#   ./run.sh [design.lmx | picture.png]
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLUMETRA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)"
exec build-release/lumetra "$@"
