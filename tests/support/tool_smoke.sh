#!/bin/sh
# A tool started from the program folder as a person would: it starts up,
# runs, refuses a second launch and closes cleanly when the desktop closes
# it. Its own settings folder. The argument is the program; its file name
# names it in the messages.
exe="$1"
name=$(basename "$exe")
cd "$(dirname "$exe")" || exit 1
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
"$exe" &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "$name ended during start-up with status $?"; exit 1; }
timeout 10 "$exe" || { echo "second instance did not exit 0 at once"; kill -TERM "$pid"; exit 1; }
kill -TERM "$pid"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || { echo "$name exited with status $rc"; exit 1; }
echo "$name started, ran and quit cleanly"
