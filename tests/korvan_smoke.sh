#!/bin/sh
# A first run of the simulator as a person would make it: answer each notice
# with Enter, pick the bundled aircraft the chooser offers, let it fly frames,
# then close it as the desktop would (SDL turns SIGTERM into a quit) and
# expect exit status 0 and the preferences saved, as Quit saves them. Runs in
# its own settings folder, from a copy of the program beside the program
# folder's data, so its logs stay out of it.
. "$(dirname "$0")/support/program_links.sh"
cd "$tmp/program" || exit 1
XDG_CONFIG_HOME="$tmp/config"
export XDG_CONFIG_HOME
"$exe" &
pid=$!
# The chooser (window 998) lists the "Aircraft" folder; its first row is at
# drawing units (340, 543), which is pixel (340, 57) on an 800 x 600 screen.
for i in 1 2 3 4 5 6 7 8 9 10; do
  sleep 0.7
  xdotool mousemove 340 57 click 1 >/dev/null 2>&1
  sleep 0.3
  xdotool mousemove 400 300 key Return >/dev/null 2>&1
done
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "Korvan ended during start-up with status $?"
  cat Error.out 2>/dev/null
  exit 1
fi
# A second launch while one runs exits at once without a window.
timeout 10 "$exe" || { echo "second instance did not exit 0 at once"; kill -TERM "$pid"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "first instance died"; exit 1; }
kill -TERM "$pid"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || { echo "Korvan exited with status $rc"; exit 1; }
[ -f Error.out ] || { echo "no Error.out written"; exit 1; }
grep -q "Trainer" Korvan.out || { echo "the bundled trainer was not loaded:"; cat Error.out; exit 1; }
prefs="$XDG_CONFIG_HOME/korvan/Korvan 4.prf"
grep -q "Trainer" "$prefs" 2>/dev/null || { echo "closing the window did not save the preferences with the aircraft"; exit 1; }
echo "Korvan started, loaded the bundled trainer, ran and quit cleanly"
