; SPDX-License-Identifier: MIT
; What guards the user's files in the installer and its uninstaller: a running program is never
; half replaced; only plain names of a list are removed, never through a junction or a symbolic
; link; and whether they run with rights raised above their user's. Included by installer.nsi;
; the macros WAIT_UNTIL_CLOSED UN and REMOVING UN make the functions for the installer ("") and
; for the uninstaller ("un."). Needs LogicLib and the language string RUNNING.
; Waits until the program in a folder is closed: a running program's file cannot be opened for
; writing. Asks to close it; a silent run waits a minute, then gives up with status 2, having
; changed nothing. For the installer and, as un.WaitUntilClosed, the uninstaller.
!macro WAIT_UNTIL_CLOSED UN
Function ${UN}WaitUntilClosed
    Exch $0
    Push $1
    Push $2
    StrCpy $2 0
    ${Do}
        ${IfNot} ${FileExists} "$0\fan-selection.exe"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $1 "$0\fan-selection.exe" a
        ${IfNot} ${Errors}
            FileClose $1
            ${Break}
        ${EndIf}
        ${If} ${Silent}
            IntOp $2 $2 + 1
            ${If} $2 > 120
                SetErrorLevel 2
                Quit
            ${EndIf}
            Sleep 500
        ${Else}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" IDRETRY again
            SetErrorLevel 2
            Quit
            again:
        ${EndIf}
    ${Loop}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend

!macro REMOVING UN
; Whether this process runs with rights raised above its user's own (Windows' elevation type
; "full": the user's other processes run with less). Pushes 1 or "".
Function ${UN}IsRaised
    Push $0
    Push $1
    Push $2
    Push $3
    StrCpy $3 ""
    System::Call 'advapi32::OpenProcessToken(p -1, i 8, *p .r1) i .r0'
    ${If} $0 <> 0
        System::Call 'advapi32::GetTokenInformation(p r1, i 18, *i .r0, i 4, *i .r2) i .r2'
        ${If} $2 <> 0
        ${AndIf} $0 = 2
            StrCpy $3 1
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r1)'
    ${EndIf}
    StrCpy $0 $3
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Whether a path is a junction or a symbolic link (a reparse point). Pushes 1 or "".
Function ${UN}IsLink
    Exch $0
    Push $1
    System::Call 'kernel32::GetFileAttributesW(w r0) i .r1'
    StrCpy $0 ""
    ${If} $1 <> -1
        IntOp $1 $1 & 0x400
        ${If} $1 <> 0
            StrCpy $0 1
        ${EndIf}
    ${EndIf}
    Pop $1
    Exch $0
FunctionEnd

; Whether a name of a list is plain: letters, digits and ". _ + -" in parts parted by single
; backslashes, no part ending in "." (so no "." or ".."), with a backslash at its end for a
; folder. No wildcard, drive, root or way up. Pushes 1 or "".
Function ${UN}IsPlainName
    Exch $0
    Push $1 ; where in the name
    Push $2 ; the letter there
    Push $3 ; the part so far
    Push $4 ; where in the letters allowed; the part's last letter
    Push $5 ; a letter allowed
    StrCpy $1 0
    StrCpy $3 ""
    ${Do}
        StrCpy $2 $0 1 $1
        ${If} $2 == "\"
        ${OrIf} $2 == ""
            ; A part ends here. An empty one only after the backslash that ends a folder's name.
            ${If} $3 == ""
                ${If} $2 == ""
                ${AndIf} $1 > 0
                    StrCpy $0 1
                ${Else}
                    StrCpy $0 ""
                ${EndIf}
                ${Break}
            ${EndIf}
            StrCpy $4 $3 1 -1
            ${If} $4 == "."
                StrCpy $0 ""
                ${Break}
            ${EndIf}
            ${If} $2 == ""
                StrCpy $0 1
                ${Break}
            ${EndIf}
            StrCpy $3 ""
        ${Else}
            ; Compared without regard to case: the letters allowed need not name capitals.
            StrCpy $4 0
            ${Do}
                StrCpy $5 "abcdefghijklmnopqrstuvwxyz0123456789._+-" 1 $4
                ${IfThen} $5 == "" ${|} ${Break} ${|}
                ${IfThen} $5 == $2 ${|} ${Break} ${|}
                IntOp $4 $4 + 1
            ${Loop}
            ${If} $5 == ""
                StrCpy $0 ""
                ${Break}
            ${EndIf}
            StrCpy $3 "$3$2"
        ${EndIf}
        IntOp $1 $1 + 1
    ${Loop}
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Removes one name of a list from a folder: a file, or, with a backslash at its end, a folder
; where it is empty (a link, as a link). Only a plain name, and never through a link: where the
; folder itself or one on the way to the name is a junction or a symbolic link, nothing is
; removed. Push the name, then the folder.
Function ${UN}RemoveName
    Exch $0 ; the folder
    Exch
    Exch $1 ; the name
    Push $2
    Push $3
    Push $4
    Push $1
    Call ${UN}IsPlainName
    Pop $2
    ${If} $2 == 1
        Push $0
        Call ${UN}IsLink
        Pop $3
        ${IfThen} $3 == 1 ${|} StrCpy $2 "" ${|}
    ${EndIf}
    ; Each folder on the way: every backslash but one at the end closes one.
    StrCpy $3 0
    ${DoWhile} $2 == 1
        StrCpy $4 $1 1 $3
        ${IfThen} $4 == "" ${|} ${Break} ${|}
        IntOp $3 $3 + 1
        ${If} $4 == "\"
            StrCpy $4 $1 1 $3
            ${IfThen} $4 == "" ${|} ${Break} ${|}
            IntOp $4 $3 - 1
            StrCpy $4 $1 $4
            Push "$0\$4"
            Call ${UN}IsLink
            Pop $4
            ${IfThen} $4 == 1 ${|} StrCpy $2 "" ${|}
        ${EndIf}
    ${Loop}
    ${If} $2 == 1
        StrCpy $3 $1 1 -1
        ${If} $3 == "\"
            StrCpy $3 $1 -1
            RMDir "$0\$3"
        ${Else}
            Delete "$0\$1"
        ${EndIf}
    ${EndIf}
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
