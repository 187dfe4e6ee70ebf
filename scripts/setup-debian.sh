#!/usr/bin/env bash
# Installs the Debian 12 packages that Tavo needs to build, test and run.
# Only missing packages are installed; as a user, sudo is asked for.
set -euo pipefail

packages=(
    cmake ninja-build g++                              # the build
    libgtest-dev libgmock-dev libbenchmark-dev         # engine tests and benchmarks
    clang-14 libclang-rt-14-dev                        # sanitizers and libFuzzer
    qt6-base-dev fonts-dejavu-core                     # the game's windows and their text
    qt6-charts-dev libqt6opengl6-dev                   # the finance charts (Charts needs OpenGL's files)
    desktop-file-utils appstream                       # the installed desktop files' checks
    xvfb openbox x11-utils                             # the windows under a real X server and window manager
    debhelper dpkg-dev lintian                         # the Debian package and its checks
    qt6-wayland weston                                 # the game on Wayland, and its test
    dbus-daemon libx11-dev                             # the start-up bench (bench/startup.sh)
    dbus at-spi2-core python3-pyatspi                  # the game read through the accessibility bus
    orca                                               # the screen reader, which its test runs
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n python3  # the translations and their checks
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
