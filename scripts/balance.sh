#!/usr/bin/env bash
# The balance report: the computer player (`autoplay`) plays SEEDS seeds at
# each game level with all its habits, then the same seeds again with one
# habit left out at a time, and docs/balance.md sums up how the games went.
#
#   scripts/balance.sh [SEEDS] [BUILD_DIR]      (default 20 seeds, build/)
#
# Environment: JOBS (games played at once, default 2), AUTOPLAY_LEVEL (the
# computer's own level 1..3, default 3), WITHOUT (the habits of the "what
# wins" table, default "buildings engines research sequels console"; empty
# for none), WIN_SEEDS (the seeds 1..WIN_SEEDS of each level that table
# plays, default SEEDS), OUT (default docs/balance.md).
set -euo pipefail

seeds=${1:-20}
build=${2:-build}
jobs=${JOBS:-2}
aplevel=${AUTOPLAY_LEVEL:-3}
without=${WITHOUT-buildings engines research sequels console}
winseeds=${WIN_SEEDS:-$seeds}
root=$(cd "$(dirname "$0")/.." && pwd)
out=${OUT:-$root/docs/balance.md}
case "$build" in /*) ;; *) build=$root/$build ;; esac
cli=$build/game/crestwork-cli
data=$build/game/data.zip
[ -x "$cli" ] || { echo "balance: $cli is missing; build crestwork-cli first" >&2; exit 1; }
[ -f "$data" ] || { echo "balance: $data is missing; build cw_data first" >&2; exit 1; }

# The commit the report is made from; "+changes" when the tree differs from it.
commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)
if [ "$commit" != unknown ] && ! git -C "$root" diff --quiet HEAD -- src scripts 2>/dev/null; then
    commit="$commit+changes"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/cw_balance.XXXXXX")
trap 'rm -rf "$work"' EXIT

# One game: its own folder (saves and hs.tmp must not meet), its transcript.
# Variant "all" plays every habit; any other leaves that habit out.
play() {
    local variant=$1 level=$2 seed=$3 dir="$work/$1/L$2_S$3" no=""
    [ "$variant" = all ] || no="no=$variant"
    mkdir -p "$dir"
    cp "$data" "$dir/"
    printf 'new-game level=%s\nautosave off\nautoplay level=%s %s\n' "$level" "$aplevel" "$no" >"$dir/game.cws"
    "$cli" --dir "$dir" --seed "$seed" "$dir/game.cws" >"$dir/out.txt" 2>&1 || true
}
export -f play
export work data cli aplevel

start=$(date +%s)
for variant in all $without; do
    n=$seeds
    [ "$variant" = all ] || n=$winseeds
    for level in 1 2 3; do
        for seed in $(seq 1 "$n"); do echo "$variant $level $seed"; done
    done
done | xargs -P "$jobs" -n 3 bash -c 'play "$0" "$1" "$2"'
elapsed=$(($(date +%s) - start))

# One line per game: variant level seed ending endWeek endYear score games
# best; then "year variant level year cash staff games score platforms units".
for variant in all $without; do
    n=$seeds
    [ "$variant" = all ] || n=$winseeds
    for level in 1 2 3; do
        for seed in $(seq 1 "$n"); do
            awk -v variant="$variant" -v level="$level" -v seed="$seed" '
                /^  [0-9][0-9][0-9][0-9]: cash / {
                    line = $0; gsub(/,/, "", line); n = split(line, f, " ")
                    y = substr(f[1], 1, 4)
                    # cash C loan L staff S games released G mean score M platforms P console units U income I
                    # console income K
                    print "year", variant, level, y, f[3], f[7], f[10], f[13], f[15], f[18], f[20], f[23] + 0
                }
                /^autoplay: / {
                    line = $0; sub(/^autoplay: /, "", line)
                    ending = line; sub(/ in week .*/, "", ending)
                    week = line; sub(/.* in week /, "", week); sub(/,.*/, "", week)
                    year = line; sub(/^[^;]*, /, "", year); sub(/;.*/, "", year)
                    games = line; sub(/ released.*/, "", games); sub(/.* /, "", games)
                    best = line; sub(/.*best chart /, "", best); sub(/,.*/, "", best)
                    score = line; sub(/.*score /, "", score); sub(/,.*/, "", score)
                    gsub(/ /, "_", ending)
                    print "game", variant, level, seed, ending, week, year, score, games, best
                    found = 1
                }
                END { if (!found) print "game", variant, level, seed, "no_result", 0, 0, 0, 0, "none" }
            ' "$work/$variant/L${level}_S${seed}/out.txt"
        done
    done
done >"$work/results.txt"

