#!/usr/bin/env bash
# The soak: GAMES whole games of the computer player on the sanitizer build,
# each saved and loaded again every four years, seeds 1..GAMES, with the
# computer's levels 1, 2, 3 in turn. Most games are at game level 1, where
# the computer lasts longest; every fifth is at level 2 or 3. Any
# AddressSanitizer or UBSan finding ends that game with an error and fails
# the soak.
#
#   scripts/soak.sh [BUILD_DIR] [GAMES]     (default build-asan, 10 games)
set -uo pipefail

build=${1:-build-asan}
games=${2:-10}
jobs=${JOBS:-2}
root=$(cd "$(dirname "$0")/.." && pwd)
case "$build" in /*) ;; *) build=$root/$build ;; esac
cli=$build/game/crestwork-cli
data=$build/game/data.zip
[ -x "$cli" ] || { echo "soak: $cli is missing; build crestwork-cli in $build first" >&2; exit 1; }
[ -f "$data" ] || { echo "soak: $data is missing; build cw_data in $build first" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/cw_soak.XXXXXX")
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

soak_one() {
    local seed=$1 level=1 dir="$work/game$1"
    [ $((seed % 5)) -eq 0 ] && level=$(( seed % 10 == 0 ? 3 : 2 ))
    mkdir -p "$dir"
    cp "$data" "$dir/"
    {
        echo "new-game level=$level"
        echo "autosave off"
        for year in 1983 1987 1991 1995 1999 2003; do
            echo "autoplay until=$year level=$(( (seed - 1) % 3 + 1 ))"
            echo "save soak"
            echo "load soak.sav"
        done
        echo "autoplay level=$(( (seed - 1) % 3 + 1 ))"
    } >"$dir/soak.cws"
    "$cli" --dir "$dir" --seed "$seed" "$dir/soak.cws" >"$dir/out.txt" 2>"$dir/err.txt"
    local rc=$?
    if [ $rc -ne 0 ] || grep -q 'runtime error\|AddressSanitizer\|LeakSanitizer' "$dir/err.txt" "$dir/out.txt"; then
        echo "soak: game $seed (level $level) FAILED with exit code $rc"
        grep -m 20 'runtime error\|ERROR\|SUMMARY\|error:' "$dir/err.txt" "$dir/out.txt"
        return 1
    fi
    echo "soak: game $seed (level $level): $(grep '^autoplay:' "$dir/out.txt" | tail -1)"
}
export -f soak_one
export work data cli

seq 1 "$games" | xargs -P "$jobs" -n 1 bash -c 'soak_one "$0"'
status=$?
[ $status -eq 0 ] && echo "soak: $games games, no findings" || echo "soak: FAILED"
exit $status
