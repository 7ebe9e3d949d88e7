#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: first a normal build,
# then a clang build with AddressSanitizer and UndefinedBehaviorSanitizer that also fuzzes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --tests
export QT_QPA_PLATFORM=offscreen

# The tests get a home, a runtime and a temporary folder of their own, removed at the end: without
# them Qt and the sound server's client library leave runtime-*, pulse-* in /tmp and .config/pulse
# in the home, and a test that dies leaves its temporary files. No sound server is started on the
# tests' behalf (autospawn = no); those that need one start their own. The builds keep the real
# home, where the compiler cache lives.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-tests.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p -m 700 "$scratch/home/.config/pulse" "$scratch/runtime" "$scratch/tmp"
echo "autospawn = no" >"$scratch/home/.config/pulse/client.conf"

# build_and_test <folder> [cmake options...]
build_and_test() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVO_BUILD_TESTS=ON "$@"
    cmake --build "$folder" -j"$(nproc)"
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
        HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" TMPDIR="$scratch/tmp" \
        ctest --test-dir "$folder" --output-on-failure -j"$(nproc)"
}

build_and_test build -DZARVO_BUILD_BENCH=ON

# The first sanitizer report fails the run; leaks inside system libraries are suppressed.
export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build_and_test build-asan -DCMAKE_CXX_COMPILER=clang++ -DZARVO_SANITIZE=ON -DZARVO_BUILD_BENCH=OFF
