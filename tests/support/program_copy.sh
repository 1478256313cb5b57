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

# The screen pixel (x, y) as "r g b".
pixel() {
  import -window root -crop 1x1+"$1"+"$2" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' 'NR == 2 { print $3 + 0, $4 + 0, $5 + 0 }'
}
# 0 while an alert is up (its grey face beside its text) or a file chooser
# (its grey frame at the top of the screen).
alert_up() { [ "$(pixel 204 300)" = "153 153 153" ]; }
chooser_up() { [ "$(pixel 245 25)" = "153 153 153" ]; }
# Alerts shown so far: each is logged on stderr as it opens.
alerts_shown() { grep -c "^Omnivar Message" "$tmp/stderr.txt" 2>/dev/null; }

# Starts the simulator's first run (sets pid): answers each alert with Enter
# once it shows and picks the trainer when the chooser shows, until the
# trainer is in (its load log) and the notice that no joystick was found is
# answered. Nothing is sent blind: a stray Enter could answer an alert before
# it is seen, and a stray click on the loaded view would fly the aircraft
# with the mouse. A loaded machine only makes this slower; the minutes are a
# guard against a hang.
first_run() {
  "$exe" 2>"$tmp/stderr.txt" &
  pid=$!
  answered=0
  guard=$(($(date +%s) + 900))
  while :; do
    kill -0 "$pid" 2>/dev/null || { echo "Korvan ended during its start"; return 1; }
    [ "$(date +%s)" -lt "$guard" ] || { echo "the first run never reached the flight"; return 1; }
    if alert_up; then
      # Logged before it is drawn: this count takes it in.
      shown=$(alerts_shown)
      xdotool mousemove 400 450 key Return >/dev/null 2>&1
      # Answered once it is gone or the next one has opened.
      while alert_up && [ "$(alerts_shown)" -le "$shown" ] && [ "$(date +%s)" -lt "$guard" ]; do sleep 0.25; done
      answered=$((answered + 1))
    elif chooser_up && ! grep -q "Trainer" Korvan.out 2>/dev/null; then
      xdotool mousemove 340 57 click 1 mousemove 400 450 >/dev/null 2>&1
      # Clicked again only if the chooser has ignored it for long.
      again=$(($(date +%s) + 30))
      while chooser_up && ! grep -q "Trainer" Korvan.out 2>/dev/null && [ "$(date +%s)" -lt "$again" ]; do
        sleep 0.25
      done
    elif grep -q "joysticks" "$tmp/stderr.txt" && [ "$answered" -ge "$(alerts_shown)" ]; then
      return 0
    fi
    sleep 0.25
  done
}
