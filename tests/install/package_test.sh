#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package of one release, made and checked as Debian makes and checks it:
#  1. built with dpkg-buildpackage in a clean system of that release that holds only what
#     debian/control names (build-essential and the build dependencies);
#  2. held to that release's own lintian (pedantic, source and binary), appstreamcli and
#     desktop-file-validate, none of which may warn, and checked for its files, its one version
#     and identity, and its relations;
#  3. installed with apt, without recommendations, into another clean system of that release,
#     which must bring the dialog font; then tested there as Debian's CI tests it (autopkgtest:
#     debian/tests), and purged, which must leave none of its files behind.
# The systems are this run's own, and go with it; the logs of a failure (the package build's,
# autopkgtest's) stay in EVIDENCE_DIR.
#   package_test.sh SOURCE_DIR RELEASE EVIDENCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
release=$2
evidence=$3
env_tool="$source_dir/tools/release-env"
envs="${FANSEL_CACHE:-/var/cache/fan-selection}/envs"
mkdir -p "$envs"
systems=$(mktemp -d "$envs/package-$release.XXXXXX")
build_env="$systems/build"
install_env="$systems/install"
rm -rf "$evidence"
mkdir -p "$evidence"
finish() {
    local status=$?
    [ ! -f "$build_env/build/build.log" ] || cp "$build_env/build/build.log" "$evidence/"
    rm -rf "$systems"
    if [ "$status" -eq 0 ]; then
        rm -rf "$evidence"
    else
        echo "the logs of this failure are kept in $evidence"
    fi
}
trap finish EXIT
fail() { echo "FAIL ($release): $*" >&2; exit 1; }
in_env() { "$env_tool" run "$@"; }

