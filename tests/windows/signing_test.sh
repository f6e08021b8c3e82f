#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The release signed as a packager signs it: with a throwaway code-signing certificate (from a
# throwaway authority) made here, the program, its libraries and the installer are signed while
# the installer is made, and every signature is verified against that authority with
# osslsigncode; the uninstaller the installer writes, installed for the current user under Wine,
# is signed too. Nothing is left behind.
#   signing_test.sh BUILD_DIR INSTALLER_CMAKE
set -euo pipefail
build=$1 installer_cmake=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway test authority" \
    -keyout ca.key -out ca.pem -addext basicConstraints=critical,CA:true \
    -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=Throwaway code signer" -keyout signer.key \
    -out signer.csr 2>/dev/null
printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile ext \
    -out signer.pem 2>/dev/null

FANSEL_SIGN_CERT=$work/signer.pem FANSEL_SIGN_KEY=$work/signer.key \
    cmake -DBUILD="$build" -DSIGN="$build/windows/sign" -DSCRIPT="$build/windows/installer.nsi" \
    -DSTAGE="$work/stage" -DOUTFILE="$work/signed-setup.exe" -P "$installer_cmake"

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
wine signed-setup.exe /S /CurrentUser
folder=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")/Programs/Fan\ Selection
verify "$folder/uninstall.exe"
# The uninstaller goes on in a copy of itself, and ends with the folder gone.
wine "$folder/uninstall.exe" /S /CurrentUser
for _ in $(seq 600); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || { echo "FAIL: the uninstall left $folder"; failed=1; }
exit $failed
