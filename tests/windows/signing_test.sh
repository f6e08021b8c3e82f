#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The release signed as a packager signs it: with a throwaway code-signing certificate (from a
# throwaway authority) made here, its key under a password read from a file, the program, its
# libraries and the installer are signed while the installer is made, and every signature is
# verified against that authority with osslsigncode; the uninstaller the installer writes,
# installed for the current user under Wine, is signed too. Half a certificate and key, a key
# not the certificate's, a certificate not for code signing, a wrong password and a signature
# that does not verify each stop the release with a line that says so. Nothing is left behind.
#   signing_test.sh BUILD_DIR INSTALLER_CMAKE
set -euo pipefail
build=$1 installer_cmake=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway test authority" \
    -keyout ca.key -out ca.pem -addext basicConstraints=critical,CA:true \
    -addext keyUsage=critical,keyCertSign 2>/dev/null
# certificate NAME USAGE: a certificate of the authority's, for that extended key usage.
certificate() {
    openssl req -newkey rsa:2048 -nodes -subj "/CN=Throwaway $1" -keyout "$1.key" -out "$1.csr" 2>/dev/null
    printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$2" >ext
    openssl x509 -req -in "$1.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile ext \
        -out "$1.pem" 2>/dev/null
}
certificate signer codeSigning
certificate stranger codeSigning
certificate website serverAuth
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
refused "is not the key of the certificate" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/stranger.key"
refused "is not a code-signing certificate" FANSEL_SIGN_CERT="$work/website.pem" \
    FANSEL_SIGN_KEY="$work/website.key"
refused "wrong or missing password" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/protected.key"
refused "does not verify against" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/signer.key" FANSEL_SIGN_CHAIN="$work/website.pem"

FANSEL_SIGN_CERT=$work/signer.pem FANSEL_SIGN_KEY=$work/protected.key \
    FANSEL_SIGN_PASSWORD_FILE=$work/password FANSEL_SIGN_CHAIN=$work/ca.pem make_release

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
