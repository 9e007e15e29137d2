#!/usr/bin/env bash
# Runs the Windows Quillet under Wine as a user would: started by its full path from another
# folder, in a fresh Wine prefix, with Wine's own regsvr32 and COM servers of our own beside
# it, and a stranger's "Regsvr32.exe" planted beside it and in the current folder.
#
# Usage: CheckUnderWine.sh <Quillet.exe> <folder of this script> <work folder>
# Exits 77 (skipped) when wine or the MinGW-w64 cross compiler is missing.
set -euo pipefail

skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

quillet_exe=$1
helpers=$2
work=$3

for tool in wine wineserver winepath; do
    command -v "$tool" >/dev/null || skip "$tool not found; install wine64 and wine to run Quillet.exe under Wine"
done
cxx=x86_64-w64-mingw32-g++
command -v "$cxx" >/dev/null || skip "$cxx not found; install g++-mingw-w64-x86-64"
[ -f "$quillet_exe" ] || fail "$quillet_exe has not been built"

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No installer prompts for Mono and Gecko, which the test needs neither of.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Without a display Quillet's message boxes fail at once instead of waiting for a click.
unset DISPLAY WAYLAND_DISPLAY
# A server left over from an earlier run that was cut short would hold the old prefix.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

rm -rf "$work"
app="$work/app"
elsewhere="$work/elsewhere"
mkdir -p "$work/helpers" "$app" "$elsewhere"

echo "Building the helper programs"
flags=(-std=c++20 -O2 -Wall -Wextra -Werror -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -static -s)
"$cxx" "${flags[@]}" -shared "$helpers/ComServer.cpp" -o "$work/helpers/ComServer.dll"
"$cxx" "${flags[@]}" -shared -DFAIL_REGISTRATION "$helpers/ComServer.cpp" \
    -o "$work/helpers/FailingComServer.dll"
"$cxx" "${flags[@]}" -municode -mwindows "$helpers/PlantedTool.cpp" -o "$work/helpers/Regsvr32.exe"

cp "$quillet_exe" "$app/Quillet.exe"
cp "$work/helpers/ComServer.dll" "$app/a.ocx"
cp "$work/helpers/ComServer.dll" "$app/b c.dll"
# Wine reports every name that starts with a dot as a hidden file.
cp "$work/helpers/ComServer.dll" "$app/.hidden.dll"
cp "$work/helpers/FailingComServer.dll" "$app/failing.dll"
echo "not a component" >"$app/notes.dll"
cp "$work/helpers/Regsvr32.exe" "$app/Regsvr32.exe"
cp "$work/helpers/Regsvr32.exe" "$elsewhere/Regsvr32.exe"

echo "Creating the Wine prefix"
wineboot --init >"$work/wineboot.out" 2>&1 || fail "wineboot failed: $(cat "$work/wineboot.out")"
wineserver -w

echo "Running Quillet.exe"
status=0
(cd "$elsewhere" && timeout 120 wine "$app/Quillet.exe") >"$work/quillet.out" 2>&1 || status=$?
wineserver -w
[ "$status" -ne 124 ] || fail "Quillet.exe did not end within 120 s"

for planted in "$app/planted.log" "$elsewhere/planted.log"; do
    [ ! -e "$planted" ] || fail "the planted Regsvr32.exe ran: $(cat "$planted")"
done

[ "$status" -eq 1 ] ||
    fail "Quillet.exe exited with $status, expected 1 (some files failed); its output: $(cat "$work/quillet.out")"

# Each component file is unregistered and then registered, in the program folder, with its
# name quoted when it has a blank; the ".ocx" file comes first, the ".dll" files follow in
# Wine's listing order. The text file never loads, so it leaves no call.
folder=$(winepath -w "$app")
calls_for() {
    local name=$1 argument=$2
    printf 'unregister|%s|%s|Regsvr32 /u /s %s\n' "$name" "$folder" "$argument"
    printf 'register|%s|%s|Regsvr32 /s %s\n' "$name" "$folder" "$argument"
}
ocx_calls=$(calls_for a.ocx a.ocx)
blank_calls=$(calls_for "b c.dll" '"b c.dll"')
failing_calls=$(calls_for failing.dll failing.dll)
calls=$(tr -d '\r' <"$app/calls.log" 2>/dev/null || true)
case "$calls" in
"$ocx_calls"$'\n'"$blank_calls"$'\n'"$failing_calls") ;;
"$ocx_calls"$'\n'"$failing_calls"$'\n'"$blank_calls") ;;
*)
    fail "unexpected calls to the COM servers; expected (the .dll files in either order):
$ocx_calls
$blank_calls
$failing_calls
got:
$calls"
    ;;
esac

# Exactly the two good files are registered: not the failing one, not the hidden one.
keys=$(wine reg query 'HKCU\Software\TalporaQuilletTest' 2>/dev/null | tr -d '\r' |
    sed -n 's/^HKEY_CURRENT_USER\\Software\\TalporaQuilletTest\\//p' | LC_ALL=C sort)
[ "$keys" = $'a.ocx\nb c.dll' ] || fail "registry keys: expected a.ocx and b c.dll, got: $keys"

echo "PASS: Quillet.exe registered a.ocx and \"b c.dll\", reported the failures with exit status 1," \
    "skipped the hidden file and never ran the planted Regsvr32.exe"
