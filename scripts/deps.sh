#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vesk4 need.
# Idempotent: packages already present are not touched, and apt is only asked
# when something is missing.
set -euo pipefail

VESK4_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev libgl-dev
)
# Needed only to run the GUI tests and to look at the program without a display,
# and for the installation tests: the desktop-entry and metainfo validators,
# the MIME and desktop databases with a way to query them, man for the manual
# pages, and what building the Debian package takes.
VESK4_TEST_PACKAGES=(xvfb xauth
    desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
    dpkg-dev file)
# Building the Debian package (scripts/package): dpkg-shlibdeps finds the
# libraries the programs need, file tells CPack which files are programs.
VESK4_PACKAGE_PACKAGES=(dpkg-dev file)
# The ThreadSanitizer build and the fuzz targets: clang, and its runtimes
# (libFuzzer among them), which clang itself only recommends.
VESK4_CHECK_PACKAGES=(clang libclang-rt-14-dev)

vesk4_missing_packages() {
    local pkg missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    echo "${missing[@]:-}"
}

vesk4_install() {
    local missing
    missing=$(vesk4_missing_packages "$@")
    [ -z "$missing" ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: $missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
