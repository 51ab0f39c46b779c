#!/usr/bin/env bash
# kelvaron.exe under Wine on a bare X server: the title screen shows, letterboxed into the window
# after it is dragged to two other shapes; Down, Down, Z quits with exit status 0 leaving the
# highscores as they were, also with --gdi; the window's close box ends the game and saves the table
# (run at the game's size and at three times it, as the settings file in %APPDATA% asks, printing
# the updates per second held from --frame-log). A
# last game is paused for two seconds, which runs no update, and closed midway: the replay
# kelvaron.exe wrote verifies in the Linux runner, when one is given.
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
Xvfb -displayfd 5 -screen 0 2560x1800x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

start_game() {  # LOG [OPTIONS...]
  local log=$1
  shift
  wine "$exe" "$@" >"$log" 2>&1 &
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

screenshot() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/title.png"
}

# The title at the game's size: "Kelvaron" is the only blue text; its glyphs start a few pixels
# right of and below the text origin (100, 100) of the client area, which sits inside the window
# frame. Sets the frame's border and top (left = right = bottom border) and the glyphs' offset.
check_title_screen() {
  screenshot
  local blue
  blue=$(corner_of '#0000FF' "${WIDTH}x${HEIGHT}+0+0")
  [[ "$blue" =~ ^\+([0-9]+)\+([0-9]+)$ ]] || fail "title screen blank: no blue \"Kelvaron\""
  local ox=$((BASH_REMATCH[1] - 100)) oy=$((BASH_REMATCH[2] - 100))
  ((ox >= 0 && ox <= 16 && oy >= 0 && oy <= 40)) || fail "\"Kelvaron\" at $blue, not near (100,100)"
  # Capitals of the same font start at the same offset, so the other texts line up with it.
  expect_near '"Highscores" (white)' "$(corner_of '#FFFFFF' "200x25+$((ox + 410))+$((oy + 140))")" 10 10
  expect_near '"New Game" (red)' "$(corner_of '#FF0000' "200x20+$((ox + 90))+$((oy + 193))")" 10 7
  border=$(((WIDTH - 794) / 2))
  top=$((HEIGHT - 571 - border))
  glyph_x=$((ox - border))
  glyph_y=$((oy - top))
}

# The window dragged by its bottom-right corner to W x H: the title, scaled to fit whole, sits
# centred with bars where the shapes differ, so "Kelvaron" lands where the letterbox puts it.
check_letterboxed() {  # W H
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + WIDTH - 2)) $((Y + HEIGHT - 2)) mousedown 1 sleep 0.2 \
    mousemove $((X + $1 - 10)) $((Y + $2 - 10)) sleep 0.2 mousemove $((X + $1 - 2)) $((Y + $2 - 2)) \
    sleep 0.2 mouseup 1
  sleep 0.5
  screenshot
  ((WIDTH == $1 && HEIGHT == $2)) || fail "window ${WIDTH}x${HEIGHT} after the drag, not $1x$2"
  local cw=$((WIDTH - 2 * border)) ch=$((HEIGHT - top - border)) vw vh vx vy
  if ((cw * 571 > ch * 794)); then vh=$ch vw=$((ch * 794 / 571)); else vw=$cw vh=$((cw * 571 / 794)); fi
  vx=$(((cw - vw) / 2)) vy=$(((ch - vh) / 2))
  # The first screen pixel showing a game pixel, nearest neighbour: rounded up.
  local want_x=$((border + vx + ((100 + glyph_x) * vw + 793) / 794))
  local want_y=$((top + vy + ((100 + glyph_y) * vh + 570) / 571))
  local blue
  blue=$(corner_of '#0000FF' "${WIDTH}x${HEIGHT}+0+0")
  [[ "$blue" =~ ^\+([0-9]+)\+([0-9]+)$ ]] || fail "no blue \"Kelvaron\" in a ${cw}x${ch} client"
  local dx=$((BASH_REMATCH[1] - want_x)) dy=$((BASH_REMATCH[2] - want_y))
  ((dx * dx <= 4 && dy * dy <= 4)) ||
    fail "\"Kelvaron\" at $blue in a ${cw}x${ch} client, expected near +$want_x+$want_y"
  echo "letterboxed into a ${cw}x${ch} client: picture ${vw}x${vh} at +$vx+$vy"
}

# Updates per second and their spread from a --frame-log, the first second (start-up) left out.
print_rates() {  # TITLE LOG update|present
  echo "$1:"
  python3 "$here/../../scripts/frame-stats.py" "$2" --what "$3" --skip 1 | sed 's/^/  /'
}

