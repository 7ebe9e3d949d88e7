#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: first a normal build,
# then a clang build with AddressSanitizer and UndefinedBehaviorSanitizer that also fuzzes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --tests
export QT_QPA_PLATFORM=offscreen

# build_and_test <folder> [cmake options...]
build_and_test() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder" -j"$(nproc)"
    ctest --test-dir "$folder" --output-on-failure -j"$(nproc)"
}

build_and_test build

# The first sanitizer report fails the run; leaks inside system libraries are suppressed.
export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build_and_test build-asan -DCMAKE_CXX_COMPILER=clang++ -DZARVO_SANITIZE=ON -DZARVO_BUILD_BENCH=OFF
