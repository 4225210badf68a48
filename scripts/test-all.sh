#!/usr/bin/env bash
# Sets everything up, builds both sides and runs every test: the portable core natively,
# the same under AddressSanitizer/UBSan, the fuzz targets for a bounded time, the Windows
# tests under Wine (headless, then inside a private Xvfb display), and the 32-bit build as
# a compile check. Fails when any of them fails.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/display.sh

bash scripts/setup.sh || exit 1

wineprefix=$root/build/wine-test
logs=$root/build/logs
mkdir -p "$logs"
failed_stages=()
passed=0
failed=0

count_tests() {  # adds the counts of a ctest log to the totals
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    [ -n "$line" ] || return 0
    local fails total
    fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

stage() {  # stage NAME COMMAND...: runs it, logs it, remembers a failure
    local name=$1 start=$SECONDS
    shift
    echo "=== $name"
    "$@" 2>&1 | tee "$logs/$name.log"
    local rc=${PIPESTATUS[0]}
    count_tests "$logs/$name.log"
    if [ "$rc" -ne 0 ]; then
        failed_stages+=("$name")
        echo "=== $name FAILED ($((SECONDS - start)) s)"
    else
        echo "=== $name ok ($((SECONDS - start)) s)"
    fi
}

build() {  # build PRESET
    cmake --preset "$1" >"$logs/configure-$1.log" 2>&1 || { cat "$logs/configure-$1.log"; return 1; }
    cmake --build --preset "$1"
}

headless_wine_tests() {
    stop_wine "$wineprefix"
    env -u DISPLAY ctest --preset win64
    local rc=$?
    stop_wine "$wineprefix"
    return $rc
}

display_wine_tests() {
    start_private_display 1280x1024x24 || return 1
    DISPLAY=$TAVORIN_XVFB_DISPLAY ctest --preset win64-display
    local rc=$?
    stop_wine "$wineprefix"
    stop_private_display
    return $rc
}

stage native-build build native
stage native-tests ctest --preset native
stage asan-build build native-asan
stage asan-tests ctest --preset native-asan
stage fuzz-build build fuzz
stage fuzz-runs ctest --preset fuzz
stage win64-build build win64
stage win64-tests headless_wine_tests
stage win64-display-tests display_wine_tests
stage win32-build build win32

echo
if [ ${#failed_stages[@]} -eq 0 ]; then
    echo "all stages passed ($SECONDS s)"
else
    echo "failed stages: ${failed_stages[*]} ($SECONDS s)"
fi
echo "total: $passed passed, $failed failed"
[ ${#failed_stages[@]} -eq 0 ]
