#!/usr/bin/env bash
# End-to-end test of the real program on a virtual screen: started with a part
# program, driven with its accelerator keys, toolbar buttons, menu and panel
# keys, and judged by what the screen shows. Run inside an X server
# (xvfb-run) of at least 1024 x 768 pixels and no window manager, where the
# program opens at (290, 0) and its operator panel at (0, 0).
#
#   run_e2e.sh ZAN400LT SCREEN_PROBE ARTIFACT_DIR [STAGE...]
#
# Stages, in the order given (default: shell): shell (keys, toolbar, chuck),
# panel (the panel's windows and keys), store (a program made with the
# panel's keys, found on disk), run (spindle button and cycle start, which act
# through the panel's keys). The exit command ends every run.
#
# Screen captures are kept in ARTIFACT_DIR when a check fails (always with
# ZAN_E2E_KEEP=1 in the environment).
set -u

app=$1
probe=$2
out=$3
shift 3
stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=(shell)
readonly window_x=290               # the main window's left edge
readonly view_box="290 60 1023 740" # the lathe view between toolbar and status bar
readonly chuck_box="290 60 450 740" # chuck body and jaws
readonly toolbar_box="290 0 1023 80"
readonly parked_mouse="100 700"     # off the window and off the pad's keys: no hover, no mouse read-out
readonly lcd_box="20 42 268 218"    # the panel's LCD, the panel at (0, 0)

