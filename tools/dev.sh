#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   tools/dev.sh run    install what is missing, build Talpora alone, start it
#   tools/dev.sh test   install what is missing, build twice (plain and with
#                       AddressSanitizer + UBSan), run every test in both builds
set -euo pipefail

cd "$(dirname "$0")/.."

runtime_packages=(cmake ninja-build g++ pkg-config python3 qt6-base-dev qt6-svg-dev libqt6svg6
                  libexpat1-dev libpugixml-dev libzip-dev fonts-noto-cjk fonts-symbola
                  qt6-translations-l10n)
test_packages=(libbenchmark-dev xvfb xauth xdotool g++-mingw-w64-x86-64 wine64 wine64-preloader wine
               clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file)
# The package checks: lintian on the .deb, xdg-mime for the XML default.
test_packages+=(lintian xdg-utils)
test_packages+=(python3-pyatspi at-spi2-core)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build <preset> [target...]: everything, or only the targets named.
build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build --preset "$preset" "${targets[@]}"
}

case "${1:-}" in
run)
    install_missing "${runtime_packages[@]}"
    build default Talpora
    exec ./build/viewer/ui/Talpora
    ;;
test)
    install_missing "${runtime_packages[@]}" "${test_packages[@]}"
    build default
    ctest --preset default
    build asan
    ctest --preset asan
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
