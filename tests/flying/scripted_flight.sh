#!/bin/sh
# A whole flight in the real window, flown with keys as a person would:
# first run with the bundled trainer, parking brake off ('b'), full throttle
# (F2), rotate with the keypad yoke (keypad 2), engage the autopilot's heading
# select (its panel button), climb, throttle back (F1), glide down, land on the ground near the
# airport and stop. Each step waits on the simulator's own state, read from
# situations saved from the File menu, and is bounded by the simulator's own
# clock (its local time in those situations), never by the wall clock: a
# loaded machine only makes the flight slower. The frame-rate warning, which
# would stop the world on a slow machine, is switched off in the Warnings
# window first, as a user would. The start, the climb and the preferences
# written by Quit tell where the aircraft was: at rest, then high and turned
# to the autopilot's heading, then on the ground at rest far from its start
# (a crash would have put it back on the runway).
# Runs on a copy of the program folder in its own settings folder.
# The load log tells when the trainer is in: none may come with the copy.
. "$(dirname "$0")/../support/program_copy.sh"

keys() { xdotool key --delay 30 "$@" >/dev/null 2>&1; }
repeat() { n=$1; shift; while [ "$n" -gt 0 ]; do keys "$@"; n=$((n - 1)); done; }

# Wall-clock seconds after which a wait on the screen or a standing simulator
# counts as a hang; only a hung program comes near them.
HANG=300

# Waits until the pixel is lit ($3 = 1) or dark ($3 = 0), however slowly the
# loaded machine draws.
await() {
  until=$(($(date +%s) + HANG))
  while [ "$(date +%s)" -lt "$until" ]; do
    if lit "$1" "$2"; then [ "$3" = 1 ] && return 0; else [ "$3" = 0 ] && return 0; fi
    sleep 0.25
  done
  echo "the screen at ($1, $2) never became $3" >&2
  return 1
}
# Waits until the pixel has ($3 = 1) or has not ($3 = 0) the colour $4.
await_colour() {
  until=$(($(date +%s) + HANG))
  while [ "$(date +%s)" -lt "$until" ]; do
    if [ "$(pixel "$1" "$2")" = "$4" ]; then [ "$3" = 1 ] && return 0; else [ "$3" = 0 ] && return 0; fi
    sleep 0.25
  done
  echo "the screen at ($1, $2) never $([ "$3" = 1 ] || echo "lost" && echo "showed") $4" >&2
  return 1
}

# Settings > Warnings..., its first box ("Warn when the frame rate is too
# low") off, and the window closed by its close box. The bar's "Settings"
# title is at (166, 8), its pull-down covers (200, 22), "Warnings..." drops
# down at (170, 201); the window's grey face shows at (130, 300), the box at
# (148, 248) is bright green when on and dark when off, the close box is at
# (129, 207).
frame_warning_off() {
  xdotool mousemove 166 8 click 1 >/dev/null 2>&1
  await 200 22 1 || return 1
  xdotool mousemove 170 201 click 1 >/dev/null 2>&1
  await_colour 130 300 1 "108 108 108" || return 1
  await_colour 148 248 1 "0 153 0" || return 1
  xdotool mousemove 148 248 click 1 >/dev/null 2>&1
  await_colour 148 248 1 "0 51 0" || return 1
  xdotool mousemove 129 207 click 1 >/dev/null 2>&1
  await_colour 130 300 0 "108 108 108" || return 1
  xdotool mousemove 400 450 >/dev/null 2>&1
}

# File > Save Situation, named $1, Enter. The bar's "File" title is at pixel
# (60, 8); "Save Situation" drops down at (70, 49) and "Quit" at (70, 63).
# A lit pixel in the dark strip between the menu bar and the sky (screen
# rows 18 to 38) tells the pull-down, at (100, 22), and the save chooser's
# frame, at (245, 25).
open_file_menu() {
  xdotool mousemove 60 8 click 1 >/dev/null 2>&1
  await 100 22 1
}
save_situation() {
  open_file_menu || return 1
  xdotool mousemove 70 49 click 1 >/dev/null 2>&1
  await 245 25 1 || return 1
  repeat 14 BackSpace
  xdotool type --delay 50 "$1" >/dev/null 2>&1
  keys Return
  await 245 25 0 || return 1
  xdotool mousemove 400 450 >/dev/null 2>&1
}

# The autopilot's heading-select button on the trainer's panel: 20 x 13 at
# (497, 87) of the drawing, whose rows count up from the screen's foot.
heading_select() {
  xdotool mousemove 507 507 click 1 >/dev/null 2>&1
  xdotool mousemove 400 450 >/dev/null 2>&1
}

# The situation file named $1.
situation() { find "$tmp" -name "$1" | head -n 1; }
# The last five lines of a situation: x, z, heading, height, speed.
state() {
  f=$(situation "$1")
  [ -n "$f" ] || { echo "no $1 written" >&2; return 1; }
  tail -n 5 "$f" | tr '\n' ' '
}
# Line $2 of situation $1: the file's two header lines come first, then
# the local time (line 7, seconds of the simulator's own clock) and the
# frame-rate warning's switch (line 32).
line() { sed -n "$2p" "$(situation "$1")"; }

# Saves a situation and waits until it is written (the simulator stands
# still while the chooser is open, so its state is the state of the save;
# the file appears whole, renamed from a scratch one). Each save gets a name
# of its own ($1).
saved() {
  save_situation "$1" >&2 || return 1
  until=$(($(date +%s) + HANG))
  until [ -n "$(situation "$1")" ]; do
    [ "$(date +%s)" -lt "$until" ] || { echo "$1 was never written" >&2; return 1; }
    sleep 0.25
  done
  state "$1"
}
polls=0

