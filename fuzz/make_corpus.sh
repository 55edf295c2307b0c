#!/usr/bin/env bash
# Writes the seed corpora fuzz/corpus/<target> from real files: a game of the
# ordinary build is started, played and saved, and its save, check file,
# inbox, names and play-time files, the shipped data.zip's table files and a
# small archive packed like data.zip become the seeds. Kept small: table
# files are cut to their first lines. Found crashes go to fuzz/regressions,
# never here. Usage: fuzz/make_corpus.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
cli=$build/game/crestwork-cli
seeds=$build/fuzz/fuzz_seed_tool
datagen=$build/data/cw_datagen
members=$build/data-members
for f in "$cli" "$seeds" "$datagen" "$build/game/data.zip"; do
  [ -e "$f" ] || { echo "make_corpus: $f is missing; build it first (make build)"; exit 1; }
done
corpus=$here/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A real game: started, a quarter of a year played, saved.
game=$work/game
mkdir -p "$game"
cp "$build/game/data.zip" "$game/"
"$cli" --dir "$game" --seed 42 "$here/base_game.cws" > "$work/game.log"

rm -rf "$corpus"
mkdir -p "$corpus"/{save,inbox,table,zip,highscore,names,playtime,script,language}

# save: changes to the real save (the image itself is played by the build).
"$seeds" save "$corpus/save" "$game/savegame/base.sav.tem" > /dev/null

# inbox: the first byte picks what the screen does with the letters.
inbox=$game/INbox.txt
{ printf '\x00'; cat "$inbox"; } > "$corpus/inbox/real"
{ printf '\xff'; cat "$inbox"; } > "$corpus/inbox/real-sorted-and-cleaned"
{ printf '\x49'; sed 's/;;;$//' "$inbox"; } > "$corpus/inbox/no-blank-row"
{ printf '\x41'; sed '1s/Good Luck;/Good Luck;a;b;c/' "$inbox"; } > "$corpus/inbox/semicolon-in-body"
{ printf '\x43'; sed '1s/^1979/1970/; 2s/NO/YES/' "$inbox" | tr '\n' '\r'; } > "$corpus/inbox/old-letter-cr-only"
printf '\x00' > "$corpus/inbox/empty"

# table: the first byte picks the separator (0 ";", 1 ",", 2 tab).
for f in "$members"/*; do
  name=$(basename "$f")
  sep='\x00'
  case "$name" in cw2_test.txt|cw2_text_conv.txt) sep='\x02' ;; esac
  { printf "$sep"; head -n 12 "$f"; } > "$corpus/table/$name"
done
{ printf '\x01'; head -n 12 "$members/cw2_test_people.txt"; } > "$corpus/table/people-by-comma"
printf '\x00;\r\n\r\n' > "$corpus/table/only-separators"

# zip: an archive packed as data.zip is, with the import's members cut short;
# the first byte picks unpacking all members (0) or the import's (1).
mkdir -p "$work/members"
for f in "$members"/*; do head -n 3 "$f" > "$work/members/$(basename "$f")"; done
(cd "$work/members" && "$datagen" --pack "$work/small.zip" ./* > /dev/null)
{ printf '\x01'; cat "$work/small.zip"; } > "$corpus/zip/import-members"
{ printf '\x00'; cat "$work/small.zip"; } > "$corpus/zip/all-members"
(cd "$work/members" && zip -q -X "$work/two.zip" platform_release.csv cw2_cpus.csv)
{ printf '\x00'; cat "$work/two.zip"; } > "$corpus/zip/stored-by-zip"

# hs.tmp: scores as the game encodes them.
"$seeds" highscore "$corpus/highscore" 0 7 1234 99999 > /dev/null

# Namstart.txt: the real one, and as an editor may leave it.
cp "$game/Namstart.txt" "$corpus/names/real"
sed 's/$/\r/' "$game/Namstart.txt" > "$corpus/names/crlf"
head -n 1 "$game/Namstart.txt" > "$corpus/names/player-only"
printf 'A player name far longer than twenty\nA company name far longer than twenty\n' > "$corpus/names/long"

# Cw2.tid: the first byte is the session's length in 128-second steps.
{ printf '\x01'; cat "$game/Cw2.tid"; } > "$corpus/playtime/real"
printf '\x10 3600\r\n' > "$corpus/playtime/an-hour"
printf '\x02+120\n' > "$corpus/playtime/plus-sign"
printf '\x00-5\n' > "$corpus/playtime/negative"

# Scripts: the ones the build runs and a few lines of every kind.
cp "$here/base_game.cws" "$corpus/script/base_game.cws"
cp "$here/../data/convert.cws" "$corpus/script/convert.cws"
cat > "$corpus/script/kinds.cws" <<'SCRIPT'
# a comment
new-game company="Acme Soft" player=Ann level=2   # trailing comment
develop name="Space \"Duel\"" genre=Action platforms=1 leader=4493 freelancers=2
answer ""
project 1 shares=40,30,30
key= "quoted value" plain
SCRIPT
printf 'echo "unterminated\n=value\necho a"b\n' > "$corpus/script/errors.cws"

# Language files: the start of the shipped translation, continued lines, a
# damaged file, the Windows code page with a marked-up hint, a text field.
sep=-------------------------------------------------------------------
head -c 3000 "$here/../data/lng/Deutsch.lng" > "$corpus/language/deutsch-start"
printf '%s\r\n*OBJ=Form_lng.dxButton2\r\n**Caption=Abbrechen\r\n**HINT=Wenn Sie abbrechen, startet CW2\r\nmit den englischen Texten\r\n%s\r\n%s\r\n*OBJ=Form_main.cityMap\r\n**HINT=Die Stadt\r\n%s\r\n' \
  "$sep" "$sep" "$sep" "$sep" > "$corpus/language/continued"
printf '*OBJ=F.A\n**Caption=a=b=c\nweiter\n*OBJ=F.B\n**HINT=\n\n*obj=f.a\n**Caption=zweit\n' > "$corpus/language/damaged"
printf '*OBJ=F.A\r**Caption=Gr\xfc\xdfe\r**HINT=\xef\xbb\xbf<img src=x>\r' > "$corpus/language/codepage"
printf '\xef\xbb\xbf*OBJ=F.\r\n**TEXT=x\r\n' > "$corpus/language/bom-textfield"

du -sh "$corpus"
echo "make_corpus: $(find "$corpus" -type f | wc -l) seeds in $corpus"
