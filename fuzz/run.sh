#!/usr/bin/env bash
# Runs each fuzz target of a fuzzing build (make fuzz) for FUZZ_SECONDS, one
# after another at the lowest priority, on a working corpus seeded from
# fuzz/corpus and fuzz/regressions. New crashes are left as crash-* files in
# BUILD/fuzz-findings/<target>; copy a fixed one into fuzz/regressions/<target>.
# Usage: fuzz/run.sh BUILD_DIR [TARGET...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd); shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(script highscore names playtime table inbox zip save)
seconds=${FUZZ_SECONDS:-60}
status=0
for t in "${targets[@]}"; do
  exe=$build/fuzz/fuzz_$t
  [ -x "$exe" ] || { echo "run: $exe is missing"; status=1; continue; }
  work=$build/fuzz-corpus/$t
  findings=$build/fuzz-findings/$t
  mkdir -p "$work" "$findings"
  # The zip and save targets read whole archives and change lists; the others
  # read short text files.
  maxlen=4096
  case "$t" in zip) maxlen=65536 ;; save) maxlen=2048 ;; esac
  echo "== fuzz_$t for ${seconds}s"
  start=$(date +%s)
  TIMEFORMAT="   cpu: %U s user + %S s system in %R s"
  time nice -n 19 "$exe" -max_total_time="$seconds" -max_len="$maxlen" -timeout=30 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/" \
    "$work" "$here/corpus/$t" $( [ -d "$here/regressions/$t" ] && echo "$here/regressions/$t" ) \
    > "$build/fuzz-findings/$t.log" 2>&1
  rc=$?
  grep -E "DONE|stat::|^Done " "$build/fuzz-findings/$t.log" | tail -8
  echo "   exit $rc after $(( $(date +%s) - start ))s; corpus $(ls "$work" | wc -l) files"
  [ $rc -eq 0 ] || { status=1; echo "   FINDING: see $build/fuzz-findings/$t.log and $findings"; }
done
exit $status