# Run 1: Down, Down, Z chooses "Quit"; once more with --gdi, the original program.
choose_quit() {
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.3
  for key in Down Down z; do
    xdotool keydown "$key"
    sleep 0.1
    xdotool keyup "$key"
    sleep 0.2
  done
  wait_for_exit
}
if ((unpacked)); then
  cd "$(dirname "$exe")"
  [[ ! -e highscores.csv ]] || fail "a highscores.csv came with the program"
  start_game "$work/quit.log"
  check_title_screen
  choose_quit
  [[ -f highscores.csv ]] || fail "no highscores.csv beside $exe after Quit"
  echo "quit through the menu: exit 0, highscores.csv beside the program"
  exit 0
fi
# The program's settings file, which no run but the one that writes it may find.
settings=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')")/Kelvaron/settings.toml
rm -f "$settings"
printf '250000,2,1700000000\n120000,0,1690000000\n' >highscores.csv
cp highscores.csv expected.csv
start_game "$work/quit.log"
check_title_screen
check_letterboxed 1400 700  # wider than the game: bars left and right
check_letterboxed 900 1000  # taller: bars above and below
choose_quit
cmp -s highscores.csv expected.csv || fail "highscores changed by Quit: $(cat highscores.csv)"
echo "quit through the menu: exit 0, highscores intact"
start_game "$work/quit-gdi.log" --gdi
check_title_screen
choose_quit
cmp -s highscores.csv expected.csv || fail "highscores changed by Quit (--gdi): $(cat highscores.csv)"
echo "quit through the menu with --gdi: exit 0, highscores intact"

# Run 2: the close box, at the game's size and at three times it, the second asked for by the
# settings file in %APPDATA%\Kelvaron. The table comes with Windows line ends, so the saved file (the
# game writes plain line feeds) shows that it was written.
for scale in 1 3; do
  printf '250000,2,1700000000\r\n120000,0,1690000000\r\n' >highscores.csv
  scale_option=(--scale 1)
  if ((scale == 3)); then
    mkdir -p "$(dirname "$settings")"
    printf '[display]\nscale = 3\n' >"$settings"
    scale_option=()
  fi
  start_game "$work/close.log" "${scale_option[@]}" --frame-log "$work/frames-$scale.txt" \
    --present-log "$work/presents-$scale.txt"
  sleep 3
  eval "$(xdotool getwindowgeometry --shell "$window")"
  ((WIDTH >= scale * 794)) || fail "a ${WIDTH}-pixel window at scale $scale"
  rm -f "$settings"
  # The close box is the right-most caption button, just inside the frame's top-right corner.
  xdotool mousemove $((X + WIDTH - 13)) $((Y + 11)) click 1
  wait_for_exit
  cmp -s highscores.csv expected.csv || fail "highscores not saved on close: $(od -c highscores.csv)"
  echo "closed with the close box (scale $scale): exit 0, highscores saved"
  print_rates "updates at scale $scale (${WIDTH}x${HEIGHT} window)" "$work/frames-$scale.txt" update
  print_rates "presents at scale $scale" "$work/presents-$scale.txt" present
done

# Run 3: a game paused for two seconds in the middle of the fight.
rm -rf replays
start_game "$work/replay.log" --frame-log "$work/paused.txt"
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.3
xdotool keydown z
sleep 0.1
xdotool keyup z keydown z keydown Left  # "New Game", then fly left firing
sleep 1
xdotool keyup Left keyup z key p  # pause
sleep 2
xdotool key p keydown z keydown Up  # resume
sleep 1
xdotool keyup Up keyup z
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH - 13)) $((Y + 11)) click 1
wait_for_exit
# The longest stretch without an update is the pause, with none in it.
longest=$(awk 'NR > 1 { gap = $1 - last; if (gap > max) max = gap } { last = $1 } END { print max }' \
  "$work/paused.txt")
((longest >= 1900000)) || fail "an update ran during the two seconds paused (longest gap $longest us)"
echo "paused for two seconds: no update for $((longest / 1000)) ms"
replay=$(ls "$work"/replays/*.kvr 2>/dev/null | head -n1)
[[ -n "$replay" ]] || fail "no replay written by a game closed midway"
if [[ -n "$native_sim" ]]; then
  "$native_sim" --replay "$replay" || fail "the replay kelvaron.exe wrote does not verify on Linux"
  echo "a game paused and closed midway: its replay verifies in the Linux runner"
else
  echo "a game closed midway left a replay (no Linux runner given to verify it)"
fi
