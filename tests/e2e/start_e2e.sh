#!/usr/bin/env bash
# Starts the end-to-end test in a private virtual screen of 1024 x 768 pixels.
#   start_e2e.sh RUN_E2E [STAGE...]   with ZAN_E2E_APP, ZAN_E2E_PROBE, ZAN_E2E_OUT set
set -u
for tool in xvfb-run Xvfb xauth xdotool import; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing (tools/install-deps.sh installs it); skipped"; exit 77; }
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# A sanitizer build reports leaks at exit; those of the system libraries are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$1" "$ZAN_E2E_APP" "$ZAN_E2E_PROBE" "$ZAN_E2E_OUT" "${@:2}"
