#!/usr/bin/env bash
# Makes docs/screenshot.png: Talpora with a catalogue document open, a node
# clicked (status bar path and script window) and the Options menu open.
# Needs xvfb, xdotool and imagemagick; run after building (tools/dev.sh run).
# Works on a bare X server and under a window manager.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/viewer/ui/Talpora}
output=${2:-docs/screenshot.png}
# The screenshot shows the Chinese interface unless LANGUAGE names another (LANGUAGE=en).
export LANGUAGE=${LANGUAGE:-zh_CN}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x760x24" "$0" "$binary" "$output"
fi

# With a window manager (openbox, say) a window is raised and focused through
# the manager; on a bare X server it takes the focus directly.
activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 2
window=$(xdotool search --sync --onlyvisible --name '^Talpora$' | head -1)
xdotool windowmove --sync "$window" 0 0
activate "$window"
sleep 0.5
# Where the window's contents start: under a window manager's title bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y
# Down from no selection to "Excel_2013_tabs_cn"; every step loads an entry.
for _ in $(seq 25); do xdotool key Down; done
sleep 0.5
# Into the tree: open TabHome, GroupClipboard and PasteMenu.
xdotool key Tab Down Right Down Right Down Right Down Down
sleep 0.5
# Click a node of GroupClipboard: the status bar shows its path, the Scripts window its snippet.
xdotool mousemove --window "$window" 600 325 click 1
sleep 1
scripts=$(xdotool search --onlyvisible --name '^Scripts$' | head -1)
xdotool windowmove "$scripts" $((left + 700)) $((top + 420))
activate "$window"
sleep 0.3
xdotool key alt+o
sleep 1
import -window root -crop "1222x658+$left+$top" +repage "$output"
echo "wrote $output"
