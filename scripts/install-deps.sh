#!/usr/bin/env bash
# Installs the Debian packages dvk needs to build, test and run; skips what is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # the caller plug-in; Debian's speech CMake package also needs the QML development files
    qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
    # a private sound server with a silent output, for the caller's speech test
    pulseaudio
    fonts-liberation fonts-ipafont-gothic
    xvfb xauth xdotool x11-utils openbox python3
    librsvg2-bin desktop-file-utils appstream dpkg-dev file fakeroot
    clang libclang-rt-dev
    # the match archive: Qt SQL's SQLite and PostgreSQL drivers, a PostgreSQL server for its tests,
    # and Qt Charts for the career window
    libqt6sql6-sqlite libqt6sql6-psql postgresql-15 sqlite3 qt6-charts-dev
    # the broadcast server, its QR code, and a real browser for the page tests
    qt6-httpserver-dev qt6-websockets-dev libqrencode-dev chromium
    # the package check
    lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
