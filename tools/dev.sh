#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   tools/dev.sh run    install what is missing, build Talpora alone, start it
#   tools/dev.sh test   install what is missing, build twice (plain and with
#                       AddressSanitizer + UBSan), run every test in both builds,
#                       then build the Windows programs and test them under Wine
#   tools/dev.sh windows  cross-build the Windows programs (needs ../shared/windows-sdk),
#                       test them under Wine and make the zip and the installer
set -euo pipefail

cd "$(dirname "$0")/.."

runtime_packages=(cmake ninja-build g++ pkg-config python3 qt6-base-dev qt6-svg-dev libqt6svg6
                  libexpat1-dev libpugixml-dev libzip-dev fonts-noto-cjk fonts-symbola
                  qt6-translations-l10n qt6-l10n-tools)
test_packages=(libbenchmark-dev xvfb xauth xdotool g++-mingw-w64-x86-64 wine64 wine64-preloader wine
               clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file)
# The package checks: lintian on the .deb, xdg-mime for the XML default.
test_packages+=(lintian xdg-utils)
test_packages+=(python3-pyatspi at-spi2-core)
# The Windows build: MinGW-w64 with the SDK beside the repository, tested under Wine.
test_packages+=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev qt6-base-dev-tools wixl unzip xclip
                fonts-wqy-microhei)
# The window manager the Wine window test minimises and restores Talpora.exe under.
test_packages+=(openbox)
# Rebuilds of the three build trees reuse what did not change.
test_packages+=(ccache)

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

# Compilers go through ccache where it is installed.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi

# build <preset> [target...]: everything, or only the targets named.
build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build --preset "$preset" "${targets[@]}"
}

# The Windows tests, then an end to the Wine server they kept running.
windows_tests() {
    local status=0
    ctest --preset windows || status=$?
    WINEPREFIX="$PWD/build-windows/wine-prefix" wineserver -k 2>/dev/null || true
    return $status
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
    build windows
    windows_tests
    ;;
windows)
    install_missing "${runtime_packages[@]}" "${test_packages[@]}"
    build windows
    windows_tests
    (cd build-windows && cpack)
    ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
