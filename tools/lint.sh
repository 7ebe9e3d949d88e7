#!/usr/bin/env bash
# Static analysis of our own code: clang-tidy (checks in .clang-tidy) and cppcheck. Any finding
# fails. clang-tidy reads the compile commands of a build folder, built first so that generated
# files exist. Usage: tools/lint.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
folders=(arena cycles match scores session ui tools tests bench)

[[ -f $build/compile_commands.json ]] || cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j"$(nproc)"

# Every compiled file of ours, once.
ours="^$PWD/($(IFS='|' && echo "${folders[*]}"))/"
mapfile -t sources < <(sed -n 's/^ *"file": "\(.*\)",*$/\1/p' "$build/compile_commands.json" |
    grep -E "$ours" | sort -u)

status=0
echo "clang-tidy: ${#sources[@]} files"
printf '%s\0' "${sources[@]}" |
    xargs -0 -P"$(nproc)" -n1 clang-tidy -p "$build" --quiet \
        2> >(grep -v 'warnings\? generated\.$' >&2) || status=1
echo "cppcheck"
cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr --quiet \
    --library=qt --library=googletest --std=c++20 -I . -I tests -j"$(nproc)" "${folders[@]}" ||
    status=1
exit $status
