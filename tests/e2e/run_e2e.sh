#!/usr/bin/env bash
# End-to-end test of the real program on a virtual screen: started with a part
# program, driven with its accelerator keys, toolbar buttons, menu and panel
# keys, and judged by what the screen shows. Run inside an X server
# (xvfb-run) of at least 1366 x 768 pixels with a window manager (openbox):
# the operator panel opens at the top left, its second key pad below its
# frame, the main window beside the panel at its largest; places on the
# screen are measured from where the windows' insides stand.
#
#   run_e2e.sh ZAN400LT SCREEN_PROBE ARTIFACT_DIR [STAGE...]
#
# Stages, in the order given (default: shell): shell (keys, toolbar, chuck),
# panel (the panel's windows and keys), store (a program made with the
# panel's keys, found on disk), run (spindle button and cycle start, which act
# through the panel's keys), lesson (a program typed, run block by block,
# held, finished, measured and saved; its .map file is compared with the one
# of the program runner named by ZAN_E2E_RUNNER). The exit command ends every
# run.
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
readonly parked_mouse="100 700"     # on the pad's empty ground: no hover, no mouse read-out
# Set by measure_windows once the windows stand: the insides' top left
# corners of the main window (mx, my), the panel (px, py) and the pad (qx, qy).
mx=0 my=0 mw=0 px=0 py=0 qx=0 qy=0
window_x= view_box= chuck_box= toolbar_box= lcd_box= open_view_box= lcd_title_box= run_complete_box= measure_box=
turned_column= uncut_column= axis_row=

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

no_box() { ! xdotool search --onlyvisible --name "Zandro    400LT" >/dev/null 2>&1; }
no_message_box() { no_box || fail "$1: a message box is open"; }

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
    click_at $((qx + 140)) $((qy + 92))  # the pad's JOG: (85, 50) dialog units
    click_button spindle C82020
    wait_until spinning differs start spinning "$chuck_box" || fail "the chuck does not show a turning spindle"
    click_button spindle C82020
    wait_until stopped same start stopped "$chuck_box" || fail "the spindle did not stop"
    no_message_box "spindle"

    echo "e2e: in Auto (the pad's AUTO key loads the program) Ctrl+N runs it: the tool moves 30 pixels toward the chuck"
    click_at $((qx + 140)) $((qy + 147)) # the pad's AUTO: (85, 84) dialog units
    xdotool windowfocus --sync "$wid"
    xdotool key ctrl+n
    wait_until running differs start running || fail "Ctrl+N did not start the program"
    wait_stable ran || fail "the program does not come to an end"
    read -r _ x0 y0 x1 y1 <<<"$("$probe" diff "$out/start.png" "$out/ran.png" $view_box)"
    moved=$(shift_of start ran x "$x0" "$y0" "$x1" "$y1")
    [ "$moved" = -30 ] || fail "the tool moved by $moved pixels, not -30"
    no_message_box "run"
}

# window_place WINDOW: "X Y WIDTH HEIGHT" of a window's inside on the screen.
window_place() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                             /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}

# frame_extents WINDOW: "LEFT RIGHT TOP BOTTOM", the desktop's frame round a window.
# The desktop sets them soon after the window appears.
frame_extents() {
    local extents
    for _ in $(seq 50); do
        extents=$(xprop -id "$1" _NET_FRAME_EXTENTS)
        [[ $extents == *=* ]] && break
        sleep 0.05
    done
    [[ $extents == *=* ]] || fail "no frame round window $1"
    sed 's/.*= //; s/,//g' <<<"$extents"
}

# size_is WINDOW "WIDTH HEIGHT": the window's inside has that size.
size_is() { [ "$(window_place "$1" | cut -d' ' -f3-)" = "$2" ]; }

