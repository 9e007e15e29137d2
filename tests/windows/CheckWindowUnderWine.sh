#!/usr/bin/env bash
# Talpora.exe as a user meets it, under Wine on a virtual display: it starts,
# an entry is chosen in the list, and the script window that shows the root's
# snippet leaves the keyboard in the list; a node of the tree is clicked; the
# caption names the entry and the script window shows the node's snippet, read
# back through the clipboard and compared with the Linux program's. A
# screenshot of the end is kept in the work folder. The keyboard stays in the
# list when the main window is minimised and restored, and comes back to it
# when the Open dialog closes, which writes nothing under
# HKCU\Software\QtProject. Then a file with a Chinese, Japanese and
# emoji name is dragged from Wine's Explorer onto the window and opens, and
# an Excel add-in named on the command line opens with its findings listed as
# check prints them. talpora-cli.exe writes Chinese and Japanese into a
# console window of its own, which must show the characters.
# Usage: CheckWindowUnderWine.sh <RunUnderWine.sh> <Wine prefix> <Talpora.exe>
#                                <work folder> <Linux talpora-cli>
#                                [<talpora-cli.exe> <console_capture.exe>]
set -euo pipefail
runner=$1 prefix=$2 talpora_exe=$3 work=$4 linux_cli=$5 cli_exe=${6:-} capture_exe=${7:-}
skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in Xvfb xdotool xclip openbox; do
    command -v "$tool" >/dev/null || skip "$tool not found (Debian: xvfb, xdotool, xclip, openbox)"
done
[ -x "$linux_cli" ] || skip "no Linux build of talpora-cli to compare with (build the default preset)"
rm -rf "$work"
mkdir -p "$work"

