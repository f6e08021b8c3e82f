# SPDX-License-Identifier: MIT
# The installer's list of what it installs, made from the installed tree when makensis runs
# (installer.nsi), so that it installs and removes those files by name and never a folder whole:
#  - OUT, NSIS macros: INSTALL_FILES puts every file of STAGE into $INSTDIR, and the list into
#    $INSTDIR\installed-files.txt; REMOVE_FILES FOLDER UN deletes those files from FOLDER and then
#    their folders, each only where it is empty, each through the installer's REMOVE_NAME (UN:
#    "un." in the uninstaller);
#    UNLINK_FOLDERS removes, as links, any of $INSTDIR and the folders it installs into that is a
#    junction or a symbolic link, through the installer's UNLINK, before anything is written;
#  - OUT.txt, that list: one file a line, relative to the folder, then the folders, deepest
#    first, each ending in a backslash. A later version's installer removes this one by it.
#   cmake -DSTAGE=DIR -DOUT=FILE -P files.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(folders)
set(install "!macro INSTALL_FILES\n")
set(remove "!macro REMOVE_FILES FOLDER UN\n")
set(listed)
set(current "-")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" name "${file}")
    if(NOT folder STREQUAL current)
        set(current "${folder}")
        string(REPLACE "/" "\\" windows_folder "${folder}")
        if(folder STREQUAL "")
            string(APPEND install "    SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND install "    SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
            # The folder and those above it, to remove once empty.
            while(NOT folder STREQUAL "")
                list(APPEND folders "${folder}")
                get_filename_component(folder "${folder}" DIRECTORY)
            endwhile()
        endif()
    endif()
    string(APPEND install "    File \"${STAGE}/${file}\"\n")
    string(APPEND remove "    !insertmacro REMOVE_NAME \"\${UN}\" \"\${FOLDER}\" \"${name}\"\n")
    string(APPEND listed "${name}\r\n")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)
set(unlink "!macro UNLINK_FOLDERS\n    !insertmacro UNLINK \"$INSTDIR\"\n")
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" name "${folder}")
    string(APPEND unlink "    !insertmacro UNLINK \"$INSTDIR\\${name}\"\n")
endforeach()
string(APPEND unlink "!macroend\n")
list(SORT folders ORDER DESCENDING) # a folder after those inside it
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" name "${folder}")
    string(APPEND remove "    !insertmacro REMOVE_NAME \"\${UN}\" \"\${FOLDER}\" \"${name}\\\"\n")
    string(APPEND listed "${name}\\\r\n")
endforeach()
string(APPEND install "    SetOutPath \"$INSTDIR\"\n    File \"/oname=installed-files.txt\" \"${OUT}.txt\"\n"
                      "!macroend\n")
string(APPEND remove "!macroend\n")
file(WRITE "${OUT}" "${install}${remove}${unlink}")
file(WRITE "${OUT}.txt" "${listed}")
