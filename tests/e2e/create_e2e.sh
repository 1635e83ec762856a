#!/usr/bin/env bash
# The real game under a virtual X server, worked with real X input: a puzzle created from a
# picture in a folder of its own through the picture chooser, the options and the name dialog,
# played and left, renamed and removed, with the files on disk checked after each step and a
# screenshot of every dialog kept.
# Usage: create_e2e.sh PAVLEMIR PAVLEMIR_TOOL SAMPLE_PACKS_DIR [SHOTS_DIR]
set -uo pipefail

readonly screen_size="1024x768"
# The side panel's buttons (x = 10..100, below the pack strip) and the first puzzle cell.
readonly button_x=55 rename_y=325 create_y=363 remove_y=401 about_y=467 exit_y=495
readonly puzzle_x=220 puzzle_y=320

if [[ "${1:-}" != --inside ]]; then
  if (($# < 3)); then
    echo "usage: $0 PAVLEMIR PAVLEMIR_TOOL SAMPLE_PACKS_DIR [SHOTS_DIR]" >&2
    exit 2
  fi
  for program in xvfb-run xdotool import convert; do
    command -v "$program" >/dev/null || { echo "FAIL: $program is not installed" >&2; exit 1; }
  done
  work=$(mktemp -d "${TMPDIR:-/tmp}/pavlemir-create-XXXXXX")
  # The game runs in a folder of its own.
  set -- "$(realpath "$1")" "$(realpath "$2")" "$(realpath "$3")" "${@:4}"
  xvfb-run -a -s "-screen 0 ${screen_size}x24" bash "$0" --inside "$work" "$@"
  status=$?
  if ((status == 0)) && [[ -z "${4:-}" ]]; then
    rm -rf "$work"
  else
    echo "the game folder, logs and screenshots are kept in $work" >&2
  fi
  exit "$status"
fi

readonly work=$2 game=$3 tool=$4 packs=$5
here=$(cd "$(dirname "$0")" && pwd)
readonly here
# shellcheck source=e2e_common.sh
source "$here/e2e_common.sh"
failures=0
checks=0

# The id of the visible window with exactly this title, or nothing.
window_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}

no_window() {
  [[ -z "$(window_named "$1")" ]]
}

# The main window and a message box share the program's title.
two_windows_named() {
  (($(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l) == 2))
}

one_window_named() {
  (($(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l) == 1))
}

# click_in TITLE X Y: a click at a point of the window's client area.
click_in() {
  local id x y
  id=$(window_named "$1")
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

# Saved game pieces of a puzzle file, as the tool prints them.
saved_pieces() {
  "$tool" info "$1" | grep -c '"id":'
}

mkdir -p "$work/game/Puzzles" "$work/home" "$work/tmp" "$work/shots" "$work/pictures"
chmod 700 "$work/tmp"
for pack in "$packs"/*/; do cp -r "$pack" "$work/game/Puzzles/"; done
readonly user="$work/game/Puzzles/User"
convert -size 640x480 gradient:orange-navy -swirl 120 "$work/pictures/harbour.view.jpg" ||
  fail "the picture was not made"
export HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/tmp"
export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
cd "$work/game" || exit 1
before=$(find "$user" -name '*.qvx' 2>/dev/null | wc -l)

"$game" --nosplash >"$work/game.log" 2>&1 &
pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Pavlemir$' | head -1)
[[ -n "$window" ]] || fail "no Pavlemir window appeared"
sleep 3

# Create: the chooser opens; the picture's folder is typed into its file name box, then the
# picture's name, which the preview shows with its size.
xdotool mousemove "$button_x" "$create_y" click 1
wait_for "the picture chooser" 30 has_window Open
sleep 1
xdotool type --delay 20 "$work/pictures/"
xdotool key Return
sleep 1
xdotool type --delay 20 "harbour.view.jpg"
sleep 1
shot chooser
# Preview (at the top right of the chooser) shows the picture at 1:1 in a window of its own;
# the first click (on the "Look in" label) closes the name box's completion list.
click_in Open 20 21
sleep 0.5
click_in Open 798 21
wait_for "the Preview window" 30 has_window Preview
sleep 0.5
shot preview
xdotool key Escape
wait_for "the Preview window to close" 30 no_window Preview
xdotool key Return
wait_for "the options dialog" 30 has_window "Puzzle Options"
sleep 0.5
shot options
# The sixth choice (40-pixel pieces), then OK.
click_in "Puzzle Options" 40 $((30 + 5 * 22 + 11))
click_in "Puzzle Options" 105 $((320 - 56 + 11))
wait_for "the name dialog" 30 has_window "Name of Puzzle"
sleep 0.5
shot name
# The whole name is selected: typing replaces it.
xdotool type --delay 20 "Harbour"
xdotool key Return
wait_for "the dialogs to close" 30 no_window "Name of Puzzle"
sleep 1
shot created
check "Create wrote no Harbour.qvx" test -f "$user/Harbour.qvx"
check "the user pack does not hold one puzzle more" \
  test "$(find "$user" -name '*.qvx' | wc -l)" -eq $((before + 1))
check "the new puzzle holds a saved game" test "$(saved_pieces "$user/Harbour.qvx")" -eq 0
check "the puzzle file does not begin with the picture" \
  cmp -s -n "$(stat -c %s "$work/pictures/harbour.view.jpg")" "$work/pictures/harbour.view.jpg" \
  "$user/Harbour.qvx"

# Played: the new puzzle is the first of the user pack, which is shown.
xdotool mousemove "$puzzle_x" "$puzzle_y" click --repeat 2 --delay 80 1
sleep 4
shot play
xdotool key Escape
sleep 3
check "leaving the game saved no pieces" test "$(saved_pieces "$user/Harbour.qvx")" -eq 192

# Played again: the topmost piece (40-pixel cells, 48-pixel images) is dragged away, and Escape
# saves where it went.
info=$("$tool" info "$user/Harbour.qvx")
top=$(sed -n 's/^ *{"box": 0, "ids": \[\([0-9]*\).*/\1/p' <<<"$info" | tail -1)
piece_at() {
  sed -n "s/^ *{\"id\": $1, \"x\": \(-\?[0-9]*\), \"y\": \(-\?[0-9]*\),.*/\1 \2/p" <<<"$2"
}
read -r px py < <(piece_at "$top" "$info")
cx=$((px + 24)) cy=$((py + 24))
xdotool mousemove "$puzzle_x" "$puzzle_y" click --repeat 2 --delay 80 1
sleep 4
if ((cx > 60 && cx < 964 && cy > 100 && cy < 708)); then
  dx=$((cx < 512 ? 200 : -200)) dy=$((cy < 400 ? 150 : -150))
  xdotool mousemove "$cx" "$cy" mousedown 1
  sleep 0.3
  xdotool mousemove $((cx + 10)) $((cy + 10))
  sleep 0.2
  xdotool mousemove $((cx + dx)) $((cy + dy))
  sleep 0.3
  xdotool mouseup 1
  sleep 1
  shot dragged
  xdotool key Escape
  sleep 3
  read -r qx qy < <(piece_at "$top" "$("$tool" info "$user/Harbour.qvx")")
  mx=$((qx - px - dx)) my=$((qy - py - dy))
  check "piece $top moved by ($((qx - px)), $((qy - py))), not by the drag ($dx, $dy)" \
    test $((mx * mx <= 81 && my * my <= 81)) -eq 1
else
  echo "the topmost piece lies under a corner box or the toolbar: not dragged"
  xdotool key Escape
  sleep 3
fi

# Rename: a name no file can carry is refused and the dialog stays open.
xdotool mousemove "$button_x" "$rename_y" click 1
wait_for "the name dialog of Rename" 30 has_window "Name of Puzzle"
sleep 0.5
shot rename
xdotool type --delay 20 "Old/Harbour"
xdotool key Return
wait_for "the refusal" 30 two_windows_named Pavlemir
sleep 0.5
shot refused
xdotool key Return
wait_for "the refusal to close" 30 one_window_named Pavlemir
check "the name dialog closed after a refused name" has_window "Name of Puzzle"
xdotool type --delay 20 "Old Harbour"
xdotool key Return
wait_for "the name dialog to close" 30 no_window "Name of Puzzle"
sleep 1
check "Rename left Harbour.qvx" test ! -e "$user/Harbour.qvx"
check "Rename made no Old Harbour.qvx" test -f "$user/Old Harbour.qvx"

# Remove, answered Yes.
xdotool mousemove "$button_x" "$remove_y" click 1
wait_for "the question of Remove" 30 two_windows_named Pavlemir
sleep 0.5
shot remove
xdotool key Return
wait_for "the question to close" 30 one_window_named Pavlemir
sleep 1
check "Remove left Old Harbour.qvx" test ! -e "$user/Old Harbour.qvx"
check "the user pack does not hold as many puzzles as before" \
  test "$(find "$user" -name '*.qvx' | wc -l)" -eq "$before"
shot removed

# About.
xdotool mousemove "$button_x" "$about_y" click 1
wait_for "the About dialog" 30 has_window "About Pavlemir"
sleep 0.5
shot about
xdotool key Escape
wait_for "the About dialog to close" 30 no_window "About Pavlemir"

# Exit, and the folder the chooser opened in is kept.
xdotool mousemove "$button_x" "$exit_y" click 1
end=$((SECONDS + 120))
while kill -0 "$pid" 2>/dev/null && ((SECONDS < end)); do sleep 0.5; done
if kill -0 "$pid" 2>/dev/null; then
  fail "the game did not end after Exit"
  kill "$pid"
fi
wait "$pid"
status=$?
check "the game ended with status $status" test "$status" -eq 0
check "Last Path is not the picture's folder" \
  grep -qF "Last%20Path=@String($work/pictures\0)" "$HOME/.config/Brelmand/Pavlemir.conf"
check "no file of a replacement is left" test -z "$(find "$user" -name '.*')"

echo "$((checks - failures)) passed, $failures failed"
((failures == 0))
