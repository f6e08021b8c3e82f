#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The release signed as a packager signs it: with a throwaway code-signing certificate (from a
# throwaway authority) made here, its key under a password read from a file, the program, its
# libraries and the installer are signed while the installer is made, and every signature is
# verified against that authority with osslsigncode; the uninstaller the installer writes,
# installed for the current user under Wine, is signed too. The closing line says what was
# checked: verified against the chain where one was given, and otherwise that none was. Half a
# certificate and key, and a password in the environment, stop the release before anything is
# made, with a line that says so. (What the signing script itself refuses is proven by
# sign_test.sh, with each Debian release's own osslsigncode.) Nothing is left behind.
#   signing_test.sh BUILD_DIR INSTALLER_CMAKE UNRAISED_EXE
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1 installer_cmake=$2 unraised=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

source "$here/certificates.sh"
certificate signer codeSigning
# The signer's key under a password, which the release reads from a file.
openssl pkey -in signer.key -aes256 -passout pass:throwaway -out protected.key
echo throwaway >password
make_release() {
    cmake -DBUILD="$build" -DSIGN="$build/windows/sign" -DSCRIPT="$build/windows/installer.nsi" \
        -DSTAGE="$work/stage" -DOUTFILE="$work/signed-setup.exe" -P "$installer_cmake"
}

# Each fault stops the release with a line that says what is wrong, and leaves no installer.
refused() {
    local said
    if said=$( (export "${@:2}" && make_release) 2>&1); then
        echo "FAIL: the release was made with $1"
        exit 1
    fi
    [ ! -e signed-setup.exe ] || { echo "FAIL: an installer was left with $1"; exit 1; }
    grep -q "$1" <<<"$said" || { echo "FAIL: with $1 the release said:"; echo "$said"; exit 1; }
    echo "refused, as it should be: $(grep -m1 "$1" <<<"$said")"
}
refused "names no key" FANSEL_SIGN_CERT="$work/signer.pem"
refused "names no certificate" FANSEL_SIGN_KEY="$work/signer.key"
refused "FANSEL_SIGN_PASSWORD would reach" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/protected.key" FANSEL_SIGN_PASSWORD=throwaway

# said WHAT: the release is made, and its last line says WHAT.
said() {
    local out
    out=$(make_release 2>&1) || { echo "$out"; echo "FAIL: the release was not made"; exit 1; }
    grep -F -- "$1" <<<"$out" || { echo "$out"; echo "FAIL: the release did not say: $1"; exit 1; }
}
FANSEL_SIGN_CERT=$work/signer.pem FANSEL_SIGN_KEY=$work/signer.key \
    said "the certificate is embedded; no chain given to verify against"
FANSEL_SIGN_CERT=$work/signer.pem FANSEL_SIGN_KEY=$work/protected.key \
    FANSEL_SIGN_PASSWORD_FILE=$work/password FANSEL_SIGN_CHAIN=$work/ca.pem \
    said "and verified against $work/ca.pem"

failed=0
verify() {
    local report
    if report=$(osslsigncode verify -CAfile ca.pem -in "$1" 2>&1) &&
        grep -q "Signature verification: ok" <<<"$report"; then
        echo "signed and verified: ${1#"$work"/}"
    else
        echo "FAIL: ${1#"$work"/} is not signed as it should be:"
        printf '%s\n' "$report" | tail -5
        failed=1
    fi
}
mapfile -t binaries < <(find stage -name '*.exe' -o -name '*.dll' | sort)
[ "${#binaries[@]}" -ge 8 ] || { echo "FAIL: only ${#binaries[@]} binaries staged"; exit 1; }
for binary in "${binaries[@]}" signed-setup.exe; do
    verify "$work/$binary"
done
osslsigncode verify -CAfile ca.pem -in signed-setup.exe 2>&1 | sed -n '/Signer.s certificate/,/^$/p' | head -8

# The uninstaller is written by the installer: installed for the current user, it is signed.
# For one user, with the user's own rights, as Windows runs a user's programs (Wine raises them).
wine "$unraised" signed-setup.exe /S /CurrentUser
folder=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")/Programs/Fan\ Selection
verify "$folder/uninstall.exe"
# The uninstaller goes on in a copy of itself, and ends with the folder gone.
wine "$unraised" "$folder/uninstall.exe" /S /CurrentUser
for _ in $(seq 600); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || { echo "FAIL: the uninstall left $folder"; failed=1; }
exit $failed
