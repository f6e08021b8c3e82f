#!/usr/bin/env bash
# Installs the program into a temporary prefix and checks what lands there, then builds the
# Debian package and checks its contents and dependencies.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
[ -x "$work/prefix/bin/fan-selection" ] || fail "no program in bin/"
desktop="$work/prefix/share/applications/fan-selection.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -qx 'Name=Vidalı Kompresör Soğutucu Fan Seçim Programı' "$desktop" || fail "wrong name"
grep -qx 'Exec=fan-selection' "$desktop" || fail "wrong command"
for size in 16 32 48 64 128 256; do
    icon="$work/prefix/share/icons/hicolor/${size}x${size}/apps/fan-selection.png"
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no PNG $icon"
    [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')" = "${size}x${size}" ] \
        || fail "$icon is not ${size}x${size}"
done
echo "installed: bin/fan-selection, the desktop entry and icons of 6 sizes"

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(ls "$work"/package/fan-selection_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: $(basename "$deb"); Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/fan-selection ./usr/share/applications/fan-selection.desktop \
    ./usr/share/icons/hicolor/32x32/apps/fan-selection.png; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
echo "package checked"
