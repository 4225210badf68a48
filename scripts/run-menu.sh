#!/usr/bin/env bash
# Sets everything up, builds the program and runs Tavorin.exe under Wine: on the current X
# display, or on a private Xvfb display when there is none (then it leaves a screenshot of
# the menu in the build tree). A data directory without configuration gets the demo
# configuration first; an existing configuration is never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/display.sh

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tavorin

prefix=$root/build/wine-run
bash scripts/wine-prefix.sh "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

data="$prefix/drive_c/users/Public/Documents/Quennor/Tavorin"
if [ -e "$data/Tavorin.ini" ] || [ -e "$data/Tavorin.dat" ]; then
    echo "Using the configuration in $data"
else
    mkdir -p "$data"
    cp sample/Tavorin.ini sample/Tavorin.dat "$data/"
    echo "Seeded a demo configuration in $data"
    echo "  (inside Wine: C:\\users\\Public\\Documents\\Quennor\\Tavorin\\)"
fi

exe="$root/build/win64/bin/Tavorin.exe"
stop_wine "$prefix"  # the first Wine process decides between X11 and the null driver
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Running Tavorin on display $DISPLAY (Alt+F4 closes the menu)"
    /usr/lib/wine/wine64 "$exe"
    stop_wine "$prefix"
    exit 0
fi

start_private_display 1024x768x24
trap 'stop_wine "$prefix"; stop_private_display' EXIT
echo "No X display: running Tavorin on a private Xvfb display $TAVORIN_XVFB_DISPLAY"
export DISPLAY=$TAVORIN_XVFB_DISPLAY
/usr/lib/wine/wine64 "$exe" </dev/null >/dev/null 2>&1 &
for _ in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"TavorinForm"' && break
    sleep 0.2
done
if ! xwininfo -root -tree 2>/dev/null | grep -q '"TavorinForm"'; then
    echo "The menu window did not appear" >&2
    exit 1
fi
sleep 2  # let it paint
shot="$root/build/menu-screenshot.png"
/usr/bin/import -window root "$shot"
echo "The menu ran; screenshot: $shot"
