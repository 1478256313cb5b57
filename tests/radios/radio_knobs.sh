#!/bin/sh
# The radio stack in the real window: a first run with the bundled trainer,
# clicks on the NAV 2 and COM 2 knobs, a transponder digit and the parking
# brake, then Quit from the File menu. The preferences written by Quit must
# hold the new frequencies, and the panel must show the digit and the brake
# changed. Screenshots before and after are left in $2 when it is given.
# Panel units have y up: pixel y = 600 - y on the 800 x 600 screen; the
# trainer's radio stack is not shifted.
. "$(dirname "$0")/../support/program_copy.sh"
shots="${2:-$tmp}"


first_run
kill -0 "$pid" 2>/dev/null || { echo "Korvan ended during start-up"; cat "$tmp/stderr.txt"; exit 1; }
grep -q "Trainer" Korvan.out || { echo "the trainer was not loaded"; exit 1; }
sleep 1

# One click per knob, each its own press and release; each waits until the
# panel shows its effect (a loaded machine may draw slowly, and two clicks in
# one frame would act as one).
crop() { import -window root -crop "$1" +repage -depth 8 rgb:- 2>/dev/null | md5sum; }
knob() {
  before=$(crop "$3")
  xdotool mousemove "$1" $((600 - $2)) click 1 >/dev/null 2>&1
  for i in $(seq 1 60); do
    sleep 0.25
    [ "$(crop "$3")" != "$before" ] && return 0
  done
  echo "$4 did not change on the panel"
  exit 1
}
nav2=56x14+585+398
com2=52x14+517+398
import -window root "$shots/radios_before.png"
knob 600 178 $nav2 "NAV 2 (megahertz up, 112.70)"
knob 626 178 $nav2 "NAV 2 (50 kHz up, 112.75)"
knob 534 178 $com2 "COM 2 (megahertz up, 122.00)"
knob 558 165 $com2 "COM 2 (50 kHz down, 122.95)"
knob 571 135 20x14+561+448 "the first transponder digit (up, 2)"
knob 520 12 70x16+494+580 "the parking brake"
xdotool mousemove 400 400 >/dev/null 2>&1
import -window root "$shots/radios_after.png"

xdotool mousemove 60 8 click 1 >/dev/null 2>&1
sleep 1
xdotool mousemove 70 63 click 1 >/dev/null 2>&1
for i in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$pid" 2>/dev/null; then echo "Quit did not end the program"; exit 1; fi
wait "$pid"
rc=$?
pid=
[ "$rc" -eq 0 ] || { echo "Korvan exited with status $rc"; cat "$tmp/stderr.txt"; exit 1; }

prefs="$XDG_CONFIG_HOME/korvan/Korvan 4.prf"
[ -f "$prefs" ] || { echo "no preferences written"; exit 1; }
# NAV 1, NAV 2, COM 1, COM 2 follow one another, one to a line.
tr -d '\r' <"$prefs" | awk '
  { l[NR] = $1 }
  END {
    for (i = 1; i + 3 <= NR; i++)
      if (l[i] == 11170 && l[i + 1] == 11275 && l[i + 2] == 12100 && l[i + 3] == 12295) exit 0
    exit 1
  }' || { echo "the preferences do not hold NAV 2 112.75 and COM 2 122.95"; exit 1; }
echo "NAV 2 112.75 and COM 2 122.95 saved on Quit; the transponder and the parking brake changed on the panel"
