#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started where no display can be had, the program ends at once with status 1 and one line that
# says so and how to get one; with no display named, and with one named that is not there.
#   no_display_test.sh PROGRAM
set -u
program=$1
failed=0
check() {
    local what=$1
    shift
    local output status
    output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$program" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [ "$(wc -l <<<"$output")" -ne 1 ] ||
        ! grep -q 'no display to open the window on.*xvfb-run' <<<"$output"; then
        echo "FAIL ($what): status $status, output:"
        printf '%s\n' "$output"
        failed=1
    else
        echo "ok ($what): $output"
    fi
}
check "no display named" -u DISPLAY
check "a display that is not there" DISPLAY=:9999
exit $failed
