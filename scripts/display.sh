# Sourced by the scripts: starting and stopping a private Xvfb display.

# Starts Xvfb on the first free display number from 90 on, with one screen of the given
# size (default 1280x1024x24); sets TAVORIN_XVFB_DISPLAY and TAVORIN_XVFB_PID.
start_private_display() {
    local size=${1:-1280x1024x24} n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp -noreset >/dev/null 2>&1 &
        TAVORIN_XVFB_PID=$!
        TAVORIN_XVFB_DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                return 0
            fi
            kill -0 "$TAVORIN_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$TAVORIN_XVFB_PID" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_private_display() {
    if [ -n "${TAVORIN_XVFB_PID:-}" ]; then
        kill "$TAVORIN_XVFB_PID" 2>/dev/null || true
        wait "$TAVORIN_XVFB_PID" 2>/dev/null || true
        TAVORIN_XVFB_PID=
    fi
}

# Ends every Wine process of a prefix and waits until its server is gone.
stop_wine() {
    local prefix=$1
    [ -d "$prefix" ] || return 0
    WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix /usr/lib/wine/wineserver -w 2>/dev/null || true
}
