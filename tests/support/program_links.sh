# Sourced by the smoke tests: a copy of the program $1 in a fresh folder
# beside links to the data of its program folder (not to the other programs
# nor to logs left there), so that whatever the program writes beside itself
# stays out of the build's program folder. Sets exe (the copy) and tmp
# (removed when the script ends).
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/program"
for entry in "$(dirname "$1")"/*; do
  case "$entry" in *.out) continue ;; esac
  if [ -d "$entry" ] || [ ! -x "$entry" ]; then ln -s "$entry" "$tmp/program/$(basename "$entry")"; fi
done
exe="$tmp/program/$(basename "$1")"
cp "$1" "$exe" || exit 1
