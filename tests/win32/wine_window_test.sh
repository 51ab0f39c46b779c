#!/usr/bin/env bash
# kelvaron.exe under Wine on a bare X server: the title screen shows, Down, Down, Z quits with exit
# status 0 leaving the highscores as they were, and the window's close box ends the game and saves
# the table. The second run also logs frame times and prints the frame rate. A third plays a short
# game and closes the window midway: the replay kelvaron.exe wrote verifies in the Linux runner,
# when one is given.
# With --unpacked, only the first run, started in the program's own folder as a player starts it
# from the zip, with no table yet: Quit leaves a highscores.csv beside kelvaron.exe.
# Usage: wine_window_test.sh [--unpacked] KELVARON_EXE WORK_DIR WINE_PREFIX [NATIVE_SIM]
set -euo pipefail

unpacked=0
if [[ "$1" == "--unpacked" ]]; then
  unpacked=1
  shift
fi
exe=$(realpath "$1")
work=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-prefix.sh" "$3"
native_sim=${4:+$(realpath "$4")}
im_convert=/usr/bin/convert  # ImageMagick's own, whatever else is on the PATH

rm -rf "$work"
mkdir -p "$work"
cd "$work"

xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A private X server on the first free display number.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

start_game() {
  local log=$1
  wine "$exe" >"$log" 2>&1 &
  game_pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Kelvaron$' 2>/dev/null | head -n1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || fail "no Kelvaron window appeared"
  sleep 1.5  # a good number of frames
}

wait_for_exit() {
  local status=0
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
  wait "$game_pid" || status=$?
  game_pid=""
  [[ $status -eq 0 ]] || fail "exit status $status"
}

# Top-left corner "+X+Y" of the pixels of one colour inside a region (WxH+X+Y) of the screenshot.
corner_of() {
  local colour=$1 region=$2
  "$im_convert" "$work/title.png" -crop "$region" +repage -fill black +opaque "$colour" \
    -format '%@' info: | sed 's/^[0-9]*x[0-9]*//'
}

expect_near() {
  local what=$1 got=$2 want_x=$3 want_y=$4
  [[ "$got" =~ ^\+([0-9]+)\+([0-9]+)$ ]] || fail "$what not found"
  local dx=$((BASH_REMATCH[1] - want_x)) dy=$((BASH_REMATCH[2] - want_y))
  ((dx * dx <= 1 && dy * dy <= 1)) || fail "$what at $got, expected near +$want_x+$want_y"
}

check_title_screen() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/title.png"
  # "Kelvaron" is the only blue text; its glyphs start a few pixels right of and below the text
  # origin (100, 100) of the client area, which sits inside the window frame.
  local blue
  blue=$(corner_of '#0000FF' "${WIDTH}x${HEIGHT}+0+0")
  [[ "$blue" =~ ^\+([0-9]+)\+([0-9]+)$ ]] || fail "title screen blank: no blue \"Kelvaron\""
  local ox=$((BASH_REMATCH[1] - 100)) oy=$((BASH_REMATCH[2] - 100))
  ((ox >= 0 && ox <= 16 && oy >= 0 && oy <= 40)) || fail "\"Kelvaron\" at $blue, not near (100,100)"
  # Capitals of the same font start at the same offset, so the other texts line up with it.
  expect_near '"Highscores" (white)' "$(corner_of '#FFFFFF' "200x25+$((ox + 410))+$((oy + 140))")" 10 10
  expect_near '"New Game" (red)' "$(corner_of '#FF0000' "200x20+$((ox + 90))+$((oy + 193))")" 10 7
}

# Run 1: Down, Down, Z chooses "Quit".
if ((unpacked)); then
  cd "$(dirname "$exe")"
  [[ ! -e highscores.csv ]] || fail "a highscores.csv came with the program"
else
  printf '250000,2,1700000000\n120000,0,1690000000\n' >highscores.csv
  cp highscores.csv expected.csv
fi
start_game "$work/quit.log"
check_title_screen
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.3
for key in Down Down z; do
  xdotool keydown "$key"
  sleep 0.1
  xdotool keyup "$key"
  sleep 0.2
done
wait_for_exit
if ((unpacked)); then
  [[ -f highscores.csv ]] || fail "no highscores.csv beside $exe after Quit"
  echo "quit through the menu: exit 0, highscores.csv beside the program"
  exit 0
fi
cmp -s highscores.csv expected.csv || fail "highscores changed by Quit: $(cat highscores.csv)"
echo "quit through the menu: exit 0, highscores intact"

# Run 2: the close box. The table comes with Windows line ends, so the saved file (the game writes
# plain line feeds) shows that it was written.
printf '250000,2,1700000000\r\n120000,0,1690000000\r\n' >highscores.csv
export KELVARON_FRAME_LOG="$work/frames.txt"
start_game "$work/close.log"
sleep 3
eval "$(xdotool getwindowgeometry --shell "$window")"
# The close box is the right-most caption button, just inside the frame's top-right corner.
xdotool mousemove $((X + WIDTH - 13)) $((Y + 11)) click 1
wait_for_exit
unset KELVARON_FRAME_LOG
cmp -s highscores.csv expected.csv || fail "highscores not saved on close: $(od -c highscores.csv)"
echo "closed with the close box: exit 0, highscores saved"

# Frame intervals in milliseconds, leaving out the first second (start-up), sorted for the p99.
awk 'NR == 1 { f = $1; next } { t = $1 * 1000.0 / f; if (NR > 2) print t - last; last = t }' \
  "$work/frames.txt" | tail -n +101 | sort -n |
  awk '{ v[++m] = $1; s += $1; q += $1 * $1 }
       END {
         if (m < 10) { print "frames: too few to measure"; exit }
         mean = s / m; sd = sqrt(q / m - mean * mean)
         printf "frames: %d intervals, %.1f frames/s; interval mean %.2f ms, stddev %.2f ms, min %.2f ms, max %.2f ms, p99 %.2f ms\n",
                m, 1000 / mean, mean, sd, v[1], v[m], v[int(0.99 * m)]
       }'

rm -rf replays
start_game "$work/replay.log"
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.3
xdotool keydown z
sleep 0.1
xdotool keyup z keydown z keydown Left  # "New Game", then fly left firing
sleep 1
xdotool keyup Left keydown Up
sleep 1
xdotool keyup Up keyup z
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH - 13)) $((Y + 11)) click 1
wait_for_exit
replay=$(ls "$work"/replays/*.kvr 2>/dev/null | head -n1)
[[ -n "$replay" ]] || fail "no replay written by a game closed midway"
if [[ -n "$native_sim" ]]; then
  "$native_sim" --replay "$replay" || fail "the replay kelvaron.exe wrote does not verify on Linux"
  echo "a game closed midway: its replay verifies in the Linux runner"
else
  echo "a game closed midway left a replay (no Linux runner given to verify it)"
fi
