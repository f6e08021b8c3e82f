#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with Debian's own tools in a copy of the tree, and holds it to what
# Debian and the software centres ask: lintian and appstreamcli find nothing to warn of, the
# desktop entry validates, the package carries every file it should, and each of them shows the
# one version the CMake project names.
#   package_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A copy of what is in the tree (tracked, or new and not ignored), as a clean clone has it.
mkdir "$work/fan-selection"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -co --exclude-standard -z |
        (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$work/fan-selection"
else
    tar -C "$source_dir" --exclude='./build*' -cf - . | tar -xf - -C "$work/fan-selection"
fi
cd "$work/fan-selection"

version=$(sed -n 's/^project(FanSelection VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt"
identity() { sed -n "s/^set(FANSEL_$1 \"\{0,1\}\([^\")]*\)\"\{0,1\}).*/\1/p" CMakeLists.txt; }
app_id=$(identity APP_ID) homepage=$(identity HOMEPAGE) contact=$(identity CONTACT)
[ -n "$app_id" ] && [ -n "$homepage" ] && [ -n "$contact" ] || fail "no identity in CMakeLists.txt"
for file in debian/control debian/copyright debian/changelog; do
    grep -q "<$contact>" "$file" || fail "$file does not name the contact $contact"
done
[ "$(dpkg-parsechangelog -S Version)" = "$version" ] ||
    fail "debian/changelog names $(dpkg-parsechangelog -S Version), the project $version"

dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1 ||
    { tail -40 "$work/build.log"; fail "dpkg-buildpackage"; }
deb="$work/fan-selection_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"
echo "built $(basename "$deb")"

echo "lintian (every tag down to pedantic; none stands below when the package is clean):"
status=0
tags=$(lintian --fail-on error,warning --info --pedantic "${deb%.deb}.changes" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$tags" || true
[ "$status" -eq 0 ] || fail "lintian warns"

root="$work/unpacked"
dpkg-deb -x "$deb" "$root"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
desktop=$root/usr/share/applications/$app_id.desktop
for file in usr/bin/fan-selection usr/share/man/man1/fan-selection.1.gz "${metainfo#$root/}" \
    "${desktop#$root/}" usr/share/doc/fan-selection/copyright \
    usr/share/doc/fan-selection/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
sizes=$(sed -n 's/^set(icon_sizes \(.*\))$/\1/p' icon/CMakeLists.txt)
[ -n "$sizes" ] || fail "no icon sizes in icon/CMakeLists.txt"
for size in $sizes; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/fan-selection.png"
    [ -f "$icon" ] || fail "the package lacks its ${size}x${size} icon"
    [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')" = "${size}x${size}" ] ||
        fail "$icon is not ${size}x${size}"
done

echo "appstreamcli:"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || { echo "$report"; fail "appstreamcli"; }
echo "$report"
if grep -qE '^[EW]: ' <<<"$report"; then fail "appstreamcli warns"; fi
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -qx 'Exec=fan-selection' "$desktop" || fail "the desktop entry does not start fan-selection"
grep -q "<url type=\"homepage\">$homepage</url>" "$metainfo" || fail "the metadata has no homepage"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not name the desktop entry"

# One version everywhere.
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"
zcat "$root/usr/share/man/man1/fan-selection.1.gz" | grep -q "^\.TH .*\"fan-selection $version\"" ||
    fail "the manual page does not show $version"
grep -qa "Sürüm $version - " "$root/usr/bin/fan-selection" || fail "the credit line does not show $version"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation-sans-narrow; do
    grep -qw "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw qt6-wayland <<<"$recommends" || fail "the package does not recommend qt6-wayland"
echo "package checked: version $version; Depends: $depends; Recommends: $recommends"
