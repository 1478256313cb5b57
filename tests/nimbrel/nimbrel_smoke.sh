#!/bin/sh
# The briefing tool started as a person would, from a program folder that
# holds a real-weather file: it reads the simulator's folders and the
# reports, runs, and quits cleanly. The folder is a copy, so the shared
# program folder keeps no weather file of the test's.
exe="$1"
src="$(cd "$(dirname "$exe")" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$exe" "$dir/"
for d in "$src"/*/; do ln -s "$d" "$dir/$(basename "$d")"; done
printf 'KSBD SA 1755 25 SCT 40 OVC 7 R- 50/45/2710G18/992\r\nKSFO SA 1750 CLR 10 60/52/2810/012\r\n' > "$dir/WORLD.RWK"
sh "$here/../support/tool_smoke.sh" "$dir/$(basename "$exe")"
