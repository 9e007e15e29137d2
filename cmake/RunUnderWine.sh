#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, which is created on
# first use (once, even when several tests start at the same moment). The exit
# status is the program's.
# Usage: RunUnderWine.sh <prefix> <program.exe> [arguments...]
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# Neither Mono nor Gecko is needed; without this Wine would offer to install them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Test programs draw offscreen; a window under test is started with a display of its own.
[ -n "${TALPORA_WINE_DISPLAY:-}" ] && export DISPLAY=$TALPORA_WINE_DISPLAY || unset DISPLAY
unset WAYLAND_DISPLAY
if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        [ -f "$prefix/system.reg" ] || { wineboot --init >/dev/null 2>&1 && wineserver -w; }
    ) 9>"$prefix.lock"
fi
# Wine's server and its services outlive each program, which saves every later
# test the seconds they take to start. They are started here, with no output of
# their own: started by the test program they would hold its output open, and
# ctest would wait for the test to end for ever.
wineserver -p 600 </dev/null >/dev/null 2>&1 || true
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
exec wine "$@"
