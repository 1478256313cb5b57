#!/bin/sh
# "Report Logged Time on Exit" on, the window closed from the desktop: the
# desktop's close (a window close, then a quit) is one Quit. The logbook
# shows and waits for O.K.; only then does the run end, with status 0 and
# the preferences saved as Quit saves them. $1 is the simulator, $2 the
# helper that sends the desktop's close.
. "$(dirname "$0")/../support/program_copy.sh"
close_window="$2"

first_run || { cat "$tmp/stderr.txt"; exit 1; }
# Special (title x 280 to 322), then its item 10, y 481 to 493 in drawing
# units (pixel y 107 to 119).
xdotool mousemove 300 8 click 1 >/dev/null 2>&1
sleep 1
xdotool mousemove 300 113 click 1 mousemove 400 450 >/dev/null 2>&1
sleep 1

# The alert's face, grey (the cockpit light may dim it) where the flight was.
grey_face() {
  set -- $(pixel 204 300)
  [ "$1" = "$2" ] && [ "$2" = "$3" ] && [ "$1" -gt 60 ]
}
"$close_window" Omnivar || exit 1
for i in $(seq 1 60); do grep -q "Logbook results:" "$tmp/stderr.txt" && break; sleep 0.25; done
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "the run ended without waiting on the logbook"; exit 1; }
grep -q "Logbook results:" "$tmp/stderr.txt" || { echo "no logbook shown"; exit 1; }
grey_face || { echo "the logbook is not on the screen"; exit 1; }
import -window root "$tmp/logbook.png" 2>/dev/null && [ -n "$3" ] && cp "$tmp/logbook.png" "$3"

xdotool key Return >/dev/null 2>&1
for i in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$pid" 2>/dev/null; then echo "O.K. on the logbook did not end the run"; exit 1; fi
wait "$pid"
rc=$?
pid=
[ "$rc" -eq 0 ] || { echo "Korvan exited with status $rc"; exit 1; }
grep -q "Trainer" "$XDG_CONFIG_HOME/korvan/Korvan 4.prf" 2>/dev/null || { echo "the preferences were not saved"; exit 1; }
echo "closed from the desktop: the logbook showed and waited for O.K., the preferences were saved"
