# SPDX-License-Identifier: MIT
# Throwaway certificates for the signing tests, made in the current folder and valid two days:
# an authority (ca.pem, ca.key), and, by `certificate NAME USAGE`, a certificate of the
# authority's for that extended key usage (NAME.pem, NAME.key). Sourced.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway test authority" \
    -keyout ca.key -out ca.pem -addext basicConstraints=critical,CA:true \
    -addext keyUsage=critical,keyCertSign 2>/dev/null
certificate() {
    openssl req -newkey rsa:2048 -nodes -subj "/CN=Throwaway $1" -keyout "$1.key" -out "$1.csr" 2>/dev/null
    printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$2" >ext
    openssl x509 -req -in "$1.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile ext \
        -out "$1.pem" 2>/dev/null
}
