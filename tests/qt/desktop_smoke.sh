#!/usr/bin/env bash
# Runs the built program on a virtual X server under a window manager and drives
# it from outside with real input events: the menus open by Alt+letter, typing
# and the editing keys in the search box, switching the operation, and 終了, which
# must end the program within 2 seconds in every one of 20 rounds. What happened
# is read from outside: the window list, the clipboard, the process, screenshots.
# Usage: desktop_smoke.sh PLYFIX_EXECUTABLE [SCREENSHOT_FOLDER]
# Exits 77 (skipped) when there is no Xvfb to run on.
set -euo pipefail

program=$(realpath "$1")
shots=$(realpath "${2:-.}")
readonly rounds=20
# The main window's client height as designed; clicks are placed in design
# coordinates from the client area's top-left corner.
readonly client_height=324

if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is not installed: skipped"
  exit 77
fi

work=$(mktemp -d)
helpers=()
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/desktop-smoke-failure.png" 2>/dev/null || true
  exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Runs the command until it succeeds, for at most $1 milliseconds.
wait_for() {
  local deadline=$(($(now_ms) + $1))
  shift
  until "$@"; do
    [ "$(now_ms)" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# A clean environment: the program's own X server, no desktop session, a home
# and runtime folder of its own.
mkdir -p "$work/home" "$work/app"
mkdir -m 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XDG_CONFIG_HOME SESSION_MANAGER

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
helpers+=($!)
wait_for 10000 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
helpers+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10000 wm_ready || fail "openbox did not start: $(cat "$work/openbox.log")"

# A copy of the executable: its folder is the program's data folder, so the
# settings and the log it writes stay in the temporary folder.
cp "$program" "$work/app/plyfix"

# The program's visible windows but tooltips: its two windows, and any menu
# that is open.
app_windows() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    if [ "$window" = "${main:-}" ] || [ "$window" = "${log:-}" ] ||
      ! xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP; then
      echo "$window"
    fi
  done
}
windows_are() { [ "$(app_windows | wc -l)" -eq "$1" ]; }
menu_open() { windows_are 3; }
menu_closed() { windows_are 2; }
find_window() {
  found=$(xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null | head -n1)
  [ -n "$found" ]
}

active_window() { xdotool getactivewindow 2>/dev/null || true; }
is_active() { [ "$(active_window)" = "$1" ]; }
# Activates a window, again and again until it stays the active one: the
# program may still be activating its other window.
activate_once() {
  xdotool windowactivate "$1" 2>/dev/null || true
  wait_for 500 is_active "$1" || return 1
  sleep 0.1
  is_active "$1"
}
activate() { wait_for 3000 activate_once "$1" || fail "window $1 does not become active"; }
app_is_active() { is_active "$main" || is_active "$log"; }

# Starts the program and waits for its two windows (the main window and the log), one of them active; sets
# main and log.
start_program() {
  main= log=
  "$work/app/plyfix" >>"$work/plyfix.log" 2>&1 &
  app=$!
  wait_for 10000 find_window '^Plyfix ver' || fail "no main window: $(cat "$work/plyfix.log")"
  main=$found
  wait_for 5000 windows_are 2 || fail "no log window"
  log=$(app_windows | grep -vx "$main")
  wait_for 3000 app_is_active || fail "neither window became active"
  eval "$(xwininfo -id "$main" | awk -F: '
    /Absolute upper-left X/ {print "wx=" $2+0} /Absolute upper-left Y/ {print "wy=" $2+0}
    /Width/ {print "ww=" $2+0} /Height/ {print "wh=" $2+0}')"
}

# Clicks at design coordinates of the main window's client area.
click_at() {
  xdotool mousemove $((wx + $1)) $((wy + wh - client_height + $2)) click 1
}

# Opens a menu of the main window by its Alt+letter, sees its popup, closes it.
check_menu() {
  xdotool key "alt+$1"
  wait_for 3000 menu_open || fail "Alt+$1 opened no menu"
  xdotool key Escape
  wait_for 3000 menu_closed || fail "Esc did not close the menu of Alt+$1"
  xdotool key Escape
}

clipboard_is() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
# Selects everything in the focused text box, copies it and compares.
check_text() {
  xdotool key ctrl+a ctrl+c
  wait_for 3000 clipboard_is "$1" ||
    fail "$2: the text box holds '$(xclip -selection clipboard -o 2>/dev/null)', not '$1'"
}

# Chooses 終了: from the keyboard with the main window active, or with the mouse
# on the menu bar while the log window has the focus.
choose_exit() {
  if [ $(($1 % 2)) -eq 0 ]; then
    activate "$main"
    xdotool key alt+f
  else
    activate "$log"
    click_at 25 -$((wh - client_height - 8))
  fi
  wait_for 3000 menu_open || fail "round $1: the file menu did not open"
  xdotool key x
}

gone() { ! kill -0 "$app" 2>/dev/null; }

ends_within_2s() {
  local round=$1
  wait_for 2000 gone ||
    fail "round $round: still running 2 s after 終了; windows: $(app_windows | wc -l)"
  local status=0
  wait "$app" || status=$?
  app=
  [ "$status" -eq 0 ] || fail "round $round: exit status $status"
  [ -z "$(xdotool search --onlyvisible --name '^Plyfix' 2>/dev/null)" ] ||
    fail "round $round: a window is left after 終了"
}

# Round 1: menus, the search box and the operation, then 終了.
start_program
activate "$main"
for letter in f e s h; do check_menu "$letter"; done

click_at 260 118 # the search box
xdotool type --delay 5 'hello world'
xdotool key Home Delete End BackSpace
check_text 'ello worl' 'Home, Del, End, BackSpace'
xdotool key End ctrl+v
check_text 'ello worlello worl' 'End, Ctrl+V'
xdotool key ctrl+a Delete End
xdotool type --delay 5 'abc'
check_text 'abc' 'Ctrl+A, Del'
xdotool key Home shift+End ctrl+x End
xdotool type --delay 5 'xyz'
check_text 'xyz' 'Ctrl+X'
import -window root "$shots/desktop-smoke.png"
[ "$(identify -format %k "$shots/desktop-smoke.png")" -gt 16 ] ||
  fail "the screenshot shows no rendered window"

click_at 217 63 # 置換
click_at 260 162 # the replacement box, shown only for 置換
xdotool type --delay 5 'new'
check_text 'new' 'the replacement box after switching to 置換'

choose_exit 1
ends_within_2s 1

for round in $(seq 2 "$rounds"); do
  start_program
  choose_exit "$round"
  ends_within_2s "$round"
done
echo "desktop smoke: $rounds rounds of start and 終了, menus and editing keys passed"
