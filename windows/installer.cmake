# SPDX-License-Identifier: MIT
# Makes the Windows installer: the build installed into STAGE (its binaries stripped, and signed
# where the environment names a certificate, FANSEL_SIGN_CERT and FANSEL_SIGN_KEY), then NSIS
# makes OUTFILE of it, signing it and its uninstaller in the same case. Every signature is
# verified as it is made (sign); any fault stops the release, and no installer is left.
#   cmake -DBUILD=DIR -DSTAGE=DIR -DOUTFILE=FILE -DSCRIPT=installer.nsi -DSIGN=sign -P installer.cmake
# Signed whole or not at all: half a certificate and key is an error, never an unsigned release.
# The key's password comes in a file (FANSEL_SIGN_PASSWORD_FILE), never in the environment.
set(signing)
set(cert "$ENV{FANSEL_SIGN_CERT}")
set(key "$ENV{FANSEL_SIGN_KEY}")
if(cert AND NOT key)
    message(FATAL_ERROR "The Windows release was not made: FANSEL_SIGN_CERT names a certificate, but FANSEL_SIGN_KEY names no key")
elseif(key AND NOT cert)
    message(FATAL_ERROR "The Windows release was not made: FANSEL_SIGN_KEY names a key, but FANSEL_SIGN_CERT names no certificate")
elseif(DEFINED ENV{FANSEL_SIGN_PASSWORD})
    # Every program run from here would have it in its environment.
    message(FATAL_ERROR "The Windows release was not made: FANSEL_SIGN_PASSWORD would reach every program the release runs; name a file that holds the password with FANSEL_SIGN_PASSWORD_FILE, or make the release with ./tools/windows, which takes it from FANSEL_SIGN_PASSWORD into such a file")
endif()
file(REMOVE_RECURSE ${STAGE} ${OUTFILE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE} OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
if(cert AND key)
    file(GLOB_RECURSE binaries ${STAGE}/*.dll ${STAGE}/*.exe)
    execute_process(COMMAND ${SIGN} ${binaries} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "The Windows release was not made: signing failed (above)")
    endif()
    set(signing -DSIGN=${SIGN})
else()
    message(STATUS "The Windows release is unsigned: neither FANSEL_SIGN_CERT nor FANSEL_SIGN_KEY is set")
endif()
execute_process(COMMAND makensis -V2 -INPUTCHARSET UTF8 -DSTAGE=${STAGE} -DOUTFILE=${OUTFILE}
                        ${signing} ${SCRIPT} RESULT_VARIABLE failed)
if(failed)
    file(REMOVE ${OUTFILE})
    message(FATAL_ERROR "The Windows release was not made: makensis failed (above)")
endif()
if(signing AND "$ENV{FANSEL_SIGN_CHAIN}" STREQUAL "")
    message(STATUS "Signed with ${cert}: the program, its libraries, the installer and its uninstaller; the certificate is embedded; no chain given to verify against")
elseif(signing)
    message(STATUS "Signed with ${cert} and verified against $ENV{FANSEL_SIGN_CHAIN}: the program, its libraries, the installer and its uninstaller")
endif()
