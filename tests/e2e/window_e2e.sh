#!/usr/bin/env bash
# Starts Xvfb, runs the real window and checks what a person would see and what other programs
# read from the clipboard. Every wait is bounded; Xvfb and the program are ended whatever happens.
set -uo pipefail

stowly=$1
cli=$2
for tool in Xvfb xdotool xclip compare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

passed=0
failed=0
check() { # name, then the command that must succeed
    local name=$1
    shift
    if "$@"; then
        echo "ok: $name"
        passed=$((passed + 1))
    else
        echo "FAILED: $name"
        failed=$((failed + 1))
    fi
}

# Starts the program (from a copy in its own directory when asked) and waits for its window.
start() { # executable, arguments...
    local exe=$1
    shift
    "$exe" "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --name "Укладон" 2>/dev/null | head -n 1)
    [ -n "$window" ] || { echo "FAIL: no window"; cat "$work/app.log"; return 1; }
    timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
    sleep 0.3
}

# Ends the program through its own exit command and waits for it.
quit() {
    timeout 5 xdotool key --window "$window" ctrl+q 2>/dev/null
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

# The clipboard's picture while the program still runs, as another program reads it.
clipboard_png() { # file
    for _ in $(seq 30); do
        timeout 5 xclip -selection clipboard -t image/png -o >"$1" 2>/dev/null && [ -s "$1" ] &&
            return 0
        sleep 0.1
    done
    return 1
}

same_picture() { # a.png b.png
    local differing
    differing=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [ "$differing" = "0" ] || { echo "  $differing pixels differ between $1 and $2"; return 1; }
}

key() { timeout 5 xdotool key --window "$window" --delay 30 "$@" 2>/dev/null; }
type_text() { timeout 10 xdotool type --window "$window" --delay 30 "$1" 2>/dev/null; }

# Types the three bundle fields from the first one, presses "Расчет" and double-clicks the
# picture to copy it.
type_bundle_calculate_copy() { # length width height, as typed
    type_text "$1"
    key Tab
    type_text "$2"
    key Tab
    type_text "$3"
    # From the bundle height, Tab seven times reaches "Расчет" (after the colour box).
    key Tab Tab Tab Tab Tab Tab Tab space
    sleep 0.3
    timeout 5 xdotool mousemove --window "$window" 780 300 click --repeat 2 --delay 80 1
}

# 1. A bundle on the command line: calculated at once, its picture on the clipboard.
"$cli" 600x400x300 --png "$work/cli-600.png" >/dev/null
if start "$stowly" 600x400x300; then
    check "command-line picture reaches the clipboard" clipboard_png "$work/clip-600.png"
    check "the clipboard holds the report's picture" same_picture "$work/clip-600.png" "$work/cli-600.png"
    quit
fi

# 2. Typing through the keyboard: letters, signs and separators are dropped, digits stay.
#    The typed sizes are calculated and the picture copied, then compared with the report's.
if start "$stowly"; then
    type_bundle_calculate_copy "6a0-0" "4,0.0" "3x0+0"
    check "typed sizes keep only their digits" clipboard_png "$work/clip-typed.png"
    check "the typed load is the report's load" same_picture "$work/clip-typed.png" "$work/cli-600.png"
    quit
fi

# 3. A clipboard text from another program, pasted with the context menu of a field.
"$cli" 1200x800x150 --png "$work/cli-paste.png" >/dev/null
if start "$stowly"; then
    printf '1200х800х150' | timeout 5 xclip -selection clipboard -i
    sleep 0.2
    key Menu
    sleep 0.3
    key Down Return  # "Вставить пачку, вычислить, сохранить": paste, calculate, copy the picture
    sleep 0.3
    check "pasted sizes calculate and copy" clipboard_png "$work/clip-paste.png"
    check "the pasted load is the report's load" same_picture "$work/clip-paste.png" "$work/cli-paste.png"
    quit
fi

# 4. A settings file beside a copy of the program: its values at start, written back at close.
mkdir "$work/app"
cp "$stowly" "$work/app/stowly"
printf '; planner settings\r\n[PALLETE]\r\nL=1000\r\nB=1200\r\nH=1800\r\nPH=0\r\n[OVERHANG]\r\nL=10\r\nB=20\r\n[BOX]\r\nCOLOR=clRed\r\n[EXTRA]\r\nkeep=me\r\n' >"$work/app/stowly.ini"
"$cli" 600x400x300 --settings "$work/app/stowly.ini" --png "$work/cli-settings.png" >/dev/null
if start "$work/app/stowly"; then
    # The fields now hold the file's values: a calculation shows the file's pallet.
    type_bundle_calculate_copy 600 400 300
    check "settings file values are used" clipboard_png "$work/clip-settings.png"
    check "the window calculates with the file's inputs" same_picture "$work/clip-settings.png" "$work/cli-settings.png"
    quit
    check "closing writes the settings back" grep -q "^COLOR=clRed" "$work/app/stowly.ini"
    check "unknown sections survive" grep -q "^keep=me" "$work/app/stowly.ini"
    check "all twelve keys are written" test "$(grep -c '=' "$work/app/stowly.ini")" -eq 13
fi

# 5. A bundle on the command line beside a settings file: the file is read first, so the picture
#    on the clipboard is the one for the saved pallet, overhangs and colour.
"$cli" 600x400x300 --settings "$work/app/stowly.ini" --png "$work/cli-start.png" >/dev/null
if start "$work/app/stowly" 600x400x300; then
    check "the start's picture reaches the clipboard" clipboard_png "$work/clip-start.png"
    check "the start calculates with the settings file" same_picture "$work/clip-start.png" "$work/cli-start.png"
    quit
fi

# 6. The keyboard alone: Ctrl+V in a bundle field pastes sizes with units, Enter calculates,
#    Ctrl+C copies the picture.
if start "$stowly"; then
    printf '60 см х 40 см х 30 см' | timeout 5 xclip -selection clipboard -i
    sleep 0.2
    key ctrl+v
    sleep 0.2
    key Return
    sleep 0.3
    key ctrl+c
    check "Ctrl+V, Enter and Ctrl+C put a picture on the clipboard" clipboard_png "$work/clip-keys.png"
    check "the keys calculate the pasted load" same_picture "$work/clip-keys.png" "$work/cli-600.png"
    quit
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
