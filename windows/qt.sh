#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Qt for Windows, cross-built once from Debian's own Qt source with MinGW-w64 and kept in a cache
# (FANSEL_CACHE, /var/cache/fan-selection by default); built again only when it is missing. The
# host tools (moc, uic, rcc) are Debian's own Qt of the same version. Sourced; sets qt_windows to
# the installed Qt.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache="${FANSEL_CACHE:-/var/cache/fan-selection}"
qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev | sed 's/+.*//')
qt_windows="$cache/qt-windows-$qt_version"
if [ ! -f "$qt_windows/.complete" ]; then
    work="$cache/qt-windows-build"
    rm -rf "$work" "$qt_windows"
    mkdir -p "$work"
    echo "Building Qt $qt_version for Windows once (about 25 minutes on two cores); kept in $qt_windows"
    (cd "$work" && apt-get source -qq --download-only qt6-base="$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null &&
        dpkg-source -x --no-check ./*.dsc src >/dev/null)
    mkdir -p "$work/build"
    (cd "$work/build" &&
        "$work/src/configure" -prefix "$qt_windows" -release -shared -opensource -confirm-license \
            -nomake examples -nomake tests -no-opengl -no-dbus -no-feature-sql \
            -no-feature-network -no-feature-printsupport -no-feature-xml \
            -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
            -qt-host-path /usr -- -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" \
            -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
            -DFEATURE_tabletevent=OFF >"$work/configure.log" 2>&1 ||
        { tail -30 "$work/configure.log"; exit 1; })
    nice -n 10 cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
        { grep -m5 -B2 -A8 'error' "$work/build.log"; exit 1; }
    cmake --install "$work/build" >/dev/null
    touch "$qt_windows/.complete"
    rm -rf "$work"
fi
