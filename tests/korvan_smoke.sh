#!/bin/sh
# Starts the simulator in its program folder, lets it run frames, then closes
# it as the desktop would (SDL turns SIGTERM into a quit) and expects exit 0.
exe="$1"
cd "$(dirname "$exe")" || exit 1
rm -f Error.out
"$exe" &
pid=$!
sleep 4
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "Korvan ended during start-up with status $?"
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
[ -f Korvan.out ] || { echo "no Korvan.out written"; exit 1; }
echo "Korvan started, ran and quit cleanly"
