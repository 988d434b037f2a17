; HushWall's per-user installer: no administrator rights, a folder the user can write
; (the program keeps its lists beside itself), the 64-bit program on 64-bit Windows.
; scripts/package.sh builds it:
;   makensis -DVERSION=x.y.z -DSTAGE=folder -DICON=file.ico -DOUTFILE=setup.exe hushwall.nsi
; STAGE holds win32/hushwall.exe, win64/hushwall.exe, README.txt and LICENSE.txt.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include x64.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\HushWall"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Vantel HushWall"
; The program's settings store; its key names ignore letter case.
!define SETTINGS_KEY "Software\Vantel HushWall"
!define MAIN_CLASS "HushWallMain"
!define INSTANCE_MUTEX "Local\Vantel HushWall.Instance"
!define ENDSESSION_CLOSEAPP 1

Name "HushWall ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\HushWall"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "HushWall"
VIAddVersionKey CompanyName "Vantel"
VIAddVersionKey FileDescription "HushWall ${VERSION} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (C) 2026 Vantel"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\hushwall.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start HushWall"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var WasRunning

; Ends a running HushWall the way Windows does at logoff: the program answers
; WM_QUERYENDSESSION and WM_ENDSESSION (taking its icon out of the notification
; area), and is then ended. It refuses a plain WM_CLOSE by design. Every change to
; its lists is written the moment it is made, and the messages are answered only
; between two of its handlers, so no write is cut short; the blocked log it has not
; saved is lost, as at logoff. One started moments ago has no main window yet: its
; instance mutex says so, and the splash is waited out. Sets $0 to 1 when one was ended.
!macro END_RUNNING_HUSHWALL PREFIX
Function ${PREFIX}EndRunningHushWall
  StrCpy $0 0
  StrCpy $3 0
  loop:
    FindWindow $1 "${MAIN_CLASS}"
    ${If} $1 <> 0
      System::Call "user32::GetWindowThreadProcessId(p r1, *i .r2)"
      ; SYNCHRONIZE | PROCESS_TERMINATE
      System::Call "kernel32::OpenProcess(i 0x100001, i 0, i r2) p .r4"
      SendMessage $1 ${WM_QUERYENDSESSION} 0 ${ENDSESSION_CLOSEAPP} /TIMEOUT=5000
      SendMessage $1 ${WM_ENDSESSION} 1 ${ENDSESSION_CLOSEAPP} /TIMEOUT=5000
      System::Call "kernel32::TerminateProcess(p r4, i 0)"
      System::Call "kernel32::WaitForSingleObject(p r4, i 10000)"
      System::Call "kernel32::CloseHandle(p r4)"
      StrCpy $0 1
      IntOp $3 $3 + 1
      IntCmp $3 10 0 loop
      Return
    ${EndIf}
    System::Call "kernel32::OpenMutexW(i 0x100000, i 0, w '${INSTANCE_MUTEX}') p .r4"
    ${If} $4 P<> 0
      System::Call "kernel32::CloseHandle(p r4)"
      IntOp $3 $3 + 1
      ${If} $3 < 40
        Sleep 250
        Goto loop
      ${EndIf}
    ${EndIf}
FunctionEnd
!macroend
!insertmacro END_RUNNING_HUSHWALL ""
!insertmacro END_RUNNING_HUSHWALL "un."

Section "HushWall" Program
  SectionIn RO
  Call EndRunningHushWall
  StrCpy $WasRunning $0
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=hushwall.exe" "${STAGE}/win64/hushwall.exe"
  ${Else}
    File "/oname=hushwall.exe" "${STAGE}/win32/hushwall.exe"
  ${EndIf}
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\HushWall.lnk" "$INSTDIR\hushwall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "HushWall"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vantel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\hushwall.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; An upgrade leaves the user protected as before.
  ${If} $WasRunning == 1
    Exec '"$INSTDIR\hushwall.exe"'
  ${EndIf}
SectionEnd

; The same entry the program's settings dialog writes for the user alone.
Section "Start with Windows" StartWithWindows
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" "$INSTDIR\hushwall.exe"
SectionEnd

; An upgrade keeps the user's choice: no entry of its own, none after it (an entry
; for all users stays as it is, and one for the user alone would start it twice).
Function .onInit
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $1 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 != ""
  ${AndIf} $1 == ""
    !insertmacro UnselectSection ${StartWithWindows}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.EndRunningHushWall
  Delete "$INSTDIR\hushwall.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\HushWall.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Start with Windows: machine-wide where the user may write it, else per user; a
  ; 64-bit program writes the 64-bit registry, the 32-bit one the 32-bit view.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${If} ${RunningX64}
    SetRegView 64
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    SetRegView 32
  ${EndIf}

  ; The user's lists stay unless the user says otherwise; a silent uninstall keeps them.
  ${If} ${FileExists} "$INSTDIR\RemList.dat"
  ${OrIf} ${FileExists} "$INSTDIR\Blocked.log"
    MessageBox MB_YESNO|MB_ICONQUESTION "Delete your remove list and blocked log (RemList.dat and Blocked.log) too?" /SD IDNO IDNO keep_lists
    Delete "$INSTDIR\RemList.dat"
    Delete "$INSTDIR\Blocked.log"
    keep_lists:
  ${EndIf}
  ClearErrors
  EnumRegKey $0 HKCU "${SETTINGS_KEY}" 0
  ${IfNot} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION "Delete HushWall's settings too?" /SD IDYES IDNO keep_settings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    keep_settings:
  ${EndIf}
  RMDir "$INSTDIR"
SectionEnd