{
    echo "# Balance report"
    echo
    echo "Made by \`make balance\` (\`scripts/balance.sh\`) from commit \`$commit\` on $(date -u '+%Y-%m-%d %H:%M UTC'):"
    echo "the computer player (\`autoplay level=$aplevel\`) played $seeds seeds (\`--seed 1..$seeds\`) at each game"
    echo "level, a new game with the default company value (4) and the board meetings on, to the end of the game;"
    echo "then seeds 1..$winseeds of each level once more for each habit left out (\`autoplay no=HABIT\`)."
    echo "All $(( 3 * seeds + $(echo $without | wc -w) * 3 * winseeds )) games took ${elapsed} s with $jobs at a time."
    echo
    awk -v without="$without" -v winseeds="$winseeds" '
        function median(arr, n,    i, j, t) {
            for (i = 2; i <= n; i++) for (j = i; j > 1 && arr[j - 1] > arr[j]; j--) { t = arr[j]; arr[j] = arr[j - 1]; arr[j - 1] = t }
            if (n == 0) return 0
            return n % 2 ? arr[(n + 1) / 2] : int((arr[n / 2] + arr[n / 2 + 1]) / 2)
        }
        function endings(V, L,    k, s) {
            s = ""
            for (k in kinds) if (ends[V, L, k] > 0) s = s (s == "" ? "" : ", ") ends[V, L, k] " " k
            gsub(/_/, " ", s)
            return s
        }
        function endingsW(V, L,    k, s) {
            s = ""
            for (k in kinds) if (endsw[V, L, k] > 0) s = s (s == "" ? "" : ", ") endsw[V, L, k] " " k
            gsub(/_/, " ", s)
            return s
        }
        function medianScore(V, L,    i, a) {
            for (i = 1; i <= n[V, L]; i++) a[i] = sc[V, L, i]
            return median(a, n[V, L])
        }
        $1 == "game" {
            V = $2; L = $3; k = ++n[V, L]
            if ($5 == "end_year") reached[V, L]++
            if ($4 <= winseeds) { m2 = ++nw[V, L]; scw[V, L, m2] = $8; endsw[V, L, $5]++; if ($5 == "end_year") reachedw[V, L]++ }
            ends[V, L, $5]++; kinds[$5] = 1
            sc[V, L, k] = $8; gm[V, L, k] = $9; yr[V, L, k] = $7
            if ($10 != "none" && (!((V, L) in best) || $10 + 0 < best[V, L])) best[V, L] = $10 + 0
            if (V == "all") rows[L] = rows[L] sprintf("| %s | %s | week %s, %s | %s | %s | %s |\n", $4, $5, $6, $7, $8, $9, $10)
        }
        $1 == "year" { inc[$2, $3] += $11 - $12; rel[$2, $3] += $7 }
        $1 == "year" && $2 == "all" {
            key = $3 SUBSEP $4; m = ++cn[key]
            cash[key, m] = $5; staff[key, m] = $6; games[key, m] = $7; plat[key, m] = $9; units[key, m] = $10; income[key, m] = $11
            if ($8 > 0) { scoreSum[key] += $8; scoreN[key]++ }
            unitSum[key] += $10
            if ($4 > maxYear) maxYear = $4; if (minYear == "" || $4 < minYear) minYear = $4
        }
        END {
            names[1] = "Beginner"; names[2] = "Normal"; names[3] = "Experinced"
            print "## Summary"
            print ""
            print "| game level | seeds | reach the end of 2005 | endings | median final score | median games released | sales income per game | best chart position | median last year |"
            print "|---|---|---|---|---|---|---|---|---|"
            for (L = 1; L <= 3; L++) {
                for (i = 1; i <= n["all", L]; i++) { b[i] = gm["all", L, i]; c[i] = yr["all", L, i] }
                printf "| %d (%s) | %d | %d | %s | %d | %d | %d | %s | %d |\n", L, names[L], n["all", L], reached["all", L] + 0, endings("all", L), medianScore("all", L), median(b, n["all", L]), rel["all", L] ? int(inc["all", L] / rel["all", L]) : 0, (("all", L) in best) ? best["all", L] : "none", median(c, n["all", L])
            }
            print ""
            # What stops the higher levels: the same games sell for less.
            for (L = 1; L <= 3; L++) perGame[L] = rel["all", L] ? int(inc["all", L] / rel["all", L]) : 0
            print "## What stops levels 2 and 3"
            print ""
            printf "A game of the computer player brought %d in sales at level 1, %d at level 2 (%d%%) and %d at\n", perGame[1], perGame[2], perGame[1] ? int(100 * perGame[2] / perGame[1]) : 0, perGame[3]
            printf "level 3 (%d%%), over all the games of the seeds. The rule behind it is the game level in the sales\n", perGame[1] ? int(100 * perGame[3] / perGame[1]) : 0
            print "of every title (`regionRevenue`, src/market/sales.cpp): the sales of a week are cut to 100 - 10 x level per"
            print "cent, the genre interest counts less 10 x level, and the region demand less 10 x level, so that at"
            print "level 3 a genre of interest 40 in a region of demand 50 sells 0.7/0.9 x 40/60 x 20/40 = 26 % of what it"
            print "sells at level 1. On top, the head start of 4/level points for games finished up to 1986 is 12 at"
            print "level 1, 6 at level 2 and none at level 3, the quality bar a team must beat is 20 x level higher, and"
            print "shipping a game to the three regions costs 120,000 x level. With five people and the freelancers"
            print "the wages and development cost about 1 to 1.5 million a year, more than the sales at levels 2 and 3"
            print "bring, so the company never earns the rising cash it needs to grow (offices, more people, tools), and"
            print "its games fall to the minimum score of 55 once the skill step of the era passes its small team. No habit"
            print "in the \"what wins\" table moves a level-2 or level-3 seed to 2005; only rules change that."
            print ""
            print "Growing costs more as well: every building costs a multiple of 200,000 x level, so the"
            print "next level of the headquarters, which opens the better candidates, costs 3 million at level 1 and 6 million"
            print "at level 2, more than the median cash of a level-2 company reaches in any year of its table below."
            print ""
            if (without != "") {
                print "## What wins"
                print ""
                print "Seeds 1.." winseeds " with one habit left out; each cell is the seeds that reach the end of"
                print "2005, the change against the same seeds with all habits in brackets, and the median final score."
                print ""
                print "| habits | level 1 | level 2 | level 3 |"
                print "|---|---|---|---|"
                label["all"] = "all habits"; label["buildings"] = "no buildings"; label["engines"] = "no own engines"
                label["research"] = "research at 25"; label["sequels"] = "no sequels"; label["console"] = "no console"
                nv = split("all " without, vs, " ")
                for (v = 1; v <= nv; v++) {
                    V = vs[v]; line = "| " ((V in label) ? label[V] : "no " V) " |"
                    for (L = 1; L <= 3; L++) {
                        d = reachedw[V, L] - reachedw["all", L]
                        for (i = 1; i <= nw[V, L]; i++) w2[i] = scw[V, L, i]
                        line = line sprintf(" %d/%d (%s%d), score %d |", reachedw[V, L] + 0, nw[V, L], (d >= 0 ? "+" : ""), d, median(w2, nw[V, L]))
                    }
                    print line
                }
                print ""
                print "Endings of those seeds:"
                print ""
                print "| habits | level 1 | level 2 | level 3 |"
                print "|---|---|---|---|"
                for (v = 1; v <= nv; v++) {
                    V = vs[v]
                    printf "| %s | %s | %s | %s |\n", (V in label) ? label[V] : "no " V, endingsW(V, 1), endingsW(V, 2), endingsW(V, 3)
                }
                print ""
            }
            for (L = 1; L <= 3; L++) {
                printf "## Game level %d (%s)\n\n", L, names[L]
                print "Per year over the seeds still playing at its end: the median cash, staff, games released and"
                print "platforms on the market, the mean score of the games released, and the console units sold."
                print ""
                print "| year | seeds | median cash | median sales income | median staff | median games released | mean score | median platforms | console units |"
                print "|---|---|---|---|---|---|---|---|---|"
                for (y = minYear; y <= maxYear; y++) {
                    key = L SUBSEP y
                    if (!(key in cn)) continue
                    m = cn[key]
                    for (i = 1; i <= m; i++) { d1[i] = cash[key, i]; d2[i] = staff[key, i]; d3[i] = games[key, i]; d4[i] = plat[key, i]; d5[i] = income[key, i] }
                    printf "| %d | %d | %d | %d | %d | %d | %s | %d | %s |\n", y, m, median(d1, m), median(d5, m), median(d2, m), median(d3, m), (scoreN[key] ? int(scoreSum[key] / scoreN[key]) : "-"), median(d4, m), (unitSum[key] > 0 ? unitSum[key] : "-")
                }
                print ""
                print "| seed | ending | last week | final score | games released | best chart position |"
                print "|---|---|---|---|---|---|"
                printf "%s", rows[L]
                print ""
            }
        }
    ' "$work/results.txt"
} >"$out"
echo "balance: wrote $out ($(( 3 * seeds + $(echo $without | wc -w) * 3 * winseeds )) games in ${elapsed} s)"
