#!/usr/bin/env bash
# The Windows packages: the zip holds the three programs, the README and the
# licences; the MSI installs silently, for the current user, into a fresh Wine
# prefix, the installed programs start, the Start-menu shortcut, the "Open with"
# entries for .xml and the Office packages and the uninstall entry exist, and a
# silent uninstall through that entry leaves nothing behind (nor changes the
# default program of .xml or of an add-in).
# A later version installed over it replaces it.
# Usage: CheckInstaller.sh <build folder> <work folder>
set -euo pipefail
build=$1 work=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in wine wineboot wineserver cpack wixl unzip; do
    command -v "$tool" >/dev/null || fail "$tool not found (Debian: wine64 wine cmake wixl unzip)"
done

rm -rf "$work"
mkdir -p "$work"
echo "Making the packages"
cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.out" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.out")"
zip=$(ls "$work"/packages/Talpora-*-win64.zip)
installer=$(ls "$work"/packages/Talpora-*-win64.msi)
# The same installer as a later version, to upgrade with.
cpack --config "$build/CPackConfig.cmake" -G External -B "$work/later" -D CPACK_PACKAGE_VERSION=99.0 \
    -D CPACK_PACKAGE_FILE_NAME=Talpora-later >"$work/cpack-later.out" 2>&1 ||
    fail "cpack of a later version failed: $(cat "$work/cpack-later.out")"

contents=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
for expected in LICENSE NOTICE Quillet.exe README.md Talpora.exe talpora-cli.exe \
    licenses/LGPL-3.0-only.txt licenses/expat-COPYING licenses/libzip-LICENSE \
    licenses/pugixml-LICENSE.md licenses/zlib-copyright; do
    [[ " $contents" == *" $expected "* ]] || fail "the zip lacks $expected; it holds: $contents"
done
echo "zip: $contents"

