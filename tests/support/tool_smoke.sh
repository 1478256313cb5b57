#!/bin/sh
# A tool started as a person would, from some other folder than its own: it
# starts up, runs, refuses a second launch and closes cleanly when the
# desktop closes it, and keeps its log beside itself, not where it was
# started. It runs from a copy of its program folder (the data folders
# linked), so that nothing it writes lands in the build's program folder.
# Its own settings folder. The argument is the program; its file name names
# it in the messages.
name=$(basename "$1")
. "$(dirname "$0")/program_links.sh"
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere" || exit 1
XDG_CONFIG_HOME="$tmp/config"
export XDG_CONFIG_HOME
"$exe" &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "$name ended during start-up with status $?"; exit 1; }
timeout 10 "$exe" || { echo "second instance did not exit 0 at once"; kill -TERM "$pid"; exit 1; }
kill -TERM "$pid"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || { echo "$name exited with status $rc"; exit 1; }
[ -f "$tmp/program/Error.out" ] || { echo "$name wrote no Error.out beside itself"; exit 1; }
[ -z "$(ls -A "$tmp/elsewhere")" ] || { echo "$name wrote into the folder it was started from:"; ls -A "$tmp/elsewhere"; exit 1; }
echo "$name started, ran and quit cleanly"