# measure_windows: where the three windows' insides stand, and the boxes of
# the checks in screen pixels.
measure_windows() {
    local w h
    read -r mx my mw h <<<"$(window_place "$wid")"
    read -r px py w h <<<"$(window_place "$panel")"
    read -r qx qy w h <<<"$(window_place "$pad")"
    window_x=$mx
    view_box="$mx $((my + 60)) $((mx + mw - 1)) $((my + 740))" # the lathe view between toolbar and status bar
    open_view_box=$view_box
    chuck_box="$mx $((my + 60)) $((mx + 160)) $((my + 740))"   # chuck body and jaws
    toolbar_box="$mx $my $((mx + mw - 1)) $((my + 80))"
    lcd_box=$(panel_box 20 42 268 218)                         # the panel's LCD
    lcd_title_box=$(panel_box 89 46 268 55)    # the LCD's title row after "Zandro": mode and program, or the run's state
    run_complete_box=$(panel_box 148 46 195 55) # "运行完毕" in inverse video on the LCD's title row
    measure_box="$mx $((my + 487)) $((mx + 410)) $((my + 512))" # the view's measurement result, green on black
    turned_column=$((mx + 485)) uncut_column=$((mx + 300))      # view columns of the step and of the blank
    axis_row=$((my + 296))                                      # the view row of the workpiece's axis
}

# panel_box X0 Y0 X1 Y1: a box of the panel's inside in screen pixels.
panel_box() { echo "$((px + $1)) $((py + $2)) $((px + $3)) $((py + $4))"; }


# click_at X Y: one click there, then the mouse goes back out of the way.
click_at() { xdotool mousemove "$1" "$2" click 1 mousemove $parked_mouse; }

# The operator panel opens with the view's first repaint, the second key pad
# below its frame, the main window beside them; enlarged, the panel shows
# every key and still covers nothing. A click on the JOG key changes the
# LCD, the pad's EDIT key brings the edit screen back. The pad's INPUT key
# opens the number box, and the keyboard types into it.
stage_panel() {
    echo "e2e: the panel's inside is 290 x 350 at the top left, the second key pad below its frame"
    local left right top bottom pad_top main_left w h
    size_is "$panel" "290 350" || fail "the panel's inside is $(window_place "$panel"), not 290 x 350"
    read -r _ _ w h <<<"$(window_place "$pad")"
    [ "$w" = 290 ] && [ "$h" -ge 162 ] && [ "$h" -le 370 ] || fail "the pad's inside is $w x $h, not 290 x 162..370"
    [ "$((qy + h))" -le 768 ] || fail "the pad ends below the screen at $((qy + h))"
    read -r left right top bottom <<<"$(frame_extents "$panel")"
    [ "$((px - left))" = 0 ] && [ "$((py - top))" = 0 ] || fail "the panel's frame stands at $((px - left)) $((py - top)), not 0 0"
    read -r _ _ pad_top _ <<<"$(frame_extents "$pad")"
    [ "$((qy - pad_top))" -ge "$((py + 350 + bottom))" ] || fail "the pad's frame reaches up to $((qy - pad_top)), over the panel"
    [ "$("$probe" count "$out/start.png" F6C06B $(panel_box 0 0 289 349))" = 0 ] || fail "the pad covers the panel's keys"

    echo "e2e: the panel grows to 633 x 370 and no further, beside the main window's menu and toolbar"
    xdotool windowsize "$panel" 800 500
    wait_until panel_large size_is "$panel" "633 370" || fail "the panel grew to $(window_place "$panel")"
    wait_stable panel_edit || fail "the enlarged panel does not settle"
    measure_windows  # the pad has followed the panel's frame down
    read -r main_left _ _ _ <<<"$(frame_extents "$wid")"
    [ "$((px + 633 + right))" -le "$((mx - main_left))" ] || fail "the enlarged panel reaches the main window"
    "$probe" find "$out/panel_edit.png" 0078D8 $toolbar_box >/dev/null || fail "the toolbar is covered"
    no_message_box "panel"

    echo "e2e: the JOG key changes the LCD; the pad's EDIT key brings the edit screen back"
    click_at $((px + 373)) $((py + 240)) # JOG: (238, 139) dialog units, 33 x 28 pixels
    wait_until panel_jog differs panel_edit panel_jog "$lcd_box" || fail "the JOG key left the LCD as it was"
    click_at $((qx + 16)) $((qy + 147))  # the pad's EDIT: (2, 84) dialog units
    wait_until panel_edit_again same panel_edit panel_edit_again "$lcd_box" ||
        fail "the pad's EDIT key did not bring the edit screen back"
    no_message_box "panel keys"

    echo "e2e: the pad's INPUT key opens the number box; the keyboard's digits show in it"
    click_at $((qx + 15)) $((qy + 118))  # the pad's INPUT: (1, 66) dialog units
    wait_until number_prompt differs panel_edit_again number_prompt "$lcd_box" || fail "INPUT asked for no number"
    [ "$(xdotool getwindowfocus)" = "$panel" ] || fail "the keyboard is not with the panel after the pad's INPUT"
    xdotool type 12
    wait_until number_typed number_shows number_typed || fail "the digits typed do not show in the number box"
    click_at $((qx + 140)) $((qy + 118)) # the pad's ESC: (85, 66) dialog units
    wait_until number_closed same panel_edit number_closed "$lcd_box" || fail "ESC left the number box open"

    xdotool windowsize "$panel" 290 350
    wait_until panel_small size_is "$panel" "290 350" || fail "the panel did not shrink back"
    wait_stable panel_small || fail "the panel does not settle"
    measure_windows
    xdotool windowfocus --sync "$wid"  # the main window's keys for the stages after this one
}

