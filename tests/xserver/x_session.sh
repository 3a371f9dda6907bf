# shellcheck shell=bash
# A private X session for tests that drive the real window: a virtual X server on a free
# display, a small window manager (it draws title bars, gives dialogs the focus and closes
# windows on Alt+F4, as a desktop does), bounded waits and a screenshot when a check fails.
# Sourced by the test scripts; they call start_x_session first and stop_x_session on exit.

x_session_dir=""
x_server_pid=""
window_manager_pid=""

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Every tool the session and the checks need; a machine without them gets a skip, not a
# failure, and the name of the script that installs them.
require_x_tools() {
    local tool missing=()
    for tool in Xvfb openbox xdotool xclip xprop xwininfo import timeout realpath; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "SKIPPED: missing ${missing[*]} (scripts/setup.sh installs them)" >&2
        exit 77
    fi
}

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every 0.1 s until it succeeds, then prints
# what its successful run printed (a window id, for instance).
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local tries=$((seconds * 10)) output
    until output=$("$@" 2>/dev/null); do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "gave up after ${seconds} s waiting for ${what}"
        sleep 0.1
    done
    [ -z "$output" ] || echo "$output"
}

x_server_ready() { [ -s "$x_session_dir/display" ]; }
window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

start_x_session() {
    x_session_dir=$1
    # -displayfd lets the server take the first free display itself, so parallel runs never
    # collide; it writes the number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$x_session_dir/display" \
        >"$x_session_dir/xvfb.log" 2>&1 &
    x_server_pid=$!
    wait_until 10 "the X server" x_server_ready
    DISPLAY=":$(head -n 1 "$x_session_dir/display")"
    export DISPLAY
    openbox --sm-disable >"$x_session_dir/openbox.log" 2>&1 &
    window_manager_pid=$!
    wait_until 10 "the window manager" window_manager_ready
}

# save_screenshot FILE: what the screen showed, for the person reading a failure.
save_screenshot() {
    if [ -n "${DISPLAY:-}" ] && import -window root "$1" 2>/dev/null; then
        echo "Screenshot of the failure: $1" >&2
    fi
}

stop_x_session() {
    local pid
    for pid in "$window_manager_pid" "$x_server_pid"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# The window's name as the window system reports it (what title bars and switchers show).
window_title() { xdotool getwindowname "$1"; }

window_size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }

is_override_redirect() { xwininfo -id "$1" | grep -q 'Override Redirect State: yes'; }

is_dialog() { xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG; }

# Visible windows of the program, one id a line.
program_windows() { xdotool search --onlyvisible --class "$1" 2>/dev/null || true; }

# click WINDOW X Y: a real left click at X,Y inside WINDOW's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# press WINDOW KEY...: gives WINDOW the focus through the window manager, then real key presses.
press() {
    local window=$1
    shift
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key "$@"
}
