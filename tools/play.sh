#!/usr/bin/env bash
# Installs the packages the game needs, builds the game alone (its pictures, sounds and level maps
# come with it; no tests, no benchmarks) and starts it. Where there is no graphical session, the
# game says so in one line and ends with status 1, and so does this script: the game was asked
# for and did not start, though it is built, in build/bin/, for a desktop to run later.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
# A first configure leaves out the tests and benchmarks, whose packages the game does not need;
# a build folder that tools/test.sh made keeps them, and only the game is built here either way.
options=()
[[ -f build/CMakeCache.txt ]] || options=(-DZARVO_BUILD_TESTS=OFF -DZARVO_BUILD_BENCH=OFF)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build build --target zarvo-cycles -j"$(nproc)"
exec build/bin/zarvo-cycles "$@"
