#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The release's signing script (windows/sign) with the osslsigncode and openssl of the system it
# runs on: ./tools/test runs it in clean systems of Debian 12 and 13 with their own packages.
# With a throwaway authority and certificates made here, and the key under a password read from
# a file: every program and library of the release is signed and verifies against the authority,
# and while signing runs no process on the machine has the password in its environment or on its
# command line. A wrong password, a missing one, a key not the certificate's, a certificate not
# for code signing and a signature that does not verify against the chain each stop it with a
# line that says so, and leave no file changed. Nothing is left behind.
#   sign_test.sh SIGN STAGE_DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
sign=$1 stage=$2
work=$(mktemp -d)
watcher=
trap '[ -z "$watcher" ] || kill "$watcher" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
echo "$(osslsigncode --version 2>&1 | head -1); $(openssl version)"

source "$here/certificates.sh"
certificate signer codeSigning
certificate stranger codeSigning
certificate website serverAuth
# The signer's key under a password that no command line ever carries.
openssl rand -hex 16 >password
openssl rand -hex 16 >wrong
openssl pkey -in signer.key -aes256 -passout file:password -out protected.key

mkdir files
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec cp {} files/ \;
mapfile -t binaries < <(find "$work/files" -type f | sort)
[ "${#binaries[@]}" -ge 8 ] || { echo "FAIL: only ${#binaries[@]} binaries in $stage"; exit 1; }
sha256sum "${binaries[@]}" >unsigned.sums

# Each fault stops the signing with a line that says what is wrong, and changes no file.
refused() {
    local said
    if said=$(env -u FANSEL_SIGN_CHAIN -u FANSEL_SIGN_PASSWORD_FILE "${@:2}" "$sign" "${binaries[@]}" 2>&1); then
        echo "FAIL: signed with $1"
        exit 1
    fi
    grep -q "$1" <<<"$said" || { echo "FAIL: with $1 the signing said:"; echo "$said"; exit 1; }
    sha256sum --quiet -c unsigned.sums || { echo "FAIL: a file changed with $1"; exit 1; }
    echo "refused, as it should be: $said"
}
refused "names no key" FANSEL_SIGN_CERT="$work/signer.pem" FANSEL_SIGN_KEY=
refused "names no certificate" FANSEL_SIGN_CERT= FANSEL_SIGN_KEY="$work/signer.key"
refused "is not the key of the certificate" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/stranger.key"
refused "is not a code-signing certificate" FANSEL_SIGN_CERT="$work/website.pem" \
    FANSEL_SIGN_KEY="$work/website.key"
refused "protected by a password, and none was given" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/protected.key"
refused "a wrong password" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/protected.key" FANSEL_SIGN_PASSWORD_FILE="$work/wrong"
refused "does not verify against" FANSEL_SIGN_CERT="$work/signer.pem" \
    FANSEL_SIGN_KEY="$work/signer.key" FANSEL_SIGN_CHAIN="$work/website.pem"

# While the signing runs, every process's environment and command line is searched for the
# password, over and over (the password is read from a file: no command line here names it).
watch_for_the_password() {
    local scans=0 seen=0
    while [ ! -e "$work/done" ]; do
        grep -slF -f "$work/password" /proc/[0-9]*/environ /proc/[0-9]*/cmdline >>"$work/found" || true
        ! grep -qsx osslsigncode /proc/[0-9]*/comm || seen=$((seen + 1))
        scans=$((scans + 1))
    done
    echo "$scans $seen" >"$work/scans"
}
# The search finds the password where it is: in a process's environment, as a check of itself.
FANSEL_CANARY=$(cat password) sleep 60 &
canary=$!
for _ in $(seq 200); do
    [ "$(cat "/proc/$canary/comm" 2>/dev/null)" != sleep ] || break
    sleep 0.05
done
grep -qlF -f password "/proc/$canary/environ" ||
    { kill "$canary"; echo "FAIL: the search does not find the password in an environment"; exit 1; }
kill "$canary"
wait "$canary" 2>/dev/null || true
: >found
watch_for_the_password &
watcher=$!
status=0
FANSEL_SIGN_CERT=$work/signer.pem FANSEL_SIGN_KEY=$work/protected.key \
    FANSEL_SIGN_PASSWORD_FILE=$work/password FANSEL_SIGN_CHAIN=$work/ca.pem \
    "$sign" "${binaries[@]}" || status=$?
touch done
wait "$watcher"
watcher=
[ "$status" -eq 0 ] || { echo "FAIL: signing with a protected key ended with status $status"; exit 1; }
read -r scans seen <scans
echo "while signing: $scans searches of every process's environment and command line, $seen of them beside osslsigncode; the password found in: $(cat found | tr '\n' ' ')"
[ ! -s found ] || { echo "FAIL: the password reached a process"; exit 1; }
[ "$seen" -gt 0 ] || { echo "FAIL: no search ran while osslsigncode did"; exit 1; }

failed=0
for binary in "${binaries[@]}"; do
    if report=$(osslsigncode verify -CAfile ca.pem -in "$binary" 2>&1) &&
        grep -q "Signature verification: ok" <<<"$report"; then
        echo "signed and verified: ${binary##*/}"
    else
        echo "FAIL: ${binary##*/} is not signed as it should be:"
        printf '%s\n' "$report" | tail -5
        failed=1
    fi
done
exit $failed
