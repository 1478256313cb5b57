# Sourced by the window tests that run the simulator: runs it from a copy of
# the program folder, without the logs of earlier runs, in its own settings
# folder; everything goes when the script ends. $1 is the executable; sets
# exe, tmp and XDG_CONFIG_HOME, and kills $pid at the end.
exe="$1"
tmp=$(mktemp -d)
trap 'kill -TERM "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
cp -r "$(dirname "$exe")" "$tmp/program" || exit 1
exe="$tmp/program/$(basename "$exe")"
cd "$tmp/program" || exit 1
rm -f Korvan.out Error.out
XDG_CONFIG_HOME="$tmp/config"
export XDG_CONFIG_HOME
mkdir -p "$XDG_CONFIG_HOME/korvan"
