#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Qt for Windows, cross-built once from Debian's own Qt source with MinGW-w64 and kept in a cache
# (FANSEL_CACHE, /var/cache/fan-selection by default); built again only when it is missing. The
# host tools (moc, uic, rcc) are Debian's own Qt of the same version, so the two always match.
# Only Core, Gui, Widgets, PrintSupport and Test are built. Beside Qt the cache keeps its licence (LGPL-3) and
# a note of the source it was built from, for the installer. Sourced; sets qt_windows.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache="${FANSEL_CACHE:-/var/cache/fan-selection}"
qt_package=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# The name changes with what is built, so that an older cache is never taken for this one.
qt_windows="$cache/qt-windows-${qt_package%%+*}-print"
# One run builds it at a time, under a lock: a second run waits, then finds it made. Each run
# builds in a folder of its own, and removes only that.
mkdir -p "$cache"
exec {qt_lock}>"$cache/qt-windows.lock"
if [ ! -f "$qt_windows/.complete" ] && ! flock -n "$qt_lock"; then
    echo "Another run is building Qt for Windows; waiting for it"
    flock "$qt_lock"
fi
if [ ! -f "$qt_windows/.complete" ]; then
    flock "$qt_lock"
    work=$(mktemp -d "$cache/qt-windows-build.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    rm -rf "$qt_windows" # an unfinished one, which no other run can be building now
    echo "Building Qt $qt_package for Windows once (about 30 minutes on two cores); kept in $qt_windows"
    # Debian's source, through the machine's own apt source entry, which must serve sources too.
    if ! grep -qs 'deb-src' /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list; then
        sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
        "$here/../tools/install-missing" --update
    fi
    (cd "$work" && apt-get source -qq --download-only "qt6-base=$qt_package" >/dev/null 2>&1 &&
        dpkg-source -x --no-check ./*.dsc src >/dev/null 2>&1)
    mkdir -p "$work/build"
    (cd "$work/build" &&
        "$work/src/configure" -prefix "$qt_windows" -release -shared -opensource -confirm-license \
            -nomake examples -nomake tests -no-opengl -no-dbus -no-feature-sql \
            -no-feature-network -no-feature-xml \
            -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
            -qt-host-path /usr -- -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" \
            -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
            -DFEATURE_tabletevent=OFF >"$work/configure.log" 2>&1 ||
        { tail -30 "$work/configure.log"; exit 1; })
    # Debian's repacked source leaves out the tablet header the Windows platform would include,
    # hence no tablet input above.
    nice -n 10 cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
        { grep -m5 -B2 -A8 'error' "$work/build.log"; exit 1; }
    cmake --install "$work/build" >/dev/null
    cp "$work/src/LICENSES/LGPL-3.0-only.txt" "$qt_windows/LICENSE.LGPL3.txt"
    printf '%s\r\n' "Qt $qt_package for Windows (Core, Gui, Widgets, PrintSupport), under the GNU LGPL version 3:" \
        "built with MinGW-w64 from Debian's qt6-base source package, version $qt_package," \
        "unchanged but for Debian's patches: apt-get source qt6-base=$qt_package" \
        >"$qt_windows/QT-SOURCE.txt"
    touch "$qt_windows/.complete"
    rm -rf "$work"
    trap - EXIT
fi
exec {qt_lock}>&-