# A copy of what is in the tree (tracked, or new and not ignored), as a clean clone has it.
"$env_tool" new "$release" "$build_env" >/dev/null
mkdir -p "$build_env/build/fan-selection"
git -C "$source_dir" ls-files -co --exclude-standard -z |
    (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$build_env/build/fan-selection"
cd "$build_env/build/fan-selection"

version=$(sed -n 's/^project(FanSelection VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt"
identity() { sed -n "s/^set(FANSEL_$1 \"\{0,1\}\([^\")]*\)\"\{0,1\}).*/\1/p" CMakeLists.txt; }
app_id=$(identity APP_ID) homepage=$(identity HOMEPAGE) contact=$(identity CONTACT)
[ -n "$app_id" ] && [ -n "$homepage" ] && [ -n "$contact" ] || fail "no identity in CMakeLists.txt"
for file in debian/control debian/copyright debian/changelog; do
    grep -q "<$contact>" "$file" || fail "$file does not name the contact $contact"
done
grep -q "^fan-selection ($version) " debian/changelog ||
    fail "debian/changelog does not begin with version $version"

# 1. The build, with nothing but build-essential and the build dependencies installed.
in_env "$build_env" bash -euc '
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends build-essential >/dev/null
    cd /build/fan-selection
    apt-get build-dep -y -qq ./ >/dev/null
    dpkg-buildpackage -us -uc >../build.log 2>&1 || { tail -40 ../build.log; exit 1; }
' || fail "dpkg-buildpackage"
arch=$(dpkg --print-architecture)
deb="$build_env/build/fan-selection_${version}_$arch.deb"
[ -f "$deb" ] || fail "no $(basename "$deb")"
echo "built $(basename "$deb") in a clean Debian $release"

# 2. That release's own tools.
in_env "$build_env" bash -euc '
    apt-get install -y -qq --no-install-recommends lintian appstream desktop-file-utils >/dev/null
    cd /build
    echo "$(lintian --version), pedantic, source and binary (no tag stands below when clean):"
    status=0
    tags=$(lintian --fail-on error,warning --info --pedantic ./*.changes 2>&1) || status=$?
    grep -v "^running with root" <<<"$tags" || true
    [ "$status" -eq 0 ]
    mkdir unpacked && dpkg-deb -x ./fan-selection_*_*.deb unpacked
    echo "appstreamcli $(appstreamcli --version | grep -o "[0-9][0-9.]*" | head -1):"
    report=$(appstreamcli validate --no-net unpacked/usr/share/metainfo/*.xml 2>&1) || { echo "$report"; exit 1; }
    echo "$report"
    if grep -qE "^[EW]: " <<<"$report"; then exit 1; fi
    desktop-file-validate unpacked/usr/share/applications/*.desktop
    echo "desktop-file-validate: clean"
' || fail "lintian, appstreamcli or desktop-file-validate warns"

root="$build_env/build/unpacked"
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
grep -qx 'Exec=fan-selection' "$desktop" || fail "the desktop entry does not start fan-selection"
grep -q "<url type=\"homepage\">$homepage</url>" "$metainfo" || fail "the metadata has no homepage"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not name the desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"
zcat "$root/usr/share/man/man1/fan-selection.1.gz" | grep -q "^\.TH .*\"fan-selection $version\"" ||
    fail "the manual page does not show $version"
grep -qa "Sürüm $version - " "$root/usr/bin/fan-selection" || fail "the credit line does not show $version"
depends=$(dpkg-deb -f "$deb" Depends) recommends=$(dpkg-deb -f "$deb" Recommends)
# (Debian 13 renamed Qt's libraries for its 64-bit time: libqt6core6t64 and so on.)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation-sans-narrow; do
    grep -qE "(^|[ ,])$needed(t64)?( |,|$)" <<<"$depends" || fail "the package does not depend on $needed"
done
grep -qw qt6-wayland <<<"$recommends" || fail "the package does not recommend qt6-wayland"
echo "package checked: Depends: $depends; Recommends: $recommends"

# 3. Installed as a user installs it, tested as Debian's CI tests it, and purged.
"$env_tool" new "$release" "$install_env" >/dev/null
mkdir -p "$install_env/packages/src"
cp "$deb" "$install_env/packages/"
# The source tree the installed tests come from, as a clean clone has it.
git -C "$source_dir" ls-files -co --exclude-standard -z |
    (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$install_env/packages/src"
in_env "$install_env" bash -euc '
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends ./packages/fan-selection_*.deb >/dev/null
    fc-list : family | grep -qx "Liberation Sans Narrow" ||
        { echo "the install did not bring Liberation Sans Narrow"; exit 1; }
    echo "installed with apt (no recommendations); the dialog font came with it"
    dpkg -L fan-selection | sort >/packages/files
    apt-get install -y -qq --no-install-recommends autopkgtest >/dev/null
' || fail "the install"
in_env "$install_env" bash -euc '
    cd /packages
    # What the tests need, installed before they run without a network.
    deps=$(sed -n "s/^Depends: //p" src/debian/tests/control | tr "," " ")
    apt-get install -y -qq --no-install-recommends $deps >/dev/null
' || fail "installing what the installed tests need"
# Its log is long with apt's words; what is shown is the test's own part and the summary.
log="$evidence/autopkgtest.log" # written there as it runs, kept also if the test is ended
status=0
in_env "$install_env" --offline autopkgtest --no-built-binaries /packages/src -- null \
    >"$log" 2>&1 || status=$?
shown=$(sed -n '/: test window: \[-/,/: test window: -*\]/p; /@@@ summary/,$p' "$log")
echo "${shown:-$(tail -40 "$log")}"
[ "$status" -eq 0 ] || fail "autopkgtest (status $status)"
in_env "$install_env" bash -euc '
    apt-get purge -y -qq fan-selection >/dev/null
    left=$(while read -r file; do
        if [ -f "$file" ] || [ -L "$file" ]; then echo "$file"; fi
    done </packages/files)
    [ -z "$left" ] || { echo "left behind: $left"; exit 1; }
    echo "purged: none of its files is left"
' || fail "the purge"
