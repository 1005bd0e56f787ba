#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   ./test.sh              the plain build, in build-test
#   ./test.sh --sanitize   the same suite under AddressSanitizer and
#                          UndefinedBehaviorSanitizer, leak checks on, in build-sanitize
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
build=build-test
flags=()
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    flags=(-DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers")
    export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # Leaks inside the system's libraries are not ours to mend.
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
elif [ $# -gt 0 ]; then
    echo "usage: ./test.sh [--sanitize]" >&2
    exit 2
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMETRA_BUILD_TESTS=ON "${flags[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
