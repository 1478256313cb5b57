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

# 0 when the screen pixel (x, y) is lit.
lit() {
  import -window root -crop 1x1+"$1"+"$2" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' 'NR == 2 { exit !($3 + $4 + $5 > 60) }'
}

# Starts the simulator's first run (sets pid): answers the notices and picks
# the trainer from the chooser until its load log appears, then answers the
# notice that no joystick was found with Enter once it shows (a click there
# would fly the aircraft with the mouse, and one on the loaded panel would
# work a control).
first_run() {
  "$exe" 2>"$tmp/stderr.txt" &
  pid=$!
  for i in $(seq 1 90); do
    sleep 0.7
    grep -q "Trainer" Korvan.out 2>/dev/null && break
    xdotool mousemove 340 57 click 1 >/dev/null 2>&1
    sleep 0.3
    grep -q "Trainer" Korvan.out 2>/dev/null && break
    xdotool mousemove 400 400 key Return >/dev/null 2>&1
    grep -q "Trainer" Korvan.out 2>/dev/null && break
  done
  for i in $(seq 1 80); do lit 400 190 && break; sleep 0.25; done
  for i in $(seq 1 40); do lit 400 190 || break; xdotool key Return >/dev/null 2>&1; sleep 0.5; done
}
