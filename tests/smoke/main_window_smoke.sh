#!/usr/bin/env bash
# Starts the real program under Xvfb with a project on the command line, closes
# the disclaimer and then the update reminder when the release given as the second
# argument (YYYY-MM-DD) is a year old (361 days) or no reminder otherwise, finds its
# main window by caption and the parameters dialog and diagram that opening a
# project shows, closes the dialog with Escape and the program through File, Exit,
# and expects a clean exit.
set -euo pipefail
exe=$1
release=$2
age=$(( ($(date -u +%s) - $(date -u -d "$release" +%s)) / 86400 ))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Documents"
project="$work/smoke test.VRN"
printf 'VORN_201\r\n 0 \r\nSmoke\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 0 \r\n 0 \r\n0\r\n0\r\n90\r\n270\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n' >"$project"

cat >"$work/session.sh" <<'INNER'
set -euo pipefail
exe=$1 project=$2 age=$3
"$exe" "\"$project\"" &
pid=$!
wait_for() {
    for _ in $(seq 100); do
        xdotool search --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "no window named $1"; kill $pid; exit 1
}
wait_for '^Disclaimer for VORNEXA$'
if xdotool search --name '^Program Update for ' >/dev/null 2>&1; then
    echo "the update reminder came before the disclaimer was closed"; kill $pid; exit 1
fi
xdotool key Return
if ((age >= 361)); then
    wait_for '^Program Update for VORNEXA$'
    xdotool key Return
fi
caption="Vornexa: $project"
for _ in $(seq 100); do
    if xwininfo -root -tree | grep -qF "\"$caption\""; then
        break
    fi
    sleep 0.1
done
xwininfo -root -tree | grep -F "\"$caption\"" || { echo "no window captioned $caption"; kill $pid; exit 1; }
wait_for '^Parameters$'
if xdotool search --name '^Program Update for ' >/dev/null 2>&1; then
    echo "an update reminder for a release $age days old"; kill $pid; exit 1
fi
wait_for '^View Stress Orientation$'
dialog=$(xdotool search --name '^Parameters$' | head -n 1)
xdotool windowfocus --sync "$dialog"
xdotool key Escape
for _ in $(seq 50); do
    xdotool search --name '^View Stress Orientation$' >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --name '^View Stress Orientation$' >/dev/null 2>&1; then
    echo "the diagram outlived the parameters dialog"; kill $pid; exit 1
fi
window=$(xdotool search --name "^Vornexa: " | head -n 1)
xdotool windowfocus --sync "$window"
xdotool key --window "$window" alt+f
sleep 0.3
xdotool key x
for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "the program did not close"; kill $pid; exit 1
fi
wait $pid
INNER
HOME="$work" XDG_CONFIG_HOME="$work/.config" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" "$exe" "$project" "$age"
test -f "$work/Documents/MyQELTA/VORN.INI"
echo "smoke test passed"
