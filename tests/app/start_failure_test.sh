#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Where the window cannot be opened, the program ends at once with status 1 and one line that
# says what failed; where it can, nothing Qt said while it started is lost.
#   start_failure_test.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
failed=0

# check WHAT PATTERN [VAR=VALUE...]: one line matching PATTERN, and status 1.
check() {
    local what=$1 pattern=$2
    shift 2
    local output status
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_QPA_PLATFORM_PLUGIN_PATH \
        XDG_RUNTIME_DIR="$work/runtime" "$@" timeout 20 "$program" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [ "$(wc -l <<<"$output")" -ne 1 ] || ! grep -qE "^fan-selection: $pattern" <<<"$output"; then
        echo "FAIL ($what): status $status, output:"
        printf '%s\n' "$output"
        failed=1
    else
        echo "ok ($what): $output"
    fi
}

check "no display named" 'there is no display to open the window on; .*: xvfb-run -a fan-selection$'
check "an X display that is not there" 'cannot reach the X display ":9999"$' DISPLAY=:9999
check "a Wayland socket that is gone" "cannot reach the Wayland display \"$work/gone\"\$" \
    WAYLAND_DISPLAY="$work/gone"

# A working X display beside the failures that follow.
Xvfb -displayfd 1 -nolisten tcp -noreset -screen 0 1024x768x24 >"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(head -1 "$work/display")"

check "Wayland asked for, no compositor, an X display there" \
    "cannot reach the Wayland display \"$work/runtime/wayland-0\"; the X display \"$display\" is there: unset QT_QPA_PLATFORM to use it\$" \
    DISPLAY="$display" QT_QPA_PLATFORM=wayland
check "a platform that does not exist" \
    'there is no window platform "foo" \(Qt: .*\); the platforms there are: .*\bxcb\b.*' \
    DISPLAY="$display" QT_QPA_PLATFORM=foo
# A platform plugin that is there but cannot be loaded, as when a library it needs is missing: a
# copy of the program whose qt.conf names a plugin folder holding only such a plugin.
mkdir -p "$work/bin" "$work/plugins/platforms"
cp "$program" "$work/bin/"
printf '[Paths]\nPlugins = %s\n' "$work/plugins" >"$work/bin/qt.conf"
qt_plugins=$(dirname "$(ldd "$program" | awk '/libQt6Core/ {print $3}')")/qt6/plugins
cp "$qt_plugins/platforms/libqxcb.so" "$work/plugins/platforms/"
patchelf --add-needed libfan-selection-missing.so.1 "$work/plugins/platforms/libqxcb.so"
program="$work/bin/$(basename "$program")" check "a platform that cannot be loaded" \
    'the window platform "xcb" cannot be loaded: .*libfan-selection-missing\.so\.1.*; the platforms there are: xcb$' \
    DISPLAY="$display"
check "any other fatal message" 'Cannot create window: no screens available$' \
    QT_QPA_PLATFORM=linuxfb:fb=/nonexistent/fb

# A start that succeeds: what Qt said meanwhile comes out through its own handler (here its
# account of the platform plugins it looked at), and the window stays open.
output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" \
    QT_DEBUG_PLUGINS=1 timeout 3 "$program" 2>&1)
status=$?
if [ "$status" -ne 124 ] || ! grep -q 'libqxcb' <<<"$output"; then
    echo "FAIL (a start that succeeds): status $status, output:"
    printf '%s\n' "$output"
    failed=1
else
    echo "ok (a start that succeeds): $(grep -c . <<<"$output") lines from Qt, after the start"
fi
exit $failed