# The number box's 12 x 12 pixels hold two white digits of the LCD's font.
number_shows() { [ "$("$probe" count "$out/$1.png" FFFFFF $(panel_box 132 170 143 181))" -gt 12 ]; }

# title_strip NAME WINDOW OUT: the title bar of a window in capture NAME, saved as OUT.
title_strip() {
    local x y w h left right top bottom
    read -r x y w h <<<"$(window_place "$2")"
    read -r left right top bottom <<<"$(frame_extents "$2")"
    convert "$out/$1.png" -crop "$((w + left + right))x$((top - 2))+$((x - left))+$((y - top + 1))" +repage "$out/$3.png"
}

# The program's own windows: the help text opens in one of them; a message
# box shows its caption "Zandro    400LT" whole, as the desktop draws it on
# a wide window (xmessage's); the zoom chosen from the menu enlarges the
# panel, its LCD drawn anew in its two colours, and is kept in the settings.
stage_windows() {
    echo "e2e: 程序说明 opens the help text in a window of the program"
    local help ref box x y w h x0 y0 x1 y1
    xdotool windowfocus --sync "$wid" key alt+h
    sleep 0.3
    xdotool key t
    help=$(timeout 5 xdotool search --sync --onlyvisible --name '^程序说明$' | head -1)
    [ -n "$help" ] || fail "程序说明 opened no window"
    read -r x y w h <<<"$(window_place "$help")"
    wait_until help dark_pixels help $((x + 20)) $((y + 20)) $((x + w - 20)) $((y + h - 60)) ||
        fail "the help window shows no text"
    xdotool windowfocus --sync "$help" key Escape

    echo "e2e: a message box shows its caption whole"
    xmessage -title "Zandro    400LT" -geometry 700x40+600+300 " " &
    ref=$!
    box=$(timeout 5 xdotool search --sync --onlyvisible --class Xmessage | head -1)
    [ -n "$box" ] || fail "xmessage did not open"
    xdotool windowactivate --sync "$box"
    wait_stable caption_reference || fail "the reference caption does not settle"
    title_strip caption_reference "$box" caption_strip
    kill "$ref"
    # The caption's pixels: where the strip differs from its own ground, a
    # column near its left end stretched over it.
    read -r w h <<<"$(identify -format '%w %h' "$out/caption_strip.png")"
    convert "$out/caption_strip.png" -crop "1x$h+100+0" -scale "${w}x$h!" "$out/caption_ground.png"
    read -r _ x0 y0 x1 y1 <<<"$("$probe" diff "$out/caption_strip.png" "$out/caption_ground.png" 150 0 $((w - 150)) $((h - 1)))"
    [ -n "${y1:-}" ] || fail "no caption found on xmessage's title bar"
    convert "$out/caption_strip.png" -crop "$((x1 - x0 + 1))x$((y1 - y0 + 1))+$x0+$y0" +repage "$out/caption_text.png"
    box=$(menu_box alt+f q)
    [ -n "$box" ] || fail "the exit command asked nothing"
    xdotool windowactivate --sync "$box"
    wait_stable caption_box || fail "the question does not settle"
    title_strip caption_box "$box" caption_box_strip
    "$probe" contains "$out/caption_box_strip.png" "$out/caption_text.png" >/dev/null ||
        fail "the message box's caption is cut (caption_box.png, caption_text.png)"
    xdotool key Escape
    wait_until caption_closed no_box || fail "the question does not close"

    echo "e2e: 2 倍 from the menu doubles the panel, its LCD drawn anew in two colours, and is kept"
    local settings="$XDG_CONFIG_HOME/ZAN 400LT Applications/ZAN 400LT.conf"
    zoom_to 3 "580 700"
    xdotool windowraise "$panel"  # on this screen the enlarged panel leaves no room beside it
    wait_stable zoomed || fail "the enlarged panel does not settle"
    measure_windows
    local lcd=$((2 * 242 * 2 * 136)) blue white  # the LCD's body (23,57)-(265,193), doubled
    blue=$("$probe" count "$out/zoomed.png" 5331B3 $(panel_box 46 114 529 385))
    white=$("$probe" count "$out/zoomed.png" FFFFFF $(panel_box 46 114 529 385))
    [ "$((blue + white))" = "$lcd" ] || fail "the LCD shows $((lcd - blue - white)) pixels of other colours at 2x"
    [ "$white" -gt 1000 ] || fail "the LCD shows no text at 2x"
    grep -q '^Zoom=2$' "$settings" || fail "the zoom was not kept: $(cat "$settings")"
    zoom_to 1 "290 350"
    wait_stable unzoomed || fail "the panel does not settle at 1x"
    measure_windows
    xdotool windowfocus --sync "$wid"
}