mkdir -p "$out"
rm -f "$out"/*.png
work=$(mktemp -d)
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
pid=

cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}

fail() {
    echo "e2e: FAILED: $*"
    shoot failure
    echo "e2e: windows on screen:"
    xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/  /'
    echo "e2e: screen captures kept in $out"
    cleanup
    exit 1
}

shoot() { import -window root "$out/$1.png"; }

# differs A B [BOX]: the captures A and B differ (inside the box).
differs() { [ "$("$probe" diff "$out/$1.png" "$out/$2.png" ${3:-$view_box})" != 0 ]; }
same() { ! differs "$@"; }

# wait_until NAME CHECK ARGS...: captures NAME until CHECK ARGS holds (10 s at most).
wait_until() {
    local name=$1 deadline=$((SECONDS + 10))
    shift
    while :; do
        shoot "$name"
        "$@" && return 0
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# wait_stable NAME: captures NAME until two captures 0.2 s apart agree.
wait_stable() {
    local deadline=$((SECONDS + 10))
    shoot "$1.previous"
    while :; do
        sleep 0.2
        shoot "$1"
        same "$1.previous" "$1" && { rm -f "$out/$1.previous.png"; return 0; }
        [ "$SECONDS" -ge "$deadline" ] && return 1
        mv "$out/$1.png" "$out/$1.previous.png"
    done
}

no_message_box() {
    ! xdotool search --onlyvisible --name "Zandro    400LT" >/dev/null 2>&1 || fail "$1: a message box is open"
}

# click_button NAME ACCENT: clicks the toolbar button whose picture has that colour.
click_button() {
    local at
    at=$("$probe" find "$out/start.png" "$2" $toolbar_box) || fail "no toolbar button for $1"
    xdotool mousemove $at click 1 mousemove $parked_mouse
}

# shift_of A B AXIS X0 Y0 X1 Y1: the displacement that maps A onto B there.
shift_of() { "$probe" shift "$out/$1.png" "$out/$2.png" "$3" "$4" "$5" "$6" "$7" | cut -d' ' -f1; }


# The main window's keys, toolbar buttons and the workpiece's chuck.
stage_shell() {
    echo "e2e: Ctrl+X releases the workpiece: the jaws stand 10 pixels further out"
    xdotool key ctrl+x
    wait_until released differs start released || fail "Ctrl+X changed nothing"
    wait_stable released || fail "the release does not settle"
    read -r _ x0 y0 x1 y1 <<<"$("$probe" diff "$out/start.png" "$out/released.png" $view_box)"
    [ "$x0" -ge $((window_x + 120)) ] && [ "$x1" -le $((window_x + 240)) ] ||
        fail "the release changed columns $x0..$x1, not only the jaws"
    # Each jaw on its own: the changed rows above the middle, and those below it.
    mid=$(((y0 + y1) / 2))
    read -r _ ux0 uy0 ux1 uy1 <<<"$("$probe" diff "$out/start.png" "$out/released.png" "$x0" "$y0" "$x1" "$mid")"
    read -r _ lx0 ly0 lx1 ly1 <<<"$("$probe" diff "$out/start.png" "$out/released.png" "$x0" "$mid" "$x1" "$y1")"
    upper=$(shift_of start released y "$ux0" "$uy0" "$ux1" "$uy1")
    lower=$(shift_of start released y "$lx0" "$ly0" "$lx1" "$ly1")
    [ "$upper" = -10 ] && [ "$lower" = 10 ] || fail "the jaws moved by $upper and $lower pixels, not -10 and 10"
    no_message_box "release"

    echo "e2e: Ctrl+C clamps it again"
    xdotool key ctrl+c
    wait_until clamped same start clamped || fail "Ctrl+C did not bring the jaws back"

    echo "e2e: the toolbar's release and clamp buttons do the same"
    click_button release 0078D8
    wait_until released_by_button same released released_by_button || fail "the release button did not release"
    click_button clamp 9800A8
    wait_until clamped_by_button same start clamped_by_button || fail "the clamp button did not clamp"
}

# Cycle start and the spindle button reach the machine through the panel's
# keys: the spindle keys act in Manual, cycle start in Auto.
stage_run() {
    echo "e2e: in Manual (the pad's JOG key) the spindle button starts and stops the spindle"
    click_at 140 442    # the pad's JOG: (85, 50) dialog units, below the pad's top at 350
    click_button spindle C82020
    wait_until spinning differs start spinning "$chuck_box" || fail "the chuck does not show a turning spindle"
    click_button spindle C82020
    wait_until stopped same start stopped "$chuck_box" || fail "the spindle did not stop"
    no_message_box "spindle"

    echo "e2e: in Auto (the pad's AUTO key loads the program) Ctrl+N runs it: the tool moves 30 pixels toward the chuck"
    click_at 140 497    # the pad's AUTO: (85, 84) dialog units
    xdotool windowfocus --sync "$wid"
    xdotool key ctrl+n
    wait_until running differs start running || fail "Ctrl+N did not start the program"
    wait_stable ran || fail "the program does not come to an end"
    read -r _ x0 y0 x1 y1 <<<"$("$probe" diff "$out/start.png" "$out/ran.png" $view_box)"
    moved=$(shift_of start ran x "$x0" "$y0" "$x1" "$y1")
    [ "$moved" = -30 ] || fail "the tool moved by $moved pixels, not -30"
    no_message_box "run"
}

# window_place WINDOW: "X Y WIDTH HEIGHT" of a window on the screen.
window_place() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# place_is WINDOW "X Y WIDTH HEIGHT": the window stands there.
place_is() { [ "$(window_place "$1")" = "$2" ]; }

# click_at X Y: one click there, then the mouse goes back out of the way.
click_at() { xdotool mousemove "$1" "$2" click 1 mousemove $parked_mouse; }

# The operator panel opens with the view's first repaint, the second key pad
# below it; enlarged, the panel shows every key. A click on the JOG key
# changes the LCD, the pad's EDIT key brings the edit screen back.
stage_panel() {
    echo "e2e: the panel opens at the top left, the second key pad below it"
    local panel pad
    panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^第一控制面板$' | head -1)
    [ -n "$panel" ] || fail "the panel did not open"
    pad=$(timeout 10 xdotool search --sync --onlyvisible --name '^第二控制面板$' | head -1)
    [ -n "$pad" ] || fail "the second key pad did not open"
    place_is "$panel" "0 0 290 350" || fail "the panel stands at $(window_place "$panel"), not 0 0 290 350"
    place_is "$pad" "0 350 290 370" || fail "the pad stands at $(window_place "$pad"), not 0 350 290 370"

    echo "e2e: the panel grows to 633 x 370 and no further"
    xdotool windowsize "$panel" 800 500
    wait_until panel_large place_is "$panel" "0 0 633 370" || fail "the panel grew to $(window_place "$panel")"
    wait_until panel_edit true
    no_message_box "panel"

    echo "e2e: the JOG key changes the LCD; the pad's EDIT key brings the edit screen back"
    click_at 373 240    # JOG: (238, 139) dialog units, 33 x 28 pixels
    wait_until panel_jog differs panel_edit panel_jog "$lcd_box" || fail "the JOG key left the LCD as it was"
    click_at 16 497     # the pad's EDIT: (2, 84) dialog units, below the pad's top at 350
    wait_until panel_edit_again same panel_edit panel_edit_again "$lcd_box" ||
        fail "the pad's EDIT key did not bring the edit screen back"
    no_message_box "panel keys"
    xdotool windowsize "$panel" 290 350
    wait_until panel_small place_is "$panel" "0 0 290 350" || fail "the panel did not shrink back"
    xdotool windowfocus --sync "$wid"  # the main window's keys for the stages after this one
}

# panel_key ID: clicks a key of the enlarged panel at its centre (dialog
# units x 1.5 and x 1.625; the panel at (0, 0)).
panel_key() {
    local place
    case $1 in
    1002) place="213 26 22 17" ;; 1003) place="237 26 21 17" ;; 1004) place="261 26 22 17" ;;
    1028) place="349 46 22 17" ;; 1042) place="349 88 22 17" ;; 1053) place="376 67 22 17" ;;
    1048) place="347 112 25 18" ;; 1049) place="374 112 24 18" ;; 1062) place="209 139 22 17" ;;
    *) fail "no place for key $1" ;;
    esac
    read -r x y w h <<<"$place"
    click_at $(((x * 3 + w * 3 / 2) / 2)) $(((y * 13 + h * 13 / 2) / 8))
}

# file_is FILE BYTES: the file holds exactly these bytes (printf format).
file_is() { cmp -s "$1" <(printf "$2"); }

# A program made on the panel alone lands in the program store at once.
stage_store() {
    echo "e2e: INPUT 0 5 ENTER on the panel creates program 05; its keys are saved as typed"
    local panel
    panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^第一控制面板$' | head -1)
    [ -n "$panel" ] || fail "the panel did not open"
    xdotool windowsize "$panel" 800 500
    wait_until store_panel place_is "$panel" "0 0 633 370" || fail "the panel did not grow"
    for key in 1062 1048 1042 1028 1049; do panel_key $key; done
    wait_until store_created test -e "$work/store/05.zan" || fail "program 05 was not created"
    # G00 X50 ENTER M30
    for key in 1002 1042 1042 1004 1028 1042 1049 1003 1053 1042; do panel_key $key; done
    wait_until store_saved file_is "$work/store/05.zan" 'N0000 G00 X50\r\nN0010 M30\0\r\n' ||
        fail "05.zan holds $(od -c "$work/store/05.zan" | head -3)"
    no_message_box "store"
    xdotool windowsize "$panel" 290 350
    xdotool windowfocus --sync "$wid"
}

# A program that moves the tool 30 mm toward the chuck at rapid and ends,
# the only one of the test's own program store, so that the panel's AUTO key
# loads it.
mkdir -p "$work/store"
printf 'N0010 G00 U0 W-30\r\nN0020 M30\r\n' > "$work/store/01.zan"
"$app" --programs "$work/store" "$work/store/01.zan" &
pid=$!

wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^ZAN 400LT$' | head -1)
[ -n "$wid" ] || fail "the main window did not appear"
xdotool windowfocus --sync "$wid" || fail "the main window cannot take the focus"
xdotool mousemove $parked_mouse
wait_stable start || fail "the start screen does not settle"
no_message_box "start"

for stage in "${stages[@]}"; do
    "stage_$stage"
done

echo "e2e: the exit command asks, and OK ends the program"
box=
for _ in 1 2 3; do
    xdotool windowfocus --sync "$wid" key alt+f
    sleep 0.3  # the menu opens; if it had not, the next try presses the keys again
    xdotool key q
    box=$(timeout 3 xdotool search --sync --onlyvisible --name "Zandro    400LT" | head -1)
    [ -n "$box" ] && break
    xdotool key Escape Escape
done
[ -n "$box" ] || fail "the exit command asked nothing"
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after OK"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "the program ended with status $status"

[ -z "${ZAN_E2E_KEEP:-}" ] && rm -f "$out"/*.png  # ZAN_E2E_KEEP=1 keeps them to look at
cleanup
echo "e2e: passed"
