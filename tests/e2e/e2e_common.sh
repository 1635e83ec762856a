# Helpers shared by the end-to-end scripts: counted checks, screenshots, waiting, pixels, mouse
# gestures. Sourced by a script that sets work (the scratch folder, with shots/ in it), failures
# and checks; has_window needs the script's own window_named.

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# check DESCRIPTION COMMAND...: counts the check, reports it when the command fails.
check() {
  local what=$1
  shift
  checks=$((checks + 1))
  "$@" || fail "$what"
}

shot() {
  import -window root "$work/shots/$1.png"
}

# wait_for DESCRIPTION SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local what=$1 limit=$2
  shift 2
  local end=$((SECONDS + limit))
  until "$@"; do
    if ((SECONDS >= end)); then
      fail "timed out after ${limit}s waiting for $what"
      shot "timeout-$(echo "$what" | tr -c 'a-z0-9' '-')"
      return 1
    fi
    sleep 0.5
  done
}

# pixel FILE X Y: "r,g,b" of the pixel.
pixel() {
  local at="p{$2,$3}"
  convert "$1" -format "%[fx:int(255*$at.r+.5)],%[fx:int(255*$at.g+.5)],%[fx:int(255*$at.b+.5)]" \
    info:
}

# shows X Y COLOUR: the screen shows that colour at the point now.
shows() {
  import -window root "$work/now.png" && [[ "$(pixel "$work/now.png" "$1" "$2")" == "$3" ]]
}

has_window() {
  [[ -n "$(window_named "$1")" ]]
}

double_click() {
  xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1
}

drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.3
  xdotool mousemove $(($1 + 10)) $(($2 + 10))
  sleep 0.2
  xdotool mousemove "$3" "$4"
  sleep 0.3
  xdotool mouseup 1
}

# field JSON NAME: a number of the header.
field() {
  sed -n "s/^  \"$2\": \\(-\\?[0-9]*\\),\$/\\1/p" <<<"$1"
}
