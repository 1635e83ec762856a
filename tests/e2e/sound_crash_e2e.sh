#!/usr/bin/env bash
# The real game under a virtual X server with a sound server whose only output is a null sink:
# a drop that joins two pieces is heard on the sink's monitor; without the sound server the
# game runs silent and logs why; made to fault at a join, it shows "Application error", and YES
# starts the bug-report program, whose window shows the log's last session.
# Usage: sound_crash_e2e.sh PAVLEMIR PAVLEMIR_TOOL TARSOLIN SAMPLE_PACKS_DIR CONNECT_WAV
set -uo pipefail

readonly screen_size="1024x768"
# The gallery on a 1024 x 768 screen (see play_e2e.sh): the second puzzle of the first row,
# the second pack framed in yellow, and the Exit button of the side panel.
readonly puzzle_x=445 puzzle_y=320 second_pack_frame_x=190
readonly exit_button_x=55 exit_button_y=495
readonly yellow="255,255,0"

if [[ "${1:-}" != --inside ]]; then
  if (($# != 5)); then
    echo "usage: $0 PAVLEMIR PAVLEMIR_TOOL TARSOLIN SAMPLE_PACKS_DIR CONNECT_WAV" >&2
    exit 2
  fi
  for program in xvfb-run xdotool import convert pulseaudio parec pactl; do
    command -v "$program" >/dev/null || { echo "FAIL: $program is not installed" >&2; exit 1; }
  done
  work=$(mktemp -d "${TMPDIR:-/tmp}/pavlemir-sound-e2e-XXXXXX")
  xvfb-run -a -s "-screen 0 ${screen_size}x24" bash "$0" --inside "$work" \
    "$(realpath "$1")" "$(realpath "$2")" "$(realpath "$3")" "$(realpath "$4")" "$(realpath "$5")"
  status=$?
  # PAVLEMIR_E2E_KEEP keeps the folder of a run that passed, to look at its screenshots.
  if ((status == 0)) && [[ -z "${PAVLEMIR_E2E_KEEP:-}" ]]; then
    rm -rf "$work"
  else
    echo "the game folder, logs and screenshots are kept in $work" >&2
  fi
  exit "$status"
fi

readonly work=$2 game=$3 tool=$4 tarsolin=$5 packs=$6 wave=$7
here=$(cd "$(dirname "$0")" && pwd)
readonly here
# shellcheck source=e2e_common.sh
source "$here/e2e_common.sh"
failures=0
checks=0

shows_gallery() {
  shows "$second_pack_frame_x" 100 "$yellow"
}

# The toolbar's time panel (bitmap 247) at the top-left corner.
shows_time_panel() {
  shows 3 3 "$(pixel "$work/resources/bitmap-247.bmp" 3 3)" &&
    shows 170 28 "$(pixel "$work/resources/bitmap-247.bmp" 170 28)"
}

window_named() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1
}

pulse_ready() {
  pactl info >/dev/null 2>&1
}

# start_game: the game in the background, its window shown and the gallery painted.
start_game() {
  "$game" --nosplash >>"$work/game.log" 2>&1 &
  pid=$!
  wait_for "the game's window" 120 has_window '^Pavlemir$' &&
    wait_for "the gallery" 120 shows_gallery
}

play_puzzle() {
  xdotool mousemove "$puzzle_x" "$puzzle_y" click --repeat 2 --delay 80 1
  wait_for "the play field" 180 shows_time_panel
}

# end_game: Exit, and the game's status once it ended.
end_game() {
  xdotool key Escape
  wait_for "the gallery after Escape" 60 shows_gallery
  xdotool mousemove "$exit_button_x" "$exit_button_y" click 1
  wait "$pid"
}

# The pieces of the played puzzle as saved: "id x y rotation" lines, and its groups, one a line.
info() {
  "$tool" info "$work/game/Puzzles/Abstract/Drift.qvx"
}
# within SECONDS COMMAND...: polls until the command succeeds; false when it never does.
within() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS >= end)) && return 1
    sleep 0.3
  done
}

