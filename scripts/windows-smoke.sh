#!/usr/bin/env bash
# The Windows program as a player first meets it: started under Wine on a virtual screen with
# the sample card list, ALL ticked, the first card added four times with ">>", the deck saved
# with Ctrl+S. The Linux build does the same, and the two saved files must be the same bytes.
#
#   scripts/windows-smoke.sh build/windows/brelvik [build/release/brelvik] [--screenshot F]
set -euo pipefail

windows_dir=$(realpath "$1")
linux_program=$(realpath "${2:-build/release/brelvik}")
screenshot=""
if [ "${3:-}" = "--screenshot" ]; then
    screenshot=$(realpath -m "$4")
fi
repo=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
display=":$((90 + RANDOM % 400))"
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.2
done

# Clicks are given in the coordinates of a window's form, below the menu bar (MENU pixels) in
# the main window; a frame, where Wine draws one, is around them. find_window NAME WIDTH
# HEIGHT MENU finds a window of that size and where its form starts.
window=""
client_x=0
client_y=0
find_window() {
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    if [ -z "$window" ]; then
        echo "No window \"$1\" within a minute; the program said:" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
    eval "$(xdotool getwindowgeometry --shell "$window")"
    client_x=$(((WIDTH - $2) / 2))
    client_y=$((HEIGHT - $3 - client_x + $4))
}
click() {
    xdotool mousemove --window "$window" $((client_x + $1)) $((client_y + $2)) click 1
    sleep 0.5
}

# Runs one program (the command in "$@") and saves the deck at $deck_path (a Unix or a Windows
# path); leaves the program running.
drive() {
    "$@" >"$work/program.log" 2>&1 &
    program=$!
    disown "$program" # ended by kill or wineserver, without a job report
    find_window "Kestrava Deck Builder" 670 578 20
    sleep 2       # drawn, card list read
    click 20 22   # ALL, in the first filter box
    click 100 132 # the first card of the list
    click 316 157 # ">>": four copies
    xdotool key ctrl+s
    find_window "^File Save" 280 199 0
    click 138 178 # the path box
    xdotool key ctrl+a
    xdotool type --delay 20 "$deck_path"
    xdotool key Return
}

wait_for() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.2
    done
    echo "No deck was saved at $1" >&2
    return 1
}

echo "==> Linux: $linux_program"
mkdir -p "$work/home"
deck_path=$work/linux.dek
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config drive "$linux_program"
wait_for "$work/linux.dek"
kill "$program"

echo "==> Windows under Wine: $windows_dir/brelvik.exe"
export WINEPREFIX=$repo/build/windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$repo"/scripts/wine-prefix.sh "$WINEPREFIX"
deck_path="Z:$(echo "$work/windows.dek" | tr / '\\')"
drive wine "$windows_dir/brelvik.exe"
wait_for "$work/windows.dek"
# The picture once the dialog has closed and the window shows the saved deck.
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^File Save" >/dev/null || break
    sleep 0.2
done
sleep 2
if [ -n "$screenshot" ]; then
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "Kestrava Deck Builder" | head -n 1)")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
    echo "Screenshot: $screenshot"
fi
wineserver -k || true
program=""

# The deck holds the card added, four copies, in code page 932.
if ! iconv -f CP932 -t UTF-8 "$work/linux.dek" | grep -q "× 4"; then
    echo "The Linux run saved no card:" >&2
    iconv -f CP932 -t UTF-8 "$work/linux.dek" >&2
    exit 1
fi
if cmp "$work/linux.dek" "$work/windows.dek"; then
    echo "The deck saved under Wine is byte for byte the Linux one ($(wc -c <"$work/linux.dek") bytes)"
else
    echo "The decks differ:" >&2
    od -c "$work/linux.dek" | head -n 20 >&2
    od -c "$work/windows.dek" | head -n 20 >&2
    exit 1
fi
