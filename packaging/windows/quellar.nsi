; One installer for 32- and 64-bit Windows: it puts the Quellar.scr built for the Windows it runs
; on into the system directory, makes it the current screen saver, and registers an uninstaller
; in Apps & features. scripts/installer passes the two screen savers and the output:
;   makensis -DSCR32=<win32 Quellar.scr> -DSCR64=<win64 Quellar.scr> -DOUTFILE=<setup.exe>
; Switches: /S silent; /NOCURRENT leaves the current screen saver as it is. Making it current
; records, for the user, what ScreenSaveActive was before (RECORD_KEY).
; The uninstaller (/S silent) gives the user's selection back while it is still ours (no
; SCRNSAVE.EXE, ScreenSaveActive as recorded), ends the running copies of the screen saver
; (running_copies.nsh), then removes the file; a file still in use goes at the next restart,
; which it says. /REMOVESETTINGS also removes the settings (else kept for a later install),
; after ending the copies, so that none writes them back.

Unicode true
SetCompressor /SOLID lzma
; Reproducible: no build times of the files are stored in the installer.
SetDateSave off

!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh
!include MUI2.nsh

!define PRODUCT "Quellar Screensaver"
!define VERSION "2.0.0"
!define PUBLISHER "Tovenlab"
!define SCR "Quellar.scr"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellar"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SETTINGS_KEY "SOFTWARE\Tovenlab\QuellarScreensaver"
; Where Windows keeps a standard user's writes to the machine key (the 64-bit screen saver keeps
; them there too), for programs of 64 and of 32 bits.
!define VIRTUAL_STORE "Software\Classes\VirtualStore\MACHINE\SOFTWARE"
; Per user, beside the value it describes: ScreenSaveActiveSet (1) says that an install made the
; screen saver current, and ScreenSaveActive holds the data the user's value had before, absent
; when there was none.
!define RECORD_KEY "Software\Tovenlab\QuellarSetup"
!define SPI_SETSCREENSAVEACTIVE 17
!include running_copies.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
; Only the uninstaller lives here; the screen saver goes where Windows looks for them.
InstallDir "$PROGRAMFILES64\Quellar"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

!define MUI_ICON "../../resources/quellar.ico"
!define MUI_UNICON "../../resources/quellar.ico"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The system directory and the registry as a program of the running Windows' own width sees them:
; the real System32 and the 64-bit view on 64-bit Windows.
!macro NativeView
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    SetRegView 64
  ${EndIf}
!macroend

; Where no elevation prompt came (Windows without UAC, or with it off), a standard user gets a
; clear refusal rather than a half-done install.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "${PRODUCT} must be installed and removed by an administrator." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

; $2: 1 when the user's current screen saver is the installed file, else 0. Windows' own
; settings store it by its short name; one set by hand may use the long one.
!macro SelectionIsOurs
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $1 "$SYSDIR\${SCR}"
  StrCpy $2 0
  ${If} $0 != ""
    ${If} $0 == $1
    ${OrIf} $0 == "$SYSDIR\${SCR}"
      StrCpy $2 1
    ${EndIf}
  ${EndIf}
!macroend

Section "-Screen saver" SecFiles
  !insertmacro NativeView
  SetOutPath "$SYSDIR"
  ${If} ${RunningX64}
    File "/oname=${SCR}" "${SCR64}"
  ${Else}
    File "/oname=${SCR}" "${SCR32}"
  ${EndIf}
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\${SCR},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  SectionGetSize ${SecFiles} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Make it the current screen saver" SecCurrent
  !insertmacro NativeView
  Call RecordScreenSaveActive
  ; By its short name, as Windows' own screen-saver settings store it.
  GetFullPathName /SHORT $0 "$SYSDIR\${SCR}"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  ; Tells the running session, which would otherwise notice only at the next sign-in.
  System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i 2)"
SectionEnd

; Records ScreenSaveActive as it is before this install sets it. An earlier install's record
; stays while its selection does: the value then is that install's own 1.
Function RecordScreenSaveActive
  !insertmacro SelectionIsOurs
  ReadRegDWORD $3 HKCU "${RECORD_KEY}" "ScreenSaveActiveSet"
  ${If} $2 = 1
  ${AndIf} $3 = 1
    Return
  ${EndIf}
  DeleteRegKey HKCU "${RECORD_KEY}"
  ClearErrors
  ReadRegStr $3 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
  ; Not there at all: an error and no data (a number stored as such reads as its digits).
  ${IfNot} ${Errors}
  ${OrIf} $3 != ""
    WriteRegStr HKCU "${RECORD_KEY}" "ScreenSaveActive" $3
  ${EndIf}
  WriteRegDWORD HKCU "${RECORD_KEY}" "ScreenSaveActiveSet" 1
FunctionEnd

Function .onInit
  !insertmacro RequireAdministrator
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOCURRENT" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecCurrent}
  ${EndIf}
FunctionEnd

Section "-un.Screen saver"
  !insertmacro NativeView
  ; First, so that Windows starts no new copy of what goes.
  Call un.GiveSelectionBack
  Call un.EndRunningCopies
  Delete /REBOOTOK "$SYSDIR\${SCR}"
  ${If} ${RebootFlag}
    MessageBox MB_ICONEXCLAMATION "$SYSDIR\${SCR} is still in use and cannot be removed now. \
        It will be removed when Windows restarts." /SD IDOK
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; While the selection is ours: Windows would start a screen saver that is no longer there, so
; the selection goes with the file, and ScreenSaveActive is put back as it was before the install
; that set it, in the running session too. The record goes in any case.
Function un.GiveSelectionBack
  !insertmacro SelectionIsOurs
  ReadRegDWORD $3 HKCU "${RECORD_KEY}" "ScreenSaveActiveSet"
  ${If} $2 = 1
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $3 = 1
      ClearErrors
      ReadRegStr $0 HKCU "${RECORD_KEY}" "ScreenSaveActive"
      ${If} ${Errors}
        DeleteRegValue HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
      ${Else}
        WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" $0
      ${EndIf}
      ${IfThen} $0 != 1 ${|} StrCpy $0 0 ${|}
      System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i r0, p 0, i 2)"
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCU "${RECORD_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Tovenlab"
FunctionEnd

; Off unless asked for: the settings stay for a later install.
Section /o "un.Remove the settings" SecRemoveSettings
  ${If} ${RunningX64}
    SetRegView 32
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Tovenlab"
    SetRegView 64
    DeleteRegKey HKCU "${VIRTUAL_STORE}\WOW6432Node\Tovenlab\QuellarScreensaver"
    DeleteRegKey /ifempty HKCU "${VIRTUAL_STORE}\WOW6432Node\Tovenlab"
  ${EndIf}
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\Tovenlab"
  DeleteRegKey HKCU "${VIRTUAL_STORE}\Tovenlab\QuellarScreensaver"
  DeleteRegKey /ifempty HKCU "${VIRTUAL_STORE}\Tovenlab"
SectionEnd

Function un.onInit
  !insertmacro RequireAdministrator
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecRemoveSettings}
  ${EndIf}
FunctionEnd
