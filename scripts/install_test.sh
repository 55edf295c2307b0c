#!/bin/bash
# install_test.sh BUILD_DIR [CMAKE]: installs the build into a temporary
# prefix, makes the prefix read-only and plays ten weeks with the installed
# crestwork-cli. The save, the log and the play time must land in the
# player's data folder ($XDG_DATA_HOME/crestwork, else ~/.local/share/
# crestwork), and nothing in the prefix may change.
set -euo pipefail
build=$(cd "$1" && pwd)
cmake=${2:-cmake}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/cw_install.XXXXXX")
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
prefix="$tmp/prefix with space"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" > "$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }

share="$prefix/share/crestwork"
for f in bin/crestwork bin/crestwork-cli share/crestwork/data.zip share/crestwork/gfx/dykt.his \
         share/crestwork/manual/index.html share/crestwork/snd/click.wav share/crestwork/snd/music-1980s-1.wav \
         share/crestwork/README.md share/applications/crestwork.desktop \
         share/icons/hicolor/scalable/apps/crestwork.svg share/icons/hicolor/256x256/apps/crestwork.png \
         share/icons/hicolor/48x48/apps/crestwork.png; do
    [ -s "$prefix/$f" ] || fail "$f was not installed"
done
[ -x "$prefix/bin/crestwork" ] || fail "bin/crestwork is not executable"
ls "$share"/MODS/*.cwm > /dev/null 2>&1 || fail "no mod in share/crestwork/MODS"
ls "$share"/lng/*.lng > /dev/null 2>&1 || fail "no language file in share/crestwork/lng"
desktop="$prefix/share/applications/crestwork.desktop"
grep -qx "Exec=\"$prefix/bin/crestwork\"" "$desktop" || fail "the menu entry does not start $prefix/bin/crestwork"
grep -qx "Icon=crestwork" "$desktop" || fail "the menu entry has no icon"
grep -qx "Type=Application" "$desktop" || fail "the menu entry is no application"
if command -v desktop-file-validate > /dev/null; then desktop-file-validate "$desktop" || fail "desktop-file-validate"; fi
# Nothing a game played in the build wrote is installed.
for f in savegame crestwork.log crestwork-cli.log crestwork.ini Cw2.tid hs.tmp Namstart.txt INbox.txt Test.lng; do
    [ ! -e "$share/$f" ] || fail "$f of the build's game folder was installed"
done

listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)
chmod -R a-w "$prefix"

export HOME="$tmp/home" XDG_DATA_HOME="$tmp/xdg"
mkdir -p "$HOME" "$XDG_DATA_HOME"
cd "$tmp"
# Root writes into a read-only folder anyway: where setpriv is there, the
# installed game runs as nobody, for whom the prefix really is read-only.
player=()
if [ "$(id -u)" = 0 ] && command -v setpriv > /dev/null; then
    chmod 755 "$tmp"
    chown 65534:65534 "$HOME" "$XDG_DATA_HOME"
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if "${player[@]}" touch "$share/probe" 2> /dev/null; then fail "nobody can write into the read-only prefix"; fi
fi
printf '%s\n' 'new-game company="Install Test" player="Ann"' 'next-week 10' 'save week1' 'mods' 'quit' \
    > "$tmp/week.cws"
"${player[@]}" "$prefix/bin/crestwork-cli" --seed 7 "$tmp/week.cws" > "$tmp/week.out" 2>&1 || { cat "$tmp/week.out"; fail "the installed crestwork-cli"; }
user="$XDG_DATA_HOME/crestwork"
[ -s "$user/savegame/week1.sav" ] || { cat "$tmp/week.out"; fail "no save in $user/savegame"; }
[ -s "$user/crestwork-cli.log" ] || fail "no log in $user"
if [ ${#player[@]} -gt 0 ]; then
    [ "$(stat -c %u "$user/savegame/week1.sav")" = 65534 ] || fail "the game did not run as nobody"
fi
[ -s "$user/Cw2.tid" ] || fail "no play time in $user"
grep -q "Consoles\|\.cwm\|\.CWM" "$tmp/week.out" || { cat "$tmp/week.out"; fail "the shipped mods are not listed"; }
[ "$before" = "$(listing)" ] || fail "the installed prefix changed"

# The installed game itself starts, finds its screens' files and writes its
# language template and log beside the saves.
QT_QPA_PLATFORM=offscreen "${player[@]}" "$prefix/bin/crestwork" --export-language > "$tmp/gui.out" 2>&1 \
    || { cat "$tmp/gui.out"; fail "the installed game"; }
[ -s "$user/Test.lng" ] || fail "the installed game wrote no Test.lng to $user"
[ -s "$user/crestwork.log" ] || fail "the installed game wrote no log to $user"
[ "$before" = "$(listing)" ] || fail "the installed prefix changed"

# Without XDG_DATA_HOME: ~/.local/share/crestwork; the save loads there.
unset XDG_DATA_HOME
printf '%s\n' 'new-game' 'save again' 'load again.sav' 'quit' > "$tmp/home.cws"
"${player[@]}" "$prefix/bin/crestwork-cli" --seed 8 "$tmp/home.cws" > "$tmp/home.out" 2>&1 || { cat "$tmp/home.out"; fail "the second run"; }
[ -s "$HOME/.local/share/crestwork/savegame/again.sav" ] || fail "no save in ~/.local/share/crestwork"
[ "$before" = "$(listing)" ] || fail "the installed prefix changed"
echo "installed into $prefix; saves in the player's data folder"
