#!/usr/bin/env bash
# Starts the end-to-end test in a private virtual screen of 1366 x 768 pixels
# with a window manager (openbox), which frames the windows as a desktop does.
#   start_e2e.sh RUN_E2E [STAGE...]   with ZAN_E2E_APP, ZAN_E2E_PROBE, ZAN_E2E_OUT set
set -u
for tool in xvfb-run Xvfb xauth xdotool import identify convert openbox xwininfo xprop xmessage; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing (tools/install-deps.sh installs it); skipped"; exit 77; }
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# A sanitizer build reports leaks at exit; those of the system libraries are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec xvfb-run -a -s "-screen 0 1366x768x24 -nolisten tcp" bash -c '
    export HOME=$(mktemp -d)  # openbox keeps its session files there
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    # The window manager is up once it names itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.05
    done
    bash "$@"
    status=$?
    kill $wm 2>/dev/null
    rm -rf "$HOME"
    exit $status' e2e "$1" "$ZAN_E2E_APP" "$ZAN_E2E_PROBE" "$ZAN_E2E_OUT" "${@:2}"
