#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMETRA_BUILD_TESTS=ON >/dev/null
cmake --build build-test --parallel "$(nproc)"
cd build-test
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
