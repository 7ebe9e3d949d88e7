#!/usr/bin/env bash
# Installs the Debian 12 packages that building the game needs, and with --tests also those that
# the tests, the sanitizer build, the benchmarks and the Debian package need (skipped when all
# are present).
set -euo pipefail

packages=(
    cmake
    ninja-build
    g++
    pkg-config
    qt6-base-dev
    qt6-base-dev-tools
    libqt6opengl6-dev
    libpulse-dev
    libsndfile1-dev
)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(
        qt6-multimedia-dev
        libgtest-dev
        libgmock-dev
        libbenchmark-dev
        clang
        libclang-rt-14-dev
        llvm
        clang-tidy
        cppcheck
        xvfb
        openbox
        xdotool
        imagemagick
        pulseaudio
        pulseaudio-utils
        sox
        appstream
        desktop-file-utils
        dpkg-dev
        lintian
        file
        x11-utils
        x11-xserver-utils
        x11-xkb-utils
        weston
        xwayland
        qt6-gtk-platformtheme
        python3
        python3-pil
        tesseract-ocr
    )
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
