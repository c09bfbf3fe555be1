; The uninstaller's way of ending the copies of the installed screen saver that still run (a
; full-screen run, a preview in the control panel, the settings dialog): a running copy keeps its
; file from being deleted, and one that ends later may write the settings back. A copy is any
; process whose image is the installed file; Windows starts it by its short name, so the names
; are compared in that form. Uses $0-$3 and $R5-$R8.

!define GW_HWNDNEXT 2
!define GW_CHILD 5
!define GA_PARENT 1
; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE
!define COPY_ACCESS 0x00101001
!define TH32CS_SNAPPROCESS 2
!define SPI_SETSCREENSAVERRUNNING 97
; How long the copies have to close on their own, in tenths of a second, and how long one ended
; by force may take to go, in milliseconds.
!define CLOSE_TENTHS 30
!define FORCED_END_MS 5000
; More than a desktop has; it only bounds a walk through a window tree that keeps changing.
!define MAX_WINDOWS 100000

; Ends every running copy: first as a user would, by asking each of its windows to close, which
; ends a run with the desktop given back (pointer, the screen-saver flag) and a dialog with its
; settings stored; after a short wait, whatever still runs (a copy that hangs, or one on a desktop
; the walk does not reach) by force.
Function un.EndRunningCopies
  GetFullPathName /SHORT $R8 "$SYSDIR\${SCR}"
  StrCmp $R8 "" done
  Call un.CloseCopyWindows
  ${For} $R5 1 ${CLOSE_TENTHS}
    StrCpy $R6 ""
    Call un.VisitCopies
    ${IfThen} $R7 = 0 ${|} Goto done ${|}
    Sleep 100
  ${Next}
  StrCpy $R6 force
  Call un.VisitCopies
  ; A run ended by force has left the flag set.
  System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVERRUNNING}, i 0, *i, i 0)"
  done:
FunctionEnd

; Posts WM_CLOSE, as Alt+F4 does, to each shown window of a copy that stands on its own: a
; top-level window, or a preview's window inside its host (a copy's controls are its own
; business). The windows are all found before any is asked, so that none goes away under the walk.
Function un.CloseCopyWindows
  Push ""
  System::Call "user32::GetDesktopWindow() p.R7"
  StrCpy $0 $R7
  ${For} $R5 1 ${MAX_WINDOWS}
    Call un.NextWindow
    ${IfThen} $0 = 0 ${|} ${ExitFor} ${|}
    Call un.PushIfCopyWindow
  ${Next}
  ${Do}
    Pop $0
    ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
    System::Call "user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)"
  ${Loop}
FunctionEnd

; $0: the window after $0 in a depth-first walk from the desktop window ($R7); 0 at the end, or
; when a window went away under the walk.
Function un.NextWindow
  System::Call "user32::GetWindow(p r0, i ${GW_CHILD}) p.r1"
  ${DoWhile} $1 = 0
    ${If} $0 = $R7
    ${OrIf} $0 = 0
      StrCpy $0 0
      Return
    ${EndIf}
    System::Call "user32::GetWindow(p r0, i ${GW_HWNDNEXT}) p.r1"
    ${IfThen} $1 = 0 ${|} System::Call "user32::GetAncestor(p r0, i ${GA_PARENT}) p.r0" ${|}
  ${Loop}
  StrCpy $0 $1
FunctionEnd

; Pushes window $0 when it is one that CloseCopyWindows asks.
Function un.PushIfCopyWindow
  System::Call "user32::IsWindowVisible(p r0) i.r1"
  ${IfThen} $1 = 0 ${|} Return ${|}
  System::Call "user32::GetWindowThreadProcessId(p r0, *i .r2)"
  System::Call "user32::GetAncestor(p r0, i ${GA_PARENT}) p.r1"
  System::Call "user32::GetWindowThreadProcessId(p r1, *i .r3)"
  ${IfThen} $2 = $3 ${|} Return ${|}
  Push $2
  Call un.OpenCopy
  Pop $3
  ${If} $3 <> 0
    System::Call "kernel32::CloseHandle(p r3)"
    Push $0
  ${EndIf}
FunctionEnd

; $R7: how many copies run; with $R6 "force", each is ended (exit code 1) and waited for.
Function un.VisitCopies
  StrCpy $R7 0
  System::Call "kernel32::CreateToolhelp32Snapshot(i ${TH32CS_SNAPPROCESS}, i 0) p.r0"
  ; A PROCESSENTRY32W that states its own size.
  System::Call "*(&l4, i, i, p, i, i, i, i, i, &w260) p.r1"
  System::Call "kernel32::Process32FirstW(p r0, p r1) i.r2"
  ${DoWhile} $2 <> 0
    System::Call "*$1(i, i, i .r2)"
    Push $2
    Call un.OpenCopy
    Pop $3
    ${If} $3 <> 0
      IntOp $R7 $R7 + 1
      ${If} $R6 == force
        System::Call "kernel32::TerminateProcess(p r3, i 1)"
        System::Call "kernel32::WaitForSingleObject(p r3, i ${FORCED_END_MS})"
      ${EndIf}
      System::Call "kernel32::CloseHandle(p r3)"
    ${EndIf}
    System::Call "kernel32::Process32NextW(p r0, p r1) i.r2"
  ${Loop}
  System::Free $1
  System::Call "kernel32::CloseHandle(p r0)"
FunctionEnd

; Takes a process id from the stack and leaves there a handle to the process (COPY_ACCESS) when it
; is a copy of the installed file (short name $R8), else 0.
Function un.OpenCopy
  Exch $4
  Push $5
  Push $6
  System::Call "kernel32::OpenProcess(i ${COPY_ACCESS}, i 0, i r4) p.r5"
  ${If} $5 <> 0
    StrCpy $6 ""
    System::Call "kernel32::QueryFullProcessImageNameW(p r5, i 0, w .r6, *i ${NSIS_MAX_STRLEN})"
    GetFullPathName /SHORT $6 $6
    ${If} $6 != $R8
      System::Call "kernel32::CloseHandle(p r5)"
      StrCpy $5 0
    ${EndIf}
  ${EndIf}
  StrCpy $4 $5
  Pop $6
  Pop $5
  Exch $4
FunctionEnd
