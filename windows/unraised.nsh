; SPDX-License-Identifier: MIT
; How the installer and its uninstaller hand the work for one user on to a process with that
; user's own rights, where they started with rights raised above them (an administrator's,
; whom the installer asks for the highest rights they have). The macro HAND_ON UN makes
; ${UN}RunUnraised and ${UN}HandedOn for the installer ("") and the uninstaller ("un."); the
; installer's own functions follow it. Needs LogicLib, FileFunc, MultiUser, the functions of
; guards.nsh and the language string RAISED.
; The raised process reads nothing for it that a lesser one could have written: it only starts
; its own program file again, with its own command line, and waits for its status.
!macro HAND_ON UN
; Runs a command line with its user's own rights: with the limited token linked to this
; process's raised one, as Windows runs an administrator's programs that ask for nothing more;
; where Windows gives no such token to start a program with, with the token of the user's
; desktop shell, which runs with the user's own rights. The program is not raised again for
; its manifest (__COMPAT_LAYER=RunAsInvoker). Waits for it. Push the command line; pushes its
; status, or "" where it could not be started.
Function ${UN}RunUnraised
    Exch $0 ; the command line
    Push $1 ; a call's result
    Push $2 ; the token to start it with
    Push $3 ; a token or process
    Push $4
    Push $5 ; STARTUPINFOW
    Push $6 ; PROCESS_INFORMATION
    Push $7 ; the status
    StrCpy $7 ""
    System::Call 'kernel32::SetEnvironmentVariableW(w "__COMPAT_LAYER", w "RunAsInvoker")'
    System::Alloc 104
    Pop $5
    System::Call '*$5(i 104)'
    System::Alloc 24
    Pop $6
    ; The linked token (TokenLinkedToken, 19), made a primary token (MAXIMUM_ALLOWED,
    ; SecurityImpersonation, TokenPrimary).
    StrCpy $2 0
    System::Call 'advapi32::OpenProcessToken(p -1, i 8, *p .r3) i .r1'
    ${If} $1 <> 0
        System::Call 'advapi32::GetTokenInformation(p r3, i 19, *p .r4, i ${NSIS_PTR_SIZE}, *i .r1) i .r1'
        ${If} $1 <> 0
            System::Call 'advapi32::DuplicateTokenEx(p r4, i 0x2000000, p 0, i 2, i 1, *p .r2) i .r1'
            ${IfThen} $1 = 0 ${|} StrCpy $2 0 ${|}
            System::Call 'kernel32::CloseHandle(p r4)'
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    StrCpy $1 0
    ${If} $2 <> 0
        System::Call 'advapi32::CreateProcessAsUserW(p r2, p 0, w r0, p 0, p 0, i 0, i 0, p 0, p 0, p r5, p r6) i .r1'
        System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ${If} $1 = 0
        ; The desktop shell's token (PROCESS_QUERY_LIMITED_INFORMATION, TOKEN_DUPLICATE).
        System::Call 'user32::GetShellWindow() p .r3'
        System::Call 'user32::GetWindowThreadProcessId(p r3, *i .r4) i .r1'
        ${If} $1 <> 0
            System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r4) p .r3'
            ${If} $3 <> 0
                System::Call 'advapi32::OpenProcessToken(p r3, i 2, *p .r4) i .r1'
                System::Call 'kernel32::CloseHandle(p r3)'
                ${If} $1 <> 0
                    System::Call 'advapi32::DuplicateTokenEx(p r4, i 0x2000000, p 0, i 2, i 1, *p .r2) i .r1'
                    System::Call 'kernel32::CloseHandle(p r4)'
                    ${If} $1 <> 0
                        System::Call 'advapi32::CreateProcessWithTokenW(p r2, i 0, p 0, w r0, i 0, p 0, p 0, p r5, p r6) i .r1'
                        System::Call 'kernel32::CloseHandle(p r2)'
                    ${EndIf}
                ${EndIf}
            ${EndIf}
        ${EndIf}
    ${EndIf}
    ${If} $1 <> 0
        System::Call '*$6(p .r3, p .r4)'
        System::Call 'kernel32::WaitForSingleObject(p r3, i -1) i'
        System::Call 'kernel32::GetExitCodeProcess(p r3, *i .r7) i'
        System::Call 'kernel32::CloseHandle(p r4)'
        System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    System::Call 'kernel32::SetEnvironmentVariableW(w "__COMPAT_LAYER", p 0)'
    System::Free $5
    System::Free $6
    StrCpy $0 $7
    Pop $7
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Whether this run was handed on by a raised one (/Unraised): it hands on no further, and its
; licence was accepted there. Pushes 1 or "".
Function ${UN}HandedOn
    Push $0
    Push $1
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/Unraised" $1
    StrCpy $0 ""
    ${IfNot} ${Errors}
        StrCpy $0 1
    ${EndIf}
    Pop $1
    Exch $0
FunctionEnd
!macroend


; The licence and the page that asks for whom: answered already in the run that handed on.
Function SkipWhenHandedOn
    Call HandedOn
    Pop $0
    ${IfThen} $0 == 1 ${|} Abort ${|}
FunctionEnd

; Where it would install for one user with raised rights, a run of the installer with the
; user's own rights does it (with this run's switches, and for this user alone), and this one
; ends with its status. Where that cannot be done, it refuses (below).
Function HandOnForOneUser
    Call IsRaised
    Pop $0
    Call HandedOn
    Pop $1
    ${If} $MultiUser.InstallMode == CurrentUser
    ${AndIf} $0 == 1
    ${AndIf} $1 != 1
        ${GetParameters} $1
        HideWindow
        Push '"$EXEPATH" $1 /CurrentUser /Unraised'
        Call RunUnraised
        Pop $0
        ${If} $0 != ""
            SetErrorLevel $0
            Quit
        ${EndIf}
    ${EndIf}
    Call RefuseRaisedForOneUser
FunctionEnd

; Ends the installer with status 5, having changed nothing, where it would install for one user
; with raised rights.
Function RefuseRaisedForOneUser
    Call IsRaised
    Pop $0
    ${If} $MultiUser.InstallMode == CurrentUser
    ${AndIf} $0 == 1
        MessageBox MB_OK|MB_ICONSTOP "$(RAISED)" /SD IDOK
        SetErrorLevel 5
        Quit
    ${EndIf}
FunctionEnd

