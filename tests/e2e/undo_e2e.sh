#!/usr/bin/env bash
# Undo and redo in the real game under a virtual X server, with real X input: a puzzle of our own
# laid out with "Edge pieces apart" from the toolbar, a piece dropped beside its neighbour so
# that they join, Ctrl+Z shows them apart again exactly as before the drop, Ctrl+Y joins them
# again, and the game saved at Escape holds the joined pair.
# Usage: undo_e2e.sh PAVLEMIR PAVLEMIR_TOOL
set -uo pipefail

readonly screen_size="1024x768"
readonly puzzle_x=220 puzzle_y=320    # the middle of the first puzzle's gallery cell
readonly arrange_x=535 arrange_y=15   # the toolbar's Arrange button
readonly play_area="1024x704+0+64"    # the field below the toolbar's row of box handles

if [[ "${1:-}" != --inside ]]; then
  if (($# != 2)); then
    echo "usage: $0 PAVLEMIR PAVLEMIR_TOOL" >&2
    exit 2
  fi
  for program in xvfb-run xdotool import compare; do
    command -v "$program" >/dev/null || { echo "FAIL: $program is not installed" >&2; exit 1; }
  done
  work=$(mktemp -d "${TMPDIR:-/tmp}/pavlemir-undo-e2e-XXXXXX")
  xvfb-run -a -s "-screen 0 ${screen_size}x24" bash "$0" --inside "$work" "$@"
  status=$?
  if ((status == 0)); then
    rm -rf "$work"
  else
    echo "the game folder, logs and screenshots are kept in $work" >&2
  fi
  exit "$status"
fi

readonly work=$2
game=$(readlink -f "$3")
tool=$(readlink -f "$4")
readonly game tool
here=$(cd "$(dirname "$0")" && pwd)
readonly here
# shellcheck source=e2e_common.sh
source "$here/e2e_common.sh"
failures=0

# differing A B: how many pixels of the play field differ between two screenshots.
differing() {
  compare -metric AE -crop "$play_area" "$work/shots/$1.png" "$work/shots/$2.png" null: 2>&1
}

# The toolbar's time panel (bitmap 247) shows at its top-left corner.
shows_time_panel() {
  import -window root -crop 8x8+2+2 +repage "$work/now.png" &&
    compare -metric AE "$work/now.png" "$work/panel.png" null: 2>/dev/null
}

# The gallery: the toolbar's Arrange button is gone from the top row.
shows_gallery() {
  ! shows_time_panel
}

info() {
  "$tool" info "$work/game/Puzzles/Own/Splash.qvx"
}

# place JSON ID: "x y" of a saved piece.
place() {
  sed -n "s/^ *{\"id\": $2, \"x\": \\(-\\?[0-9]*\\), \"y\": \\(-\\?[0-9]*\\), .*/\\1 \\2/p" <<<"$1"
}

# together JSON A B: the saved game holds pieces A and B in one group.
together() {
  sed -n 's/^ *{"box": [0-4], "ids": \[\(.*\)\]}.*/,\1,/p' <<<"$1" | tr -d ' ' |
    grep -e ",$2," | grep -q -e ",$3,"
}

mkdir -p "$work/game/Puzzles" "$work/home" "$work/tmp" "$work/shots" "$work/pictures"
chmod 700 "$work/tmp"
export HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/tmp"
export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$tool" resources "$work/resources" >/dev/null || fail "the tool did not write the bitmaps"
convert "$work/resources/bitmap-247.bmp" -crop 8x8+2+2 +repage "$work/panel.png"
# The start-up picture, 533 x 400, cut into 5 x 4 pieces of 100 pixels that do not turn.
cp "$work/resources/bitmap-216.bmp" "$work/pictures/Splash.bmp"
"$tool" pack "$work/pictures" --out "$work/game/Puzzles/Own" --choice 1 --play-area 1024x736 \
  >/dev/null || fail "the tool did not make the pack"
cd "$work/game" || exit 1

"$game" --nosplash >"$work/game.log" 2>&1 &
pid=$!
if ! timeout 120 xdotool search --sync --onlyvisible --name '^Pavlemir$' >/dev/null; then
  fail "no Pavlemir window appeared"
  exit 1
fi
sleep 2

# Played, the pieces laid apart from the toolbar's Arrange menu (its fourth item), saved.
double_click "$puzzle_x" "$puzzle_y"
wait_for "the play field" 120 shows_time_panel
xdotool mousemove "$arrange_x" "$arrange_y" click 1
sleep 1
xdotool key Down Down Down Down Return
sleep 1
xdotool key Escape
wait_for "the gallery" 60 shows_gallery
laid=$(info)
read -r x0 y0 <<<"$(place "$laid" 0)"
read -r x1 y1 <<<"$(place "$laid" 1)"
if [[ -z "${x0:-}" || -z "${x1:-}" ]]; then
  fail "the saved game holds no places of pieces 0 and 1"
  x0=0 y0=0 x1=0 y1=0
fi
echo "piece 0 at ($x0, $y0), piece 1 at ($x1, $y1)"
together "$laid" 0 1 && fail "pieces 0 and 1 were joined before the drop"

# Resumed: piece 1 dropped right of piece 0 joins it.
double_click "$puzzle_x" "$puzzle_y"
wait_for "the play field again" 120 shows_time_panel
sleep 1
shot apart
drag $((x1 + 60)) $((y1 + 60)) $((x0 + 160)) $((y0 + 60))
sleep 2
shot joined
(($(differing apart joined) > 0)) || fail "the drop changed nothing on screen"

# Ctrl+Z: the screen shows both pieces where they lay before the drop.
xdotool key ctrl+z
sleep 1
shot undone
undone=$(differing apart undone)
[[ "$undone" == 0 ]] || fail "after Ctrl+Z $undone pixels differ from the field before the drop"

# Ctrl+Y: joined again, as the drop left them.
xdotool key ctrl+y
sleep 1
shot redone
redone=$(differing joined redone)
[[ "$redone" == 0 ]] || fail "after Ctrl+Y $redone pixels differ from the field after the drop"

xdotool key Escape
wait_for "the gallery after the last Escape" 60 shows_gallery
together "$(info)" 0 1 || fail "the saved game does not hold pieces 0 and 1 joined"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "$failures failed"
((failures == 0))