# Ends the test with message $1 and the alerts the simulator showed, as one
# that stopped the world would explain a wait that ran out.
fail() {
  echo "$1"
  grep "^Omnivar Message" "$tmp/stderr.txt" | sed 's/^/alert shown: /'
  exit 1
}

# Simulated seconds from local time $1 to $2, across midnight.
sim_seconds() { awk -v a="$1" -v b="$2" 'BEGIN { d = b - a; if (d < 0) d += 86400; printf "%.1f", d }'; }

# Flies on until the simulator's own state meets an awk condition on
# x z psi y v (the start's height is y0), polling its saved situations. $1
# names the wait, $2 the condition, $3 the most simulated seconds it may
# take; the machine's speed only changes how long that is on the wall clock.
# A simulator whose clock stands still for HANG wall seconds has hung.
wait_for() {
  if [ "$polls" -gt 0 ]; then from=$(line "poll$polls.sit" 7); else from=$(line start.sit 7); fi
  ticked=$from
  stood=$(date +%s)
  while :; do
    polls=$((polls + 1))
    now=$(saved "poll$polls.sit") || fail "no situation saved during $1"
    t=$(line "poll$polls.sit" 7)
    took=$(sim_seconds "$from" "$t")
    if echo "$now" | awk -v y0="$y0" '
      function wrap(a) { while (a > 180) a -= 360; while (a < -180) a += 360; return a }
      { x = $1; z = $2; psi = $3; y = $4; v = $5; exit !('"$2"') }'; then
      last="$now"
      echo "$1: $took simulated s"
      return 0
    fi
    if awk -v a="$took" -v b="$3" 'BEGIN { exit !(a > b) }'; then
      fail "$1 not reached in $took simulated s (at most $3); last state: $now"
    fi
    if [ "$t" != "$ticked" ]; then
      ticked=$t
      stood=$(date +%s)
    elif [ $(($(date +%s) - stood)) -gt "$HANG" ]; then
      fail "the simulator's clock stood still for $HANG s during $1; last state: $now"
    fi
    sleep 2
  done
}

first_run || fail "the first run did not reach the flight"
frame_warning_off || fail "the frame-rate warning could not be switched off"
start=$(saved start.sit) || fail "the start was not saved"
[ "$(line start.sit 32)" = 0 ] || fail "the frame-rate warning is still on in the saved situation"
y0=$(echo "$start" | awk '{ print $4 }')

keys b
repeat 20 F2
wait_for "take-off speed" 'v > 27' 240
repeat 5 KP_2
wait_for "the climb" 'y - y0 > 30' 240
heading_select
wait_for "the autopilot's heading, high" 'y - y0 > 100 && wrap(psi) < 20 && wrap(psi) > -20' 300
climb="$last"
repeat 3 KP_8
repeat 18 F1
repeat 2 KP_8
# Down at the airport's height, or slowed to a roll on the hills north of it
# (no trainer flies at 12 m/s).
wait_for "the landing" 'y - y0 < 1 || v < 12' 400
keys b
wait_for "the stop" 'v < 2' 240

open_file_menu || fail "the File menu did not open for Quit"
xdotool mousemove 70 63 click 1 >/dev/null 2>&1
until=$(($(date +%s) + HANG))
while kill -0 "$pid" 2>/dev/null && [ "$(date +%s)" -lt "$until" ]; do sleep 0.5; done
if kill -0 "$pid" 2>/dev/null; then echo "Quit did not end the program"; exit 1; fi
wait "$pid"
rc=$?
pid=
[ "$rc" -eq 0 ] || { echo "Korvan exited with status $rc"; cat "$tmp/stderr.txt"; exit 1; }

end=$(state "Korvan 4.prf") || exit 1
echo "start: $start"
echo "climb: $climb"
echo "end:   $end"

echo "$start $climb $end" | awk '
function wrap(a) { while (a > 180) a -= 360; while (a < -180) a += 360; return a }
{
  x0 = $1; z0 = $2; y0 = $4; v0 = $5
  y1 = $9; psi1 = $8; v1 = $10
  x2 = $11; z2 = $12; y2 = $14; v2 = $15
  bad = 0
  if (v0 > 1) { print "not at rest at the start"; bad = 1 }
  if (y1 - y0 < 50) { print "not climbing: " y1 - y0 " m above the start"; bad = 1 }
  if (v1 < 20) { print "too slow in the climb: " v1 " m/s"; bad = 1 }
  if (wrap(psi1) > 20 || wrap(psi1) < -20) { print "the autopilot did not turn to its heading: " psi1; bad = 1 }
  # The ground round the airport rises toward the hills the glide may reach;
  # stopped below its climb, the trainer can only be standing on it.
  if (y2 >= y1 || y2 - y0 < -150) { print "not on the ground at the end: " y2 - y0 " m"; bad = 1 }
  if (v2 > 5) { print "still moving at the end: " v2 " m/s"; bad = 1 }
  d = sqrt((x2 - x0) ^ 2 + (z2 - z0) ^ 2)
  if (d < 1500) { print "ended " d " m from the start: it did not fly there"; bad = 1 }
  exit bad
}' || exit 1
echo "Took off with the keys, flew on the autopilot, landed and stopped $(echo "$start $end" | awk '{ printf "%.0f", sqrt(($6 - $1) ^ 2 + ($7 - $2) ^ 2) }') m away"