# dark_pixels NAME X0 Y0 X1 Y1: the box of capture NAME is white with text
# on it (between 1 % and 30 % of it not white).
dark_pixels() {
    local white area=$((($4 - $2 + 1) * ($5 - $3 + 1)))
    white=$("$probe" count "$out/$1.png" FFFFFF "$2" "$3" "$4" "$5")
    [ "$white" -lt $((area * 99 / 100)) ] && [ "$white" -gt $((area * 70 / 100)) ]
}

# zoom_to ITEM "WIDTH HEIGHT": picks the ITEMth zoom of 程序设置 > 查看 >
# 面板与视图大小 until the panel's inside has that size.
zoom_to() {
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$wid" key alt+f
        sleep 0.3
        xdotool key v
        sleep 0.3
        xdotool key z
        sleep 0.3
        xdotool key "$1"
        wait_until "zoom_$1" size_is "$panel" "$2" && return 0
        xdotool key Escape Escape Escape
    done
    fail "the panel is $(window_place "$panel") after zoom item $1, not $2"
}

# key_place ID: where a key of the panel stands, "X Y WIDTH HEIGHT" in
# dialog units (as the panel's key table places it).
key_place() {
    case $1 in
    1002) echo "213 26 22 17" ;; 1003) echo "237 26 21 17" ;; 1004) echo "261 26 22 17" ;;
    1005) echo "286 26 22 17" ;; 1031) echo "237 67 22 17" ;; 1054) echo "376 88 22 17" ;;
    1042) echo "349 88 22 17" ;; 1034) echo "322 67 22 17" ;; 1035) echo "349 67 22 17" ;;
    1053) echo "376 67 22 17" ;; 1027) echo "322 46 22 17" ;; 1028) echo "349 46 22 17" ;;
    1052) echo "376 46 21 17" ;; 1006) echo "322 26 22 17" ;; 1007) echo "349 26 22 17" ;;
    1051) echo "376 26 22 17" ;; 1044) echo "216 112 25 18" ;; 1048) echo "347 112 25 18" ;;
    1049) echo "374 112 24 18" ;; 1062) echo "209 139 22 17" ;; 1064) echo "266 139 22 17" ;;
    1077) echo "358 165 22 17" ;; 1079) echo "358 185 22 17" ;;
    *) return 1 ;;
    esac
}

