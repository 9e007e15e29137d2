# Sourced by the tests that show Windows programs' windows under Wine.
# start_virtual_display <work folder> <width>x<height>x<depth>: starts a private
# Xvfb, puts its process in $xvfb and points DISPLAY at it; calls the test's
# fail function when it does not start within 10 s.
start_virtual_display() {
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "$2" 3>"$1/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    [ -s "$1/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$1/display")"
}
