#!/usr/bin/env bash
# The real game under a virtual X server, played with real X input: a puzzle of the sample packs
# picked and played, a piece dragged, the game left with Escape, resumed and left again, and the
# program ended with Exit; a second copy started meanwhile must end at once. Then the puzzle
# file, the settings, the session log and the screenshots are checked.
# Usage: play_e2e.sh PAVLEMIR PAVLEMIR_TOOL SAMPLE_PACKS_DIR
set -uo pipefail

readonly screen_size="1024x768"
# The gallery on a 1024 x 768 screen: four puzzle columns 225 pixels apart from x = 170, the
# first row at y = 270; the pack strip's cells 150 pixels apart from x = 50 at y = 50.
readonly puzzle_y=320                  # the middle of the first row's cells
readonly first_puzzle_x=220 second_puzzle_x=445
readonly second_pack_frame_x=190       # left edge of the frame around the second pack's cell
readonly exit_button_x=55 exit_button_y=495
readonly yellow="255,255,0"

if [[ "${1:-}" != --inside ]]; then
  if (($# != 3)); then
    echo "usage: $0 PAVLEMIR PAVLEMIR_TOOL SAMPLE_PACKS_DIR" >&2
    exit 2
  fi
  for program in xvfb-run xdotool import convert; do
    command -v "$program" >/dev/null || { echo "FAIL: $program is not installed" >&2; exit 1; }
  done
  work=$(mktemp -d "${TMPDIR:-/tmp}/pavlemir-e2e-XXXXXX")
  xvfb-run -a -s "-screen 0 ${screen_size}x24" bash "$0" --inside "$work" "$@"
  status=$?
  if ((status == 0)); then
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

# count_colour FILE WxH+X+Y COLOUR: how many pixels of the region have exactly that colour.
count_colour() {
  convert "$1" -crop "$2" +repage -fill black +opaque "rgb($3)" -fill white -opaque "rgb($3)" \
    -format "%[fx:int(mean*w*h+.5)]" info:
}

# The toolbar's time panel (bitmap 247) is at the top-left corner, away from its digits.
shows_time_panel() {
  local x y
  for x in 3 170; do
    for y in 3 28; do
      shows "$x" "$y" "$(pixel "$work/resources/bitmap-247.bmp" "$x" "$y")" || return 1
    done
  done
}

# The gallery with the second pack (the one selected at start) framed.
shows_gallery() {
  shows "$second_pack_frame_x" 100 "$yellow"
}

# The fields of a puzzle file of the first pack, as the tool prints them; the played one unless
# another is named.
info() {
  "$tool" info "$work/game/Puzzles/Abstract/${1:-Drift}.qvx"
}

# pieces JSON: "id x y" lines of the saved pieces.
pieces() {
  sed -n 's/^ *{"id": \([0-9]*\), "x": \(-\?[0-9]*\), "y": \(-\?[0-9]*\), .*/\1 \2 \3/p' <<<"$1"
}

# The ids of the saved groups, the topmost last, one group a line.
groups() {
  sed -n 's/^ *{"box": 0, "ids": \[\(.*\)\]}.*/\1/p' <<<"$1" | tr -d ','
}

played_seconds() {
  echo $(($(field "$1" hours) * 3600 + $(field "$1" minutes) * 60 + $(field "$1" seconds)))
}

mkdir -p "$work/game/Puzzles" "$work/home" "$work/tmp" "$work/shots"
chmod 700 "$work/tmp"
for pack in "$packs"/*/; do cp -r "$pack" "$work/game/Puzzles/"; done
# The settings, the single-instance lock and Qt's runtime folder are this test's own.
export HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/tmp"
# The X server, whatever platform the other tests run on.
export QT_QPA_PLATFORM=xcb
# Under the address sanitizer the leaks of the X platform's system libraries are not ours.
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$tool" resources "$work/resources" || fail "the tool did not write the bitmaps"
cd "$work/game" || exit 1

"$game" --nosplash >"$work/game.log" 2>&1 &
pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Pavlemir$' | head -1)
[[ -n "$window" ]] || fail "no Pavlemir window appeared"
wait_for "the gallery" 120 shows_gallery

# The gallery: the white title at the top left and the first puzzle framed.
shot gallery
check "the title \"Puzzle packs:\" is not shown in white" \
  test "$(count_colour "$work/shots/gallery.png" 200x32+0+0 255,255,255)" -gt 40
check "the first puzzle is not framed" \
  test "$(pixel "$work/shots/gallery.png" $((first_puzzle_x - 60)) "$puzzle_y")" == "$yellow"

# A second copy ends at once, quietly, and shows no window.
timeout 60 "$game" --nosplash >"$work/second.log" 2>&1
second_status=$?
check "the second copy ended with status $second_status instead of 0 at once" \
  test "$second_status" -eq 0
check "a second Pavlemir window is shown" \
  test "$(xdotool search --onlyvisible --name '^Pavlemir$' | wc -l)" -eq 1
check "the first copy did not survive the second one" kill -0 "$pid"

# A click moves the frame to the second puzzle.
xdotool mousemove "$second_puzzle_x" "$puzzle_y" click 1
wait_for "the frame around the clicked puzzle" 30 shows $((second_puzzle_x - 60)) "$puzzle_y" "$yellow"
shot selected
check "the first puzzle is still framed" \
  test "$(pixel "$work/shots/selected.png" $((first_puzzle_x - 60)) "$puzzle_y")" != "$yellow"

# A double click plays it: the toolbar's time panel at the top left, the side panel gone.
double_click "$second_puzzle_x" "$puzzle_y"
wait_for "the play field" 180 shows_time_panel
shot play
for point in "$exit_button_x $exit_button_y" "105 600" "300 10"; do
  read -r x y <<<"$point"
  check "the gallery still shows at $x,$y in play" \
    test "$(pixel "$work/shots/play.png" "$x" "$y")" != "$(pixel "$work/shots/gallery.png" "$x" "$y")"
done

# Escape saves the game and shows the gallery.
xdotool key Escape
wait_for "the gallery after Escape" 60 shows_gallery
first=$(info)
check "the puzzle file holds no saved game after Escape" test -n "$(pieces "$first")"

# Played again, the topmost piece is dragged; Escape saves where it went.
double_click "$second_puzzle_x" "$puzzle_y"
wait_for "the play field again" 120 shows_time_panel
declare -A startX startY
while read -r id x y; do
  startX[$id]=$x
  startY[$id]=$y
done < <(pieces "$first")
# A piece's image: its cell and the overlap of its size choice.
sizes=(126 100 80 66 54 40 30 20)
overlaps=(26 20 16 14 10 8 6 4)
choice=$(field "$first" sizeChoice)
side=$((sizes[choice] + overlaps[choice]))
# covered X Y IDS...: one of the pieces' images holds the point.
covered() {
  local x=$1 y=$2 id
  shift 2
  for id in "$@"; do
    ((x >= startX[id] && x < startX[id] + side && y >= startY[id] && y < startY[id] + side)) &&
      return 0
  done
  return 1
}
# The grabbed piece: the topmost whose middle is off the corner boxes' handles and the toolbar,
# under no piece of a group above it, and away from the piece that the double click's second
# press brought to the top.
mapfile -t stack < <(groups "$first")
grabbed=""
above=()
for ((g = ${#stack[@]} - 1; g >= 0; g--)); do
  read -ra ids <<<"${stack[g]}"
  id=${ids[0]}
  cx=$((startX[$id] + side / 2))
  cy=$((startY[$id] + side / 2))
  if ((cx > 60 && cx < 964 && cy > 100 && cy < 708)) &&
    ((cx - second_puzzle_x >= side || second_puzzle_x - cx >= side ||
      cy - puzzle_y >= side || puzzle_y - cy >= side)) &&
    ! covered "$cx" "$cy" "${above[@]}"; then
    grabbed=$id
    break
  fi
  above+=("${ids[@]}")
done
if [[ -z "$grabbed" ]]; then
  fail "no piece lies where it can be grabbed"
else
  cx=$((startX[$grabbed] + side / 2))
  cy=$((startY[$grabbed] + side / 2))
  dx=$((cx < 512 ? 200 : -200))
  dy=$((cy < 400 ? 150 : -150))
  echo "dragging piece $grabbed from ($cx, $cy) by ($dx, $dy)"
  drag "$cx" "$cy" $((cx + dx)) $((cy + dy))
  sleep 1
  shot dragged
fi
xdotool key Escape
wait_for "the gallery after the second Escape" 60 shows_gallery
second=$(info)
if [[ -n "$grabbed" ]]; then
  moved=0
  while read -r id x y; do
    ((x == startX[$id] && y == startY[$id])) && continue
    moved=$((moved + 1))
    # A drop near a neighbour snaps up to 9 pixels.
    mx=$((x - startX[$id] - dx))
    my=$((y - startY[$id] - dy))
    check "piece $id moved by ($((x - startX[$id])), $((y - startY[$id]))), not by the drag ($dx, $dy)" \
      test $((mx * mx <= 81 && my * my <= 81)) -eq 1
  done < <(pieces "$second")
  echo "the drag moved $moved piece(s)"
  check "the drag moved no piece" test "$moved" -gt 0
fi
check "the play time went back" test "$(played_seconds "$second")" -ge "$(played_seconds "$first")"

# Exit ends the program by itself with status 0.
xdotool mousemove "$exit_button_x" "$exit_button_y" click 1
end=$((SECONDS + 120))
while kill -0 "$pid" 2>/dev/null && ((SECONDS < end)); do sleep 0.5; done
if kill -0 "$pid" 2>/dev/null; then
  fail "the game did not end after Exit"
  kill "$pid"
fi
wait "$pid"
status=$?
check "the game ended with status $status" test "$status" -eq 0

# The files: the saved game kept, every puzzle still loading, the settings and one session.
check "the saved game changed at Exit" test "$(pieces "$(info)")" == "$(pieces "$second")"
unplayed=$(info Currents)
check "Exit did not write back the puzzle that was not played (its gallery cell)" \
  test "$(field "$unplayed" cellLeft),$(field "$unplayed" cellTop)" == \
  "$((first_puzzle_x - 50)),$((puzzle_y - 50))"
listing=$("$tool" check "$work/game")
check "the puzzles do not all load after the run" \
  test "$(grep -c 'pieces (' <<<"$listing")" -eq "$(find "$work/game/Puzzles" -name '*.qvx' | wc -l)"
check "another puzzle than the played one holds a saved game" \
  test "$(grep -c 'saved game' <<<"$listing")" -eq 1
settings="$HOME/.config/Brelmand/Pavlemir.conf"
check "no settings file at $settings" test -f "$settings"
for key in "Background%20Color" "Texture%20Enable" "Texture" "Last%20Path"; do
  check "the settings lack $key" grep -q "^$key=" "$settings"
done
check "the session log does not hold one begun and ended session" \
  test "$(grep -c 'BEGIN SESSION' Exception.log) $(grep -c 'END SESSION' Exception.log)" == "1 1"

echo "$((checks - failures)) passed, $failures failed"
((failures == 0))
