#!/usr/bin/env bash
# The Windows packages: the zip holds the three programs, the README and the
# licences; the installer installs silently, for the current user, into a fresh
# Wine prefix, the installed programs start, the Start-menu shortcut, the
# "Open with" entry for .xml and the uninstall entry exist, and a silent
# uninstall leaves nothing behind (nor changes the default program of .xml).
# Exits 77 (skipped) after the zip when Wine cannot run 32-bit programs.
# Usage: CheckInstaller.sh <build folder> <work folder>
set -euo pipefail
build=$1 work=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in wine wineboot wineserver cpack makensis unzip; do
    command -v "$tool" >/dev/null || fail "$tool not found (Debian: wine64 wine cmake nsis unzip)"
done

rm -rf "$work"
mkdir -p "$work"
echo "Making the packages"
cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.out" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.out")"
zip=$(ls "$work"/packages/Talpora-*-win64.zip)
installer=$(ls "$work"/packages/Talpora-*-win64.exe)

contents=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
for expected in LICENSE NOTICE Quillet.exe README.md Talpora.exe talpora-cli.exe \
    licenses/LGPL-3.0-only.txt licenses/expat-COPYING licenses/libzip-LICENSE \
    licenses/pugixml-LICENSE.md licenses/zlib-copyright; do
    [[ " $contents" == *" $expected "* ]] || fail "the zip lacks $expected; it holds: $contents"
done
echo "zip: $contents"

# NSIS makes 32-bit installers; a Wine without its 32-bit half cannot start them.
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: installer not run: it is a 32-bit program and wine32:i386 is not installed"
    exit 77
fi

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    local status=$?
    wineserver -k 2>/dev/null || true
    [ "$status" -ne 0 ] || rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
echo "Creating a fresh Wine prefix"
wineboot --init >"$work/wineboot.out" 2>&1 || fail "wineboot failed: $(cat "$work/wineboot.out")"
wineserver -w

user_dir=$(ls -d "$WINEPREFIX"/drive_c/users/* | grep -v '/Public$' | head -n 1)
target="$user_dir/AppData/Local/Programs/Talpora"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Talpora/Talpora.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Talpora'
reg_has() { wine reg query "$@" >/dev/null 2>&1; }

echo "Installing silently"
timeout 300 wine "$installer" /S || fail "the installer exited with $?"
wineserver -w
for program in Talpora.exe talpora-cli.exe Quillet.exe README.md LICENSE NOTICE; do
    [ -f "$target/$program" ] || fail "$program is not in $target"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
reg_has "$uninstall_key" /v UninstallString || fail "no uninstall entry $uninstall_key"
! reg_has 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Talpora' ||
    fail "the installer wrote an uninstall entry for all users"
reg_has 'HKCU\Software\Classes\.xml\OpenWithProgids' /v Talpora.xml ||
    fail "Talpora is not offered in \"Open with\" for .xml files"
command=$(wine reg query 'HKCU\Software\Classes\Talpora.xml\shell\open\command' /ve 2>/dev/null | tr -d '\r')
[[ "$command" == *'Talpora.exe" "%1"'* ]] || fail "unexpected open command: $command"
default=$(wine reg query 'HKCU\Software\Classes\.xml' /ve 2>/dev/null | tr -d '\r' || true)
[[ "$default" != *Talpora* ]] || fail "the installer made Talpora the default program of .xml"
echo "Installed into $target with shortcut, uninstall entry and \"Open with\""

for program in talpora-cli.exe Talpora.exe; do
    version=$(timeout 120 wine "$target/$program" --version 2>&1 | tr -d '\r') ||
        fail "the installed $program --version exited with $?: $version"
    [[ "$version" == *1.00* ]] || fail "the installed $program says: $version"
done
[ ! -e "$target/calls.log" ] || fail "the installer ran Quillet"
echo "The installed programs start"

echo "Uninstalling silently"
# The uninstaller copies itself away and returns at once; wineserver -w waits for the copy.
timeout 300 wine "$target/Uninstall.exe" /S || fail "the uninstaller exited with $?"
wineserver -w
[ ! -e "$target" ] || fail "left behind: $(find "$target")"
[ ! -e "$(dirname "$shortcut")" ] || fail "the Start-menu folder is left behind"
! reg_has "$uninstall_key" || fail "the uninstall entry is left behind"
! reg_has 'HKCU\Software\Classes\Talpora.xml' || fail "the Talpora.xml file type is left behind"
! reg_has 'HKCU\Software\Classes\.xml\OpenWithProgids' /v Talpora.xml ||
    fail "the \"Open with\" entry is left behind"
! reg_has 'HKCU\Software\The Talpora developers' || fail "the installer's own key is left behind"
echo "Uninstalled without a trace"