# join_pieces JSON COMMAND...: drags a loose piece onto its loose left neighbour, both unturned,
# from a place where it is on top to one where it fits exactly, until COMMAND tells that a join
# was made (a pair that still fails is given up after a few tries). False when none joined.
join_pieces() {
  local json=$1 sizes=(126 100 80 66 54 40 30 20) overlaps=(26 20 16 14 10 8 6 4) tries=0
  shift
  local choice cols cell side
  choice=$(field "$json" sizeChoice)
  cols=$(field "$json" cols)
  cell=${sizes[choice]}
  side=$((cell + overlaps[choice]))
  declare -A px py rot loose
  while read -r id x y r; do
    px[$id]=$x py[$id]=$y rot[$id]=$r
  done < <(sed -n 's/^ *{"id": \([0-9]*\), "x": \(-\?[0-9]*\), "y": \(-\?[0-9]*\), "rotation": \([0-9]*\)}.*/\1 \2 \3 \4/p' <<<"$json")
  mapfile -t stack < <(sed -n 's/^ *{"box": 0, "ids": \[\(.*\)\]}.*/\1/p' <<<"$json" | tr -d ',')
  local g above=() ids
  for ((g = ${#stack[@]} - 1; g >= 0; g--)); do
    read -ra ids <<<"${stack[g]}"
    if ((${#ids[@]} == 1)); then loose[${ids[0]}]=$g; fi
  done
  local b a cx cy tx ty covered other
  for b in "${!loose[@]}"; do
    a=$((b - 1))
    ((b % cols != 0)) && [[ -n "${loose[$a]:-}" ]] || continue
    ((rot[$a] == 0 && rot[$b] == 0)) || continue
    cx=$((px[$b] + side / 2)) cy=$((py[$b] + side / 2))
    tx=$((px[$a] + cell + side / 2)) ty=$((py[$a] + side / 2))
    ((cx > 80 && cx < 944 && cy > 120 && cy < 688 && tx > 80 && tx < 944 && ty > 120 && ty < 688)) ||
      continue
    # Nothing stacked above the grabbed piece covers the point it is grabbed at.
    covered=0
    for ((g = loose[$b] + 1; g < ${#stack[@]}; g++)); do
      for other in ${stack[g]}; do
        ((cx >= px[other] && cx < px[other] + side && cy >= py[other] && cy < py[other] + side)) &&
          covered=1
      done
    done
    ((covered)) && continue
    # The double click that opened the game pressed there too, bringing a group to the top.
    ((cx < puzzle_x - side || cx > puzzle_x + side || cy < puzzle_y - side || cy > puzzle_y + side)) ||
      continue
    echo "joining piece $b to piece $a: from ($cx, $cy) to ($tx, $ty)"
    xdotool mousemove "$cx" "$cy" mousedown 1
    sleep 0.3
    xdotool mousemove $((cx + 10)) $((cy + 10))
    sleep 0.2
    xdotool mousemove "$tx" "$ty"
    sleep 0.3
    xdotool mouseup 1
    joined="$b $a"
    within 10 "$@" && return 0
    echo "no join was seen"
    ((++tries < 4)) || return 1
  done
  return 1
}

# The loudest sample (16-bit mono) of the recording.
loudest() {
  od -An -v -td2 -w2 "$1" | awk 'BEGIN { m = 0 } { v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m }'
}

mkdir -p "$work/game/Puzzles" "$work/home" "$work/tmp" "$work/shots"
chmod 700 "$work/tmp"
for pack in "$packs"/*/; do cp -r "$pack" "$work/game/Puzzles/"; done
cp "$wave" "$work/game/Connect.wav"
cp "$tarsolin" "$work/game/tarsolin"
export HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/tmp"
export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$tool" resources "$work/resources" || fail "the tool did not write the bitmaps"
cd "$work/game" || exit 1

# 1. A sound server with a null sink: the join is heard on the sink's monitor.
pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=e2e" \
  --load=module-native-protocol-unix >"$work/pulse.log" 2>&1 &
pulse=$!
wait_for "the sound server" 30 pulse_ready
parec -d e2e.monitor --raw --format=s16le --channels=1 --rate=22050 >"$work/heard.raw" &
recorder=$!
start_game
play_puzzle
end_game
first=$(info)
start_game
play_puzzle
sleep 2
heard=0
before=$(stat -c %s "$work/heard.raw")
tail -c 8000 "$work/heard.raw" >"$work/before.raw"
silence=$(loudest "$work/before.raw")
joined=""
# heard: something loud came to the sink's monitor since the join's drag began.
heard() {
  tail -c +$((before + 1)) "$work/heard.raw" >"$work/after.raw"
  heard=$(loudest "$work/after.raw")
  ((heard > 2000))
}
check "no join was heard" join_pieces "$first" heard
shot joined
echo "loudest sample before the join $silence, after it $heard"
check "the null sink was not silent before the join ($silence)" test "$silence" -lt 100
end_game
check "the game with sound ended with status $?" test "$?" -eq 0
kill "$recorder" 2>/dev/null
check "the pieces $joined were not saved as one group" \
  grep -qE "\"ids\": \[(${joined// /, }|${joined##* }, ${joined%% *})\]" <<<"$(info)"
check "a sound failure was logged with a device present" \
  test "$(grep -c 'Error DirectSound create' Exception.log)" -eq 0

# 2. No sound server: the game runs silent and logs the one line.
kill "$pulse"
wait "$pulse" 2>/dev/null
start_game
end_game
check "the silent game ended with status $?" test "$?" -eq 0
check "the missing device was not logged once" \
  test "$(grep -c '^Error DirectSound create$' Exception.log)" -eq 1

# 3. Made to fault at the next join: the report, the question, YES, the bug-report program.
second=$(info)
export PAVLEMIR_FAULT=null
start_game
unset PAVLEMIR_FAULT
play_puzzle
sleep 2
check "no join made the game fault" join_pieces "$second" has_window '^Application error$'
sleep 0.5
shot application-error
dialog=$(window_named '^Application error$')
xdotool windowactivate --sync "$dialog" 2>/dev/null
xdotool key --window "$dialog" Return
wait_for "the bug-report program's window" 60 has_window '^Pavlemir bug report$'
sleep 1
shot bug-report
wait "$pid"
check "the game did not end with status 0 after the fault ($?)" test "$?" -eq 0
report=$(sed -n '/^Exception: /,$p' Exception.log)
check "the log lacks the access violation" grep -q '^Exception: Access violation$' <<<"$report"
check "the log's report does not end the session" \
  test "$(tail -2 Exception.log | head -1 | cut -c1-13)" == "END SESSION: "
check "the report lacks its registers" grep -q '^EBP = [0-9A-F]*$' <<<"$report"
report_window=$(window_named '^Pavlemir bug report$')
[[ -n "$report_window" ]] && xdotool windowclose "$report_window" 2>/dev/null

echo "$((checks - failures)) passed, $failures failed"
((failures == 0))
