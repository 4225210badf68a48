#!/usr/bin/env bash
# Creates a private Wine prefix for Tavorin's tests and runs, once; later calls return at
# once. Usage: wine-prefix.sh PREFIX
#
# The prefix gets: the fonts the program names (MS Sans Serif, Tahoma, Symbol from Debian's
# fonts-wine; Arial, Times New Roman, Courier New mapped to the Liberation faces), Wine's
# null display driver when DISPLAY is unset, and unmanaged X windows (the managed mode
# stalls every DestroyWindow of a top-level window for two seconds).
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
ready="$prefix/.tavorin-ready"
[ -f "$ready" ] && exit 0

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

lock="$prefix.lock"
exec 9>"$lock"
flock 9
# Whatever Wine starts from here inherits no lock descriptor (it would hold the lock for
# as long as the wine server lives and hang the next caller).
run() { "$@" 9>&-; }

if [ ! -f "$ready" ]; then
    echo "wine-prefix: creating $prefix" >&2
    rm -rf "$prefix"
    (unset DISPLAY; run "$wine" wineboot --init >/dev/null 2>&1 || true)
    run "$wineserver" -w
    [ -f "$prefix/system.reg" ] || { echo "wine-prefix: wineboot failed" >&2; exit 1; }

    fonts="$prefix/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/* "$fonts"/ 2>/dev/null || true
    cp /usr/share/fonts/truetype/liberation/*.ttf "$fonts"/ 2>/dev/null || true

    reg=$(mktemp --suffix=.reg)
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="x11,null"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    (unset DISPLAY; run "$wine" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1)
    rm -f "$reg"
    run "$wineserver" -k 2>/dev/null || true
    run "$wineserver" -w
    grep -q '"Graphics"="x11,null"' "$prefix/user.reg" || { echo "wine-prefix: registry settings missing" >&2; exit 1; }
    touch "$ready"
fi