# panel_key ID: clicks a key of the enlarged panel at its centre (dialog
# units x 1.5 and x 1.625; the panel at (0, 0)).
panel_key() {
    local place x y w h
    place=$(key_place "$1") || fail "no place for key $1"
    read -r x y w h <<<"$place"
    click_at $((px + (x * 3 + w * 3 / 2) / 2)) $((py + (y * 13 + h * 13 / 2) / 8))
}

# key_box ID: the pixels of a key of the enlarged panel, lamp included, as a
# box "X0 Y0 X1 Y1".
key_box() {
    local place x y w h
    place=$(key_place "$1") || fail "no place for key $1"
    read -r x y w h <<<"$place"
    panel_box $((x * 3 / 2)) $((y * 13 / 8)) $(((x + w) * 3 / 2)) $(((y + h) * 13 / 8))
}

# panel_type TEXT: types TEXT with the panel's keys, ";" standing for ENTER.
panel_type() {
    local text=$1 i id
    for ((i = 0; i < ${#text}; i++)); do
        case ${text:i:1} in
        G) id=1002 ;; M) id=1003 ;; X) id=1004 ;; Z) id=1005 ;; F) id=1031 ;; -) id=1054 ;; ';') id=1049 ;;
        0) id=1042 ;; 1) id=1034 ;; 2) id=1035 ;; 3) id=1053 ;; 4) id=1027 ;; 5) id=1028 ;; 6) id=1052 ;;
        7) id=1006 ;; 8) id=1007 ;; 9) id=1051 ;;
        *) fail "no panel key types \"${text:i:1}\"" ;;
        esac
        panel_key $id
    done
}

# panel_size WIDTH HEIGHT: resizes the operator panel and waits until it has that size.
panel_size() {
    xdotool windowsize "$panel" "$1" "$2"
    wait_until "panel_$1" size_is "$panel" "$1 $2" || fail "the panel is $(window_place "$panel"), not $1 x $2"
    wait_stable "panel_$1" || fail "the panel does not settle at $1 x $2"
    measure_windows
}

# file_is FILE BYTES: the file holds exactly these bytes (printf format).
file_is() { cmp -s "$1" <(printf "$2"); }

