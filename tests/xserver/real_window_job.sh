#!/usr/bin/env bash
# Drives a user's whole job through the installed program under a real X server, with real
# mouse clicks and key presses: load the sample entries, pick "Comma", create the list, tick the
# result, copy it (the clipboard is read by another program, xclip), save it through the real
# file dialog, close the window. Then it starts the program again with files to open and checks
# the entries they give. Titles are read as the window system reports them.
#
# Usage: real_window_job.sh INSTALL_PREFIX OUTPUT_FOLDER
# A failure leaves a screenshot in OUTPUT_FOLDER. Exit status 77 means the X tools are missing.
set -euo pipefail

prefix=$(realpath "$1")
output=$(realpath "$2")
here=$(dirname "$0")
# shellcheck source=tests/xserver/x_session.sh
source "$here/x_session.sh"
require_x_tools

program=$prefix/bin/tavrolin
[ -x "$program" ] || fail "no installed program at $program"

work=$(mktemp -d)
program_pid=""
screenshot=$output/real_window_job-failure.png
rm -f "$screenshot"

finish() {
    local status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        save_screenshot "$screenshot"
        [ ! -s "$work/program.log" ] || { echo "--- program output:" >&2; cat "$work/program.log" >&2; }
    fi
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_x_session
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

# Settings, the file dialog's history and everything else of the user's go to scratch folders;
# no session bus or session manager of the person running the tests is reached.
mkdir -p "$work/home/.config" "$work/runtime" "$work/saved results"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
export QT_QPA_PLATFORM=xcb

start_x_session "$work"

# --- Finding the program's windows --------------------------------------------------------

main_window() {
    local id
    for id in $(program_windows tavrolin); do
        if ! is_override_redirect "$id" && ! is_dialog "$id" &&
            [ "$(window_title "$id")" = Tavrolin ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# The open message box, input box or file dialog.
dialog_window() {
    local id
    for id in $(program_windows tavrolin); do
        if is_dialog "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

no_dialog() { ! dialog_window >/dev/null; }

# The drop-down list of the separator choice (tool tips are pop-ups too, but typed as such).
combo_popup() {
    local id
    for id in $(program_windows tavrolin); do
        if is_override_redirect "$id" &&
            ! xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

window_hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

clipboard_text() { timeout 5 xclip -o -selection clipboard; }

# expect_title WINDOW TITLE: the title bar shows exactly the dialog's own title.
expect_title() {
    local title
    title=$(window_title "$1")
    [ "$title" = "$2" ] || fail "window titled \"$title\", expected \"$2\""
}

# close_message_box WHAT: the open box must carry the application title; Enter closes it.
close_message_box() {
    local box
    box=$(wait_until 10 "the message box $1" dialog_window)
    [ "$(window_title "$box")" = Tavrolin ] ||
        fail "the message box $1 is titled \"$(window_title "$box")\", expected \"Tavrolin\""
    # Wide enough for its title bar to show the title.
    local width
    width=$(window_size "$box")
    [ "${width%x*}" -ge 200 ] || fail "the message box $1 is $width, too narrow for its title"
    press "$box" Return
    wait_until 10 "the message box $1 to close" no_dialog
}

# --- The job --------------------------------------------------------------------------------

# Started from a scratch folder, where the file dialog opens.
(cd "$work" && exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!

window=$(wait_until 15 "the window titled \"Tavrolin\"" main_window)
[ "$(window_size "$window")" = 536x515 ] || fail "the window is $(window_size "$window")"

# Control positions in client pixels (twips / 15); a click goes to a control's middle.
click "$window" 400 175 # "Load Sample/Example Data" (272, 162, 256, 27)

click "$window" 268 225 # the separator choice (24, 214, 488, 23)
popup=$(wait_until 10 "the separator choices to drop down" combo_popup)
# Four choices of equal height; "Comma" is the second.
popup_size=$(window_size "$popup")
click "$popup" $((${popup_size%x*} / 2)) $((${popup_size#*x} * 3 / 8))
wait_until 10 "the separator choices to close" window_hidden "$popup"
# Tab moves the focus on to "Copy Results To Clipboard"; then the pointer passes over the
# choice with a turn of the wheel, which must pick nothing: another pick would show in the
# clipboard text below.
press "$window" Tab
xdotool mousemove --window "$window" 268 225 click 5

click "$window" 268 268 # "Start Creating List" (8, 255, 520, 27)
close_message_box "\"Done.\""

# The result row's check box: the results list starts at (8, 290), its header takes one row.
click "$window" 18 317

click "$window" 136 458 # "Copy Results To Clipboard" (8, 445, 256, 27)
wait_until 10 "the copy message" dialog_window >/dev/null
clipboard_text >"$work/clipboard"
printf 'first,second,third,fourth\r\n' >"$work/clipboard.expected"
cmp "$work/clipboard.expected" "$work/clipboard" ||
    fail "clipboard holds $(od -c "$work/clipboard" | head -n 3)"
close_message_box "after copying"

click "$window" 268 423 # "Save Results To CSV/Text File" (8, 410, 520, 27)
dialog=$(wait_until 10 "the save dialog" dialog_window)
expect_title "$dialog" Save
saved="$work/saved results/result.csv"
# The file name field has the focus when the dialog opens.
timeout 5 xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool type --delay 10 "$saved"
xdotool key Return
wait_until 10 "the save dialog to close" no_dialog
wait_until 10 "the saved file" test -s "$saved"

# The header line is the 94-character column caption, a tab and CR LF; the result row is
# padded with spaces to the same width, then a tab and CR LF.
caption="Results - Extend bar to show all >$(printf '%59s' '')>"
printf '%-94s\t\r\n%-94s\t\r\n' "$caption" 'first,second,third,fourth' >"$work/saved.expected"
cmp "$work/saved.expected" "$saved" || fail "saved file holds $(od -c "$saved" | head -n 12)"

# Alt+F4 asks the window manager to close the window, as its close button does.
press "$window" alt+F4
wait_until 10 "the program to end" program_ended
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
# The pick of "Comma" is kept for the next start, in the user's settings.
settings=$XDG_CONFIG_HOME/Quendale/Tavrolin.conf
grep -qx 'Combo1=1' "$settings" || fail "settings hold $(cat "$settings" 2>&1)"

# --- Files given at start, as a file manager's "Open With" passes them ----------------------
# A second start with files on the command line: the relative name resolves against the folder
# the program starts in, the missing file is reported over the shown window, and the others load
# in the order given, also one whose name is not UTF-8. The separator is still "Comma", kept from
# the first start.
mkdir -p "$work/lists"
printf '1\r\n2\r\n' >"$work/lists/a.txt"
printf '3\n4' >"$work/lists/b.txt"
printf '5\r\n' >"$work/lists/caf"$'\xe9'".txt"
(cd "$work/lists" && exec "$program" a.txt missing.txt "caf"$'\xe9'".txt" "$work/lists/b.txt") \
    >"$work/program.log" 2>&1 &
program_pid=$!

window=$(wait_until 15 "the window started with files" main_window)
close_message_box "\"File not found\""
click "$window" 268 268 # "Start Creating List"
close_message_box "\"Done.\" for the opened files"
click "$window" 18 317 # the result row's check box
click "$window" 136 458 # "Copy Results To Clipboard"
wait_until 10 "the copy message for the opened files" dialog_window >/dev/null
clipboard_text >"$work/clipboard"
printf '1,2,5,3,4\r\n' >"$work/clipboard.expected"
cmp "$work/clipboard.expected" "$work/clipboard" ||
    fail "clipboard holds $(od -c "$work/clipboard" | head -n 3) after opening files"
close_message_box "after copying the opened files"

press "$window" alt+F4
wait_until 10 "the program started with files to end" program_ended
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program started with files ended with status $status"
echo "The job ran through the real window, and files opened at start loaded."
