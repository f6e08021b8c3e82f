# SPDX-License-Identifier: MIT
# Makes the Windows installer: the build installed into STAGE (its binaries stripped, and signed
# where the environment names a certificate, FANSEL_SIGN_CERT and FANSEL_SIGN_KEY), then NSIS
# makes OUTFILE of it, signing it and its uninstaller in the same case.
#   cmake -DBUILD=DIR -DSTAGE=DIR -DOUTFILE=FILE -DSCRIPT=installer.nsi -DSIGN=sign -P installer.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE} OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
set(signing)
if(DEFINED ENV{FANSEL_SIGN_CERT} AND DEFINED ENV{FANSEL_SIGN_KEY})
    file(GLOB_RECURSE binaries ${STAGE}/*.dll ${STAGE}/*.exe)
    execute_process(COMMAND ${SIGN} ${binaries} COMMAND_ERROR_IS_FATAL ANY)
    set(signing -DSIGN=${SIGN})
    message(STATUS "Signed with $ENV{FANSEL_SIGN_CERT}: the program, its libraries and the installer")
else()
    message(STATUS "The Windows release is unsigned: no certificate was given (FANSEL_SIGN_CERT, FANSEL_SIGN_KEY)")
endif()
execute_process(COMMAND makensis -V2 -INPUTCHARSET UTF8 -DSTAGE=${STAGE} -DOUTFILE=${OUTFILE}
                        ${signing} ${SCRIPT} COMMAND_ERROR_IS_FATAL ANY)