# A program made on the panel alone lands in the program store at once.
stage_store() {
    echo "e2e: INPUT 0 5 ENTER on the panel creates program 05; its keys are saved as typed"
    xdotool windowsize "$panel" 800 500
    wait_until store_panel size_is "$panel" "633 370" || fail "the panel did not grow"
    wait_stable store_panel || fail "the panel does not settle"
    measure_windows
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

# One lesson as a student takes it, with the mouse and the keys alone: a
# program typed on the panel turns a step of 30 mm down to 96 mm on the
# default blank (100 mm), run block by block, held and resumed, run to its
# end; the step is measured on the view and the part saved as a .map file,
# which must be the one the program runner makes of the same program.
# F100 paces the 32 mm cut at 0.1 s a millimetre: time for a feed hold to
# land while the tool is on its way.
readonly lesson_program='M03;G00X104Z2;G01X96F100;G01Z-30;G00X150Z50;M05;M30'
readonly lesson_file='N0000 M03\r\nN0010 G00 X104 Z2\r\nN0020 G01 X96 F100\r\nN0030 G01 Z-30\r\nN0040 G00 X150 Z50\r\nN0050 M05\r\nN0060 M30\0\r\n'

stage_lesson() {
    [ -n "${ZAN_E2E_RUNNER:-}" ] || fail "ZAN_E2E_RUNNER does not name the program runner"
    echo "e2e: lesson: Ctrl+X takes the last part out of the chuck"
    xdotool key ctrl+x
    wait_until lesson_released differs start lesson_released "$chuck_box" || fail "Ctrl+X did not release the chuck"
    panel_size 633 370
    lesson_edit
    lesson_single_blocks
    lesson_held_block
    lesson_run_to_end
    panel_size 290 350
    xdotool windowfocus --sync "$wid"
    wait_until lesson_after same start lesson_after "$chuck_box" || fail "the chuck is not clamped and still after the run"
    lesson_measure
    lesson_save
    shoot lesson_end
}

# EDIT, INPUT 0 2 ENTER makes program 02, the current program; every key
# lands in the file at once.
lesson_edit() {
    echo "e2e: lesson: EDIT, INPUT 0 2 ENTER, and the program typed on the panel"
    for key in 1062 1048 1042 1035 1049; do panel_key $key; done
    wait_until lesson_created test -e "$work/store/02.zan" || fail "program 02 was not created"
    panel_type "$lesson_program"
    wait_until lesson_typed file_is "$work/store/02.zan" "$lesson_file" ||
        fail "02.zan holds $(od -c "$work/store/02.zan" | head -8)"
    no_message_box "lesson edit"
}

# lamp_out NAME KEY: the key's lamp is out in capture NAME, as it was before the run.
lamp_out() { same lesson_idle "$1" "$(key_box "$2")"; }
run_complete() { [ "$("$probe" count "$out/$1.png" FFFFFF $run_complete_box)" -gt 240 ]; }  # half its 480 pixels

# block_step NAME: cycle start; the tool moves, the run stops at the block's
# end (the cycle-start lamp goes out) and the screen settles, the program unfinished.
block_step() {
    local before=$1.before
    shoot "$before"
    panel_key 1079
    wait_until "$1.moving" differs "$before" "$1.moving" "$open_view_box" || fail "$1: cycle start did not move the tool"
    wait_until "$1.stopped" lamp_out "$1.stopped" 1079 || fail "$1: the run does not stop at the block's end"
    wait_stable "$1" || fail "$1: the screen does not settle"
    differs "$before" "$1" "$lcd_box" || fail "$1: the LCD does not show the next block"
    ! run_complete "$1" || fail "$1: the whole program ran, not one block"
}

# AUTO loads program 02; SINGLE turns the title to single block; two cycle
# starts carry out M03 with the rapid to the blank, then the plunge to 96 mm.
lesson_single_blocks() {
    echo "e2e: lesson: AUTO, clamp, SINGLE, and a cycle start for each of the first blocks"
    panel_key 1064
    wait_until lesson_auto differs lesson_typed lesson_auto "$lcd_box" || fail "AUTO left the LCD as it was"
    xdotool windowfocus --sync "$wid" key ctrl+c  # clamped: the spindle may start
    wait_stable lesson_idle || fail "the Auto screen does not settle"
    no_message_box "lesson auto"
    panel_key 1044
    wait_until lesson_single differs lesson_idle lesson_single "$lcd_box" || fail "SINGLE left the LCD's title as it was"
    block_step lesson_block1
    block_step lesson_block2
    no_message_box "lesson single blocks"
}

# The cut along the blank, held on its way: the tool stands still while the
# feed-hold lamp is lit, and cycle start takes it on to the block's end.
lesson_held_block() {
    echo "e2e: lesson: feed hold stops the cut on its way, cycle start resumes it"
    shoot lesson_cut.before
    panel_key 1079
    wait_until lesson_cut.moving differs lesson_cut.before lesson_cut.moving "$open_view_box" ||
        fail "cycle start did not start the cut"
    panel_key 1077
    wait_until lesson_hold differs lesson_idle lesson_hold "$(key_box 1077)" ||
        fail "the feed-hold lamp did not light: the hold came after the cut"
    wait_stable lesson_held || fail "the tool does not stand still under feed hold"
    differs lesson_cut.moving lesson_held "$lcd_title_box" || fail "the LCD's title does not show the hold"
    panel_key 1079
    wait_until lesson_resumed differs lesson_held lesson_resumed "$open_view_box" || fail "cycle start did not resume the cut"
    wait_until lesson_cut.stopped lamp_out lesson_cut.stopped 1079 || fail "the resumed cut does not stop at its end"
    wait_stable lesson_cut || fail "the resumed cut does not settle"
    lamp_out lesson_cut 1077 || fail "the feed-hold lamp stays lit after the resume"
    same lesson_block2 lesson_cut "$lcd_title_box" || fail "the LCD's title does not show single block again"
    ! run_complete lesson_cut || fail "the whole program ran after the resume"
}

# SINGLE off, and one cycle start runs the rest: the tool goes away, the
# spindle stops, the LCD says "运行完毕".
lesson_run_to_end() {
    echo "e2e: lesson: SINGLE off, cycle start runs to \"运行完毕\""
    panel_key 1044
    wait_until lesson_continuous differs lesson_cut lesson_continuous "$lcd_box" || fail "SINGLE did not turn off"
    panel_key 1079
    wait_until lesson_complete run_complete lesson_complete || fail "the LCD does not show \"运行完毕\""
    wait_stable lesson_ran || fail "the screen does not settle after the run"
    differs lesson_cut lesson_ran "$open_view_box" || fail "the tool did not go back"
    no_message_box "lesson run"
}

# menu_box KEYS ITEM: opens a menu with its keys and picks the item by its
# key, until a message box opens; prints the box's window.
menu_box() {
    local box
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$wid" key "$1"
        sleep 0.3  # the menu opens; if it had not, the next try presses the keys again
        xdotool key "$2"
        box=$(timeout 3 xdotool search --sync --onlyvisible --name "Zandro    400LT" | head -1)
        [ -n "$box" ] && break
        xdotool key Escape Escape
    done
    echo "$box"
}

measured() { "$probe" find "$out/$1.png" 00FF00 $measure_box >/dev/null; }

# The diameter measurement: its prompt, then each click on the part writes
# the diameter at that column on the view: one text on the step, another
# on the blank.
lesson_measure() {
    echo "e2e: lesson: the diameter measurement on the step and on the blank"
    local box
    measured lesson_after && fail "a measurement shows before any"
    box=$(menu_box alt+c r)  # 工件测量 > 直径测量
    [ -n "$box" ] || fail "the diameter measurement asked nothing"
    xdotool windowfocus --sync "$box" key Return
    wait_until lesson_prompt_closed no_box || fail "the measurement's prompt does not close"
    click_at $turned_column $axis_row
    wait_until lesson_measured measured lesson_measured || fail "a click on the step showed no diameter"
    click_at $uncut_column $axis_row
    wait_until lesson_measured_blank differs lesson_measured lesson_measured_blank "$measure_box" ||
        fail "the blank measures as the step does"
    click_at $((turned_column + 5)) $axis_row
    wait_until lesson_measured_again same lesson_measured lesson_measured_again "$measure_box" ||
        fail "the step measures differently 5 mm further on"
    no_message_box "lesson measure"
}

# Ctrl+S and the path typed into the file dialog: the part's .map file,
# byte for byte the one the program runner leaves of the same program.
lesson_save() {
    echo "e2e: lesson: Ctrl+S saves the part; its bytes are those the runner makes of program 02"
    local dialog
    "$ZAN_E2E_RUNNER" --programs "$work/store" --map "$work/alone.map" "$work/store/02.zan" \
        >"$work/runner.out" 2>"$work/runner.err" || fail "the runner failed: $(cat "$work/runner.err")"
    [ -s "$work/runner.err" ] && fail "the runner complained: $(cat "$work/runner.err")"
    xdotool windowfocus --sync "$wid" key ctrl+s
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^(Save As|另存为)$' | head -1)
    [ -n "$dialog" ] || fail "Ctrl+S opened no file dialog"
    xdotool windowfocus --sync "$dialog" type "$work/lesson.map"
    xdotool key Return
    wait_until lesson_saved test -s "$work/lesson.map" || fail "the part was not saved"
    cmp "$work/lesson.map" "$work/alone.map" || fail "the saved part is not the runner's"
    no_message_box "lesson save"
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
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^第一控制面板$' | head -1)
[ -n "$panel" ] || fail "the panel did not open"
pad=$(timeout 10 xdotool search --sync --onlyvisible --name '^第二控制面板$' | head -1)
[ -n "$pad" ] || fail "the second key pad did not open"
xdotool windowfocus --sync "$wid" || fail "the main window cannot take the focus"
xdotool mousemove $parked_mouse
wait_stable start || fail "the start screen does not settle"
measure_windows
no_message_box "start"

for stage in "${stages[@]}"; do
    "stage_$stage"
done

echo "e2e: the exit command asks, and OK ends the program"
box=$(menu_box alt+f q)
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