xvfb= talpora= window_manager=
cleanup() {
    [ -z "$window_manager" ] || kill "$window_manager" 2>/dev/null || true
    [ -z "$talpora" ] || kill "$talpora" 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
source "$(dirname "$0")/../../cmake/VirtualDisplay.sh"
start_virtual_display "$work" 1280x800x24

# Waits up to 120 s for a mapped window whose name matches; prints its id.
# (Wine names a window before it maps it, and focusing it then fails.)
wait_for_window() {
    for _ in $(seq 240); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 && return 0
        sleep 0.5
    done
    return 1
}
# Waits up to 60 s for the window to carry the name.
wait_for_name() {
    for _ in $(seq 120); do
        [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ] && return 0
        sleep 0.5
    done
    return 1
}

# A wineserver of the prefix that was started without a display must not host the window.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
qt_settings='HKCU\Software\QtProject\OrganizationDefaults\FileDialog'
WINEPREFIX=$prefix wine reg delete "$qt_settings" /f >/dev/null 2>&1 || true
TALPORA_WINE_DISPLAY=$DISPLAY bash "$runner" "$prefix" "$talpora_exe" >"$work/talpora.out" 2>&1 &
talpora=$!
main=$(wait_for_window '^Talpora$') || fail "no Talpora window within 120 s: $(cat "$work/talpora.out")"
echo "The window is up"

# The list has the keyboard at start; Down chooses its first entry.
entry=$("$linux_cli" entries | head -n 1 | cut -f3)
for _ in $(seq 20); do
    xdotool windowfocus --sync "$main" 2>/dev/null && break
    sleep 0.5
done
xdotool key Down
wait_for_name "$main" "Talpora - $entry" ||
    fail "caption after choosing $entry: $(xdotool getwindowname "$main")"
echo "Chose $entry"
# The script window comes up with the root's snippet; the next key is still the list's.
wait_for_window '^Scripts$' >/dev/null || fail "no script window after loading $entry"
sleep 1
entries=$("$linux_cli" entries | cut -f3)
second=$(sed -n 2p <<<"$entries") third=$(sed -n 3p <<<"$entries")
xdotool key Down
wait_for_name "$main" "Talpora - $second" ||
    fail "the script window took the keyboard when it appeared: the caption is still" \
        "\"$(xdotool getwindowname "$main")\""
echo "The script window appeared and left the keyboard in the list"
xdotool key Up
wait_for_name "$main" "Talpora - $entry" || fail "Up did not go back to $entry"

# A click on the tree's second row (rows are some 39 px high at the window's
# first size), just right of the list (30 % of the client area): the root is
# expanded, so that row is its first child, node 2.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH * 30 / 100 + 60)) $((HEIGHT * 14 / 100)) click 1
scripts=$(wait_for_window '^Scripts$') || fail "no script window after the click"
sleep 1
xdotool mousemove --window "$scripts" 100 60 click 1 key ctrl+a key ctrl+c
sleep 1
xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$work/snippet.txt" || true
"$linux_cli" snippet "$entry" 2 >"$work/expected.txt"
import -window root "$work/screenshot.png" 2>/dev/null || true
diff -q <(sed -e '$a\' "$work/snippet.txt") "$work/expected.txt" >/dev/null || fail "the script window shows:
$(cat "$work/snippet.txt")
expected the snippet of node 2 of $entry:
$("$linux_cli" snippet "$entry" 2)"
echo "Clicked node 2; the script window shows its snippet, as on Linux"

# A file named in Chinese, Japanese and emoji, dragged from Wine's Explorer
# onto the window, opens. Explorer lists the folder's one file in the first
# row of its list, some 210 px right of and 86 px below its window's corner.
mkdir -p "$work/drop"
dropped="$work/drop/拖放 ドラッグ 😀.xml"
printf '<customUI xmlns="http://schemas.microsoft.com/office/2009/07/customui"/>\n' >"$dropped"
TALPORA_WINE_DISPLAY=$DISPLAY bash "$runner" "$prefix" explorer.exe \
    "$(WINEPREFIX=$prefix winepath -w "$work/drop")" >"$work/explorer.out" 2>&1 &
browser=$(wait_for_window '^drop$') || fail "no Explorer window within 120 s"
xdotool windowmove --sync "$browser" 0 0 windowmove --sync "$scripts" 0 520 \
    windowmove --sync "$main" 660 0
sleep 1
xdotool mousemove 210 86 sleep 0.3 mousedown 1 sleep 0.3 mousemove 260 120 sleep 0.3 \
    mousemove 700 200 sleep 0.3 mousemove 900 300 sleep 0.5 mousemove 905 305 sleep 0.5 mouseup 1
expected_caption="Talpora - $(WINEPREFIX=$prefix winepath -w "$dropped")"
if ! wait_for_name "$main" "$expected_caption"; then
    import -window root "$work/drop.png" 2>/dev/null || true
    fail "after dropping \"$(basename "$dropped")\" from Explorer the caption is" \
        "\"$(xdotool getwindowname "$main")\" (screen in drop.png)"
fi
echo "A file named in Chinese, Japanese and emoji, dropped from Explorer, opens"

# Back in the list (its second entry), then minimised and restored under a
# window manager: the script window comes back with the main window, and the
# keyboard stays in the list.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH * 10 / 100)) $((HEIGHT * 14 / 100)) click 1
wait_for_name "$main" "Talpora - $second" || fail "a click on the list's second entry did not load it"
openbox >"$work/openbox.out" 2>&1 &
window_manager=$!
sleep 2
xdotool windowminimize --sync "$main"
sleep 1
xdotool windowactivate --sync "$main"
wait_for_window '^Scripts$' >/dev/null || fail "the script window did not come back with the main window"
sleep 1
xdotool key Down
wait_for_name "$main" "Talpora - $third" ||
    fail "after a restore the keyboard is not in the list: the caption is" \
        "\"$(xdotool getwindowname "$main")\""
echo "Restored from minimised, the keyboard is still in the list"

# The Open dialog, closed, gives the keyboard back and leaves no Qt settings.
xdotool key ctrl+o
dialog=$(wait_for_window '^Open$') || fail "Ctrl+O showed no Open dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
sleep 1
xdotool key Up
wait_for_name "$main" "Talpora - $second" ||
    fail "after the Open dialog closed the keyboard is not in the list: the caption is" \
        "\"$(xdotool getwindowname "$main")\""
! WINEPREFIX=$prefix wine reg query "$qt_settings" >/dev/null 2>&1 ||
    fail "the Open dialog wrote $qt_settings"
echo "The Open dialog gave the keyboard back and wrote nothing under HKCU\\Software\\QtProject"
kill "$window_manager"
window_manager=
sleep 1

# An Excel add-in named on the command line, as "Open with" names it: its
# customUI part is the tree and the Findings window (named in the window's
# language) lists what check finds, copied from the list (Ctrl+A, Ctrl+C) as
# check prints it and compared with the Linux check's lines: the part, the
# place and the severity (the message is worded in the window's language).
addin="$work/加载项 Add-in.xlam"
python3 - "$addin" "$(dirname "$0")/../../docs/examples/ribbon.xml" <<'PYTHON'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as package:
    package.writestr("_rels/.rels",
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
        'relationships/officeDocument" Target="xl/workbook.xml"/>'
        '<Relationship Id="rId2" Type="http://schemas.microsoft.com/office/2007/relationships/'
        'ui/extensibility" Target="customUI/customUI14.xml"/></Relationships>')
    package.writestr("xl/workbook.xml", "<workbook/>")
    package.write(sys.argv[2], "customUI/customUI14.xml")
PYTHON
# A second Talpora beside the first, as a second "Open with" starts one.
TALPORA_WINE_DISPLAY=$DISPLAY bash "$runner" "$prefix" "$talpora_exe" \
    "$(WINEPREFIX=$prefix winepath -w "$addin")" >"$work/addin.out" 2>&1 &
talpora=$!
main=$(wait_for_window '^Talpora - .*xlam!customUI/customUI14.xml$') ||
    fail "the add-in did not open from the command line: $(cat "$work/addin.out")"
findings=$(wait_for_window '^(Findings|检查|チェック結果)$') || fail "no Findings window for the add-in"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$findings")"
xdotool mousemove --window "$findings" $((WIDTH / 2)) 100 click 1 key ctrl+a key ctrl+c
sleep 1
place_and_severity='s/^[^!]*!//; s/\(: \(error\|warning\)\): .*/\1/'
xclip -o -selection clipboard 2>/dev/null | tr -d '\r' | sed "$place_and_severity" \
    >"$work/findings.txt" || true
"$linux_cli" check "$addin" | sed "$place_and_severity" >"$work/expected-findings.txt" || true
import -window root "$work/addin.png" 2>/dev/null || true
[ -s "$work/expected-findings.txt" ] &&
    diff -q <(sed -e '$a\' "$work/findings.txt") "$work/expected-findings.txt" >/dev/null ||
    fail "the Findings window lists:
$(cat "$work/findings.txt")
expected what check prints:
$(cat "$work/expected-findings.txt")"
echo "An add-in named on the command line opens and its findings are those check prints"


[ -n "$cli_exe" ] || exit 0
# The console shows a TAB as blanks up to the next multiple of 8 columns.
printf '<root label="中文 日本語のテキスト"/>\n' >"$work/文字.xml"
status=0
TALPORA_WINE_DISPLAY=$DISPLAY bash "$runner" "$prefix" "$capture_exe" "$work/console.txt" \
    "$cli_exe" tree "$work/文字.xml" || status=$?
expected=$("$linux_cli" tree "$work/文字.xml" | expand -t 8)
[ "$status" = 0 ] && [ "$(sed -n 1p "$work/console.txt")" = "$expected" ] ||
    fail "talpora-cli.exe tree in a console window: status $status, the window shows:
$(cat "$work/console.txt")
expected:
$expected"
status=0
TALPORA_WINE_DISPLAY=$DISPLAY bash "$runner" "$prefix" "$capture_exe" "$work/console.txt" \
    "$cli_exe" tree "$work/缺少.xml" || status=$?
# Long lines wrap at the window's width.
[ "$status" = 2 ] && [[ "$(tr -d '\n' <"$work/console.txt")" == *'缺少.xml”: file not found' ]] ||
    fail "talpora-cli.exe tree of a missing file in a console window: status $status, the window shows:
$(cat "$work/console.txt")"
echo "talpora-cli.exe shows Chinese and Japanese as characters in a console window"
