#!/usr/bin/env bash
# Runs the Windows Quillet under Wine as a user would: started by its full path from another
# folder, in a fresh Wine prefix, with Wine's own regsvr32 and COM servers of our own beside
# it, and a stranger's "Regsvr32.exe" planted beside it and in the current folder.
# The first run has no display, so each message box fails at once; when Xvfb and xdotool are
# installed, a second run shows the boxes on a virtual display and answers each one.
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
unset DISPLAY WAYLAND_DISPLAY
# A server left over from an earlier run that was cut short would hold the old prefix.
wineserver -k 2>/dev/null || true
xvfb=
# The prefix (some 700 MB) is kept only when a check failed, for a closer look.
cleanup() {
    local status=$?
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    [ "$status" -ne 0 ] || rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

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

# Checks how a run of Quillet.exe ended, given its exit status and output file.
check_run() {
    local status=$1 output=$2
    [ "$status" -ne 124 ] || fail "Quillet.exe did not end within 120 s"
    for planted in "$app/planted.log" "$elsewhere/planted.log"; do
        [ ! -e "$planted" ] || fail "the planted Regsvr32.exe ran: $(cat "$planted")"
    done
    [ "$status" -eq 1 ] ||
        fail "Quillet.exe exited with $status, expected 1 (some files failed); its output: $(cat "$output")"
}

echo "Running Quillet.exe without a display"
status=0
(cd "$elsewhere" && timeout 120 wine "$app/Quillet.exe") >"$work/quillet.out" 2>&1 || status=$?
wineserver -w
check_run "$status" "$work/quillet.out"

# Each component file is unregistered and then registered, in the program folder, with its
# name as a path in that folder (".\name"), quoted when it has a blank; the ".ocx" file comes
# first, the ".dll" files follow in Wine's listing order. The text file never loads, so it leaves no call.
folder=$(winepath -w "$app")
calls_for() {
    local name=$1 argument=$2
    printf 'unregister|%s|%s|Regsvr32 /u /s %s\n' "$name" "$folder" "$argument"
    printf 'register|%s|%s|Regsvr32 /s %s\n' "$name" "$folder" "$argument"
}
ocx_calls=$(calls_for a.ocx '.\a.ocx')
blank_calls=$(calls_for "b c.dll" '".\b c.dll"')
failing_calls=$(calls_for failing.dll '.\failing.dll')
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
wineserver -w
echo "Without a display: registered a.ocx and \"b c.dll\", exit status 1, hidden file skipped," \
    "planted Regsvr32.exe never ran"

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "Message boxes not checked: install xvfb and xdotool"
    exit 0
fi

echo "Running Quillet.exe on a virtual display"
source "$(dirname "$0")/../../../cmake/VirtualDisplay.sh"
start_virtual_display "$work" 800x600x24

# Wine traces the text of every message box it opens; each box, titled "Quillet", is answered
# with Enter until the program has ended. A key press that comes too early is simply repeated.
# Quillet speaks the user's display language, which Wine takes from the locale variables
# (whether or not the system has that locale): Chinese here.
status=0
(cd "$elsewhere" && env LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all,+msgbox \
    timeout 120 wine "$app/Quillet.exe") >"$work/messages.out" 2>&1 &
quillet=$!
while kill -0 "$quillet" 2>/dev/null; do
    for box in $(xdotool search --name '^Quillet$' 2>/dev/null); do
        timeout 5 xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    done
    sleep 0.5
done
wait "$quillet" || status=$?
wineserver -w
check_run "$status" "$work/messages.out"

# The trace writes characters outside ASCII as \xxxx; printf turns them back into UTF-8.
export LC_ALL=C.UTF-8
messages=$(sed -n 's/^.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"\r\{0,1\}$/\1/p' "$work/messages.out" |
    sed 's/\\\([0-9a-f]\{4\}\)/\\u\1/g' | while IFS= read -r line; do printf '%b\n' "$line"; done)
first=$(head -n 1 <<<"$messages")
rest=$(tail -n +2 <<<"$messages" | LC_ALL=C sort)
expected_rest="注册b c.dll成功!
注册failing.dll失败!（Regsvr32 退出代码 5）
注册notes.dll失败!（Regsvr32 退出代码 3）"
[ "$first" = "注册a.ocx成功!" ] && [ "$rest" = "$expected_rest" ] ||
    fail "unexpected message boxes; expected 注册a.ocx成功! and then, in any order:
$expected_rest
got:
$messages"
echo "On a display: one message box per file with the expected texts, each answered"