# No Linux menu entries from the shortcut: winemenubuilder stays off.
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
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
reg_has() { wine reg query "$@" >/dev/null 2>&1; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
reg_default() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p'; }
# keys_naming_talpora <key> <value name>: the subkeys of <key> whose value <value name> is Talpora.
keys_naming_talpora() {
    { wine reg query "$1" /s 2>/dev/null || true; } | tr -d '\r' |
        awk -v name="$2" '/^HKEY_/ { key = $0 } $1 == name && $2 == "REG_SZ" && $3 == "Talpora" && NF == 3 { print key }'
}
# The entry in the list of programs: Windows keeps a per-user install's entry
# in HKCU, Wine keeps every entry in HKLM.
uninstall_keys() {
    keys_naming_talpora 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' DisplayName
    keys_naming_talpora 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' DisplayName
}
# Where Windows Installer lists the products of the current user, and those of the machine.
user_product() { keys_naming_talpora 'HKCU\Software\Microsoft\Installer\Products' ProductName; }
machine_product() { keys_naming_talpora 'HKLM\Software\Classes\Installer\Products' ProductName; }
# Everything in the prefix but Wine's own registry files and logs, to compare
# before the installation and after the uninstallation.
snapshot() { (cd "$WINEPREFIX" && find drive_c | grep -v '^drive_c/windows/\(logs\|temp\)' | LC_ALL=C sort); }
snapshot >"$work/before.txt"
# The program the user chose for Excel add-ins stays theirs.
wine reg add 'HKCU\Software\Classes\.xlam' /ve /d Excel.AddInMacroEnabled /f >/dev/null 2>&1 ||
    fail "could not set a default program for .xlam"
package_extensions="xlsx xlsm xltx xltm xlam docx docm dotx dotm pptx pptm potx potm ppsx ppsm ppam"

echo "Installing silently"
install() {
    timeout 300 wine msiexec /i "$(wine winepath -w "$1" 2>/dev/null | tr -d '\r')" /qn ||
        fail "the installer $1 exited with $?"
    wineserver -w
}
install "$installer"
for program in Talpora.exe talpora-cli.exe Quillet.exe README.md LICENSE NOTICE; do
    [ -f "$target/$program" ] || fail "$program is not in $target"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
reg_has 'HKCU\Software\Classes\.xml\OpenWithProgids' /v Talpora.xml ||
    fail "Talpora is not offered in \"Open with\" for .xml files"
command=$(wine reg query 'HKCU\Software\Classes\Talpora.xml\shell\open\command' /ve 2>/dev/null | tr -d '\r')
[[ "$command" == *'Talpora.exe" "%1"'* ]] || fail "unexpected open command: $command"
default=$(wine reg query 'HKCU\Software\Classes\.xml' /ve 2>/dev/null | tr -d '\r' || true)
[[ "$default" != *Talpora* ]] || fail "the installer made Talpora the default program of .xml"
for extension in $package_extensions; do
    reg_has "HKCU\\Software\\Classes\\.$extension\\OpenWithProgids" /v Talpora.package ||
        fail "Talpora is not offered in \"Open with\" for .$extension files"
done
command=$(wine reg query 'HKCU\Software\Classes\Talpora.package\shell\open\command' /ve 2>/dev/null | tr -d '\r')
[[ "$command" == *'Talpora.exe" "%1"'* ]] || fail "unexpected open command for packages: $command"
default=$(reg_default 'HKCU\Software\Classes\.xlam')
[ "$default" = Excel.AddInMacroEnabled ] || fail "the default program of .xlam is now \"$default\""
uninstall_key=$(uninstall_keys)
[ -n "$uninstall_key" ] && [ "$(wc -l <<<"$uninstall_key")" -eq 1 ] ||
    fail "not one uninstall entry named Talpora but: ${uninstall_key:-none}"
echo "Uninstall entry: $(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' | grep -v '^ *[A-Za-z]* *REG_SZ *$')"
product_code=${uninstall_key##*\\}
for field in DisplayVersion:1.00 "Publisher:The Talpora developers" \
    "UninstallString:MsiExec.exe /X$product_code"; do
    value=$(reg_value "$uninstall_key" "${field%%:*}")
    [ "$value" = "${field#*:}" ] || fail "the uninstall entry's ${field%%:*} is \"$value\""
done
product=$(user_product)
[ -n "$product" ] || fail "Talpora is not installed for the current user"
[ -z "$(machine_product)" ] || fail "Talpora is installed for all users"
icon=$(reg_value "$product" ProductIcon)
[ -f "$(wine winepath -u "$icon" 2>/dev/null)" ] || fail "the list of programs has no icon for Talpora: $icon"
echo "Installed into $target with shortcut, uninstall entry and \"Open with\""
for program in talpora-cli.exe Talpora.exe; do
    version=$(timeout 120 wine "$target/$program" --version 2>&1 | tr -d '\r') ||
        fail "the installed $program --version exited with $?: $version"
    [[ "$version" == *1.00* ]] || fail "the installed $program says: $version"
done
[ ! -e "$target/calls.log" ] || fail "the installer ran Quillet"
echo "The installed programs start"

echo "Upgrading to a later version"
install "$work/later/Talpora-later.msi"
uninstall_key=$(uninstall_keys)
[ "$(reg_value "$uninstall_key" DisplayVersion)" = 99.0 ] && [ "$(wc -l <<<"$uninstall_key")" -eq 1 ] ||
    fail "the later version did not replace this one: ${uninstall_key:-no uninstall entry}"
product_code=${uninstall_key##*\\}
[ -f "$target/Talpora.exe" ] && [ -f "$shortcut" ] || fail "the upgrade lost the program or its shortcut"

echo "Uninstalling silently, as the uninstall entry does"
timeout 300 wine msiexec /x "$product_code" /qn || fail "the uninstaller exited with $?"
wineserver -w
[ ! -e "$target" ] || fail "left behind: $(find "$target")"
[ ! -e "$(dirname "$shortcut")" ] || fail "the Start-menu folder is left behind"
! reg_has "$uninstall_key" || fail "the uninstall entry is left behind"
[ -z "$(user_product)" ] || fail "Windows Installer still lists Talpora"
! reg_has 'HKCU\Software\Classes\Talpora.xml' || fail "the Talpora.xml file type is left behind"
! reg_has 'HKCU\Software\Classes\.xml\OpenWithProgids' /v Talpora.xml ||
    fail "the \"Open with\" entry is left behind"
! reg_has 'HKCU\Software\Classes\Talpora.package' || fail "the Talpora.package file type is left behind"
for extension in $package_extensions; do
    ! reg_has "HKCU\\Software\\Classes\\.$extension\\OpenWithProgids" /v Talpora.package ||
        fail "the \"Open with\" entry of .$extension is left behind"
done
[ "$(reg_default 'HKCU\Software\Classes\.xlam')" = Excel.AddInMacroEnabled ] ||
    fail "the uninstall changed the default program of .xlam"
# Windows Installer's own folders, for installed packages and product icons,
# are all that may stay, empty.
left=$(snapshot | LC_ALL=C comm -13 "$work/before.txt" - |
    grep -vx 'drive_c/windows/Installer\|.*/AppData/Roaming/Microsoft/Installer' || true)
[ -z "$left" ] || fail "left behind: $left"
echo "Uninstalled without a trace"
