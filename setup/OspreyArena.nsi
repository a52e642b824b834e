; The setup program of Osprey Arena: a per-user installation that needs no
; administrator, into the user's local programs folder, where the programs
; keep their settings beside them.
;
; The build defines:
;   VERSION   major.minor.patch
;   BIN_DIR   the folder holding the programs, skins\ and "User Manual.pdf"
;   ICON_DIR  the folder holding Option.ico and setup_side.bmp
;   NAMES_H   settings/system_names.h, where the window titles come from
;   OUTFILE   the setup program to write

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

; The windows the programs are found by, as the programs themselves name them.
!searchparse /file "${NAMES_H}" `kOptionTitle[] = "` OPTION_TITLE `";`
!searchparse /file "${NAMES_H}" `kMonitorTitle[] = "` MONITOR_TITLE `";`
!searchparse /file "${NAMES_H}" `kOverlayTitle[] = "` OVERLAY_TITLE `";`

!define PRODUCT "Osprey Arena"
!define PUBLISHER "Vantel"
!define WEB_SITE "https://www.vantel-kestrel.example/osprey-arena"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OspreyArena"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "${MONITOR_TITLE}"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
; How long a program may take to end once asked to close (milliseconds).
!define CLOSE_WAIT 10000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON_DIR}/Option.ico"
!define MUI_UNICON "${ICON_DIR}/Option.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ICON_DIR}/setup_side.bmp"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "This installs ${PRODUCT} ${VERSION} for you alone: Option, where you set up \
  the mouse, and Monitor, which runs beside the clock and keeps the mouse in step.$\r$\n$\r$\n\
  No administrator is needed. An installation already there is updated and keeps your profiles and macros.$\r$\n$\r$\n\
  Monitor and Option are closed while their files are replaced.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Option.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open ${PRODUCT} Option"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "Your profiles, macros and other settings stay in the folder unless you tick \
  My settings. Click Uninstall to go on."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var MonitorWasRunning

!macro CHECK_FREE file
  ${If} ${FileExists} "$INSTDIR\${file}"
    ClearErrors
    FileOpen $R1 "$INSTDIR\${file}" a
    ${If} ${Errors}
      StrCpy $R9 2
    ${Else}
      FileClose $R1
    ${EndIf}
  ${EndIf}
!macroend

; ---------------------------------------------------------------------------
; Closing the programs. Each is asked to end with WM_CLOSE to its window, as
; Monitor's own Exit does, and waited for until its process is gone: only then
; are its files free.

; CLOSE_WINDOW title: $R9 = 0 when no such window, 1 when it ended, 2 when it
; is still there after CLOSE_WAIT.
!macro CLOSE_WINDOW_FUNCTION un
Function ${un}CloseWindow
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  StrCpy $R9 0
  FindWindow $R1 "" "$R0"
  ${If} $R1 <> 0
    StrCpy $R9 1
    System::Call "user32::GetWindowThreadProcessId(p R1, *i .R2) i"
    ; SYNCHRONIZE: enough to wait for it.
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i R2) p .R3"
    System::Call "user32::PostMessageW(p R1, i ${WM_CLOSE}, p 0, p 0)"
    ${If} $R3 != 0
      System::Call "kernel32::WaitForSingleObject(p R3, i ${CLOSE_WAIT}) i .R2"
      System::Call "kernel32::CloseHandle(p R3)"
      ${If} $R2 <> 0
        StrCpy $R9 2
      ${EndIf}
    ${Else}
      ; Its process can't be opened: watch the window instead.
      StrCpy $R2 0
      ${Do}
        System::Call "user32::IsWindow(p R1) i .R3"
        ${If} $R3 = 0
          ${Break}
        ${EndIf}
        Sleep 100
        IntOp $R2 $R2 + 100
        ${If} $R2 >= ${CLOSE_WAIT}
          StrCpy $R9 2
          ${Break}
        ${EndIf}
      ${Loop}
    ${EndIf}
  ${EndIf}
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; R9 = 2 when a program file can't be opened for writing: a program of the
; installation (the virtual mouse, say) still runs from it.
Function ${un}FilesInUse
  Push $R1
  StrCpy $R9 0
  !insertmacro CHECK_FREE "Option.exe"
  !insertmacro CHECK_FREE "Monitor.exe"
  !insertmacro CHECK_FREE "Overlay.exe"
  !insertmacro CHECK_FREE "hiddriver.dll"
  !insertmacro CHECK_FREE "lan.dll"
  !insertmacro CHECK_FREE "VirtualMouse.exe"
  !insertmacro CHECK_FREE "vmctl.exe"
  Pop $R1
FunctionEnd

; Closes Option, Monitor and the notice program, in that order, and checks
; that their files are free. $R9 = 2 when not, after the user was told (and
; could retry); $MonitorWasRunning = 1 when Monitor ran.
Function ${un}ClosePrograms
  ${Do}
    Push "${OPTION_TITLE}"
    Call ${un}CloseWindow
    ${If} $R9 <> 2
      Push "${MONITOR_TITLE}"
      Call ${un}CloseWindow
      ${If} $R9 = 1
        StrCpy $MonitorWasRunning 1
      ${EndIf}
    ${EndIf}
    ${If} $R9 <> 2
      Push "${OVERLAY_TITLE}"
      Call ${un}CloseWindow
    ${EndIf}
    ${If} $R9 <> 2
      Call ${un}FilesInUse
    ${EndIf}
    ${If} $R9 <> 2
      ${Break}
    ${EndIf}
    DetailPrint "A program of ${PRODUCT} is still running."
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} Monitor, Option or the virtual mouse did not close within a few seconds, so no file was changed.$\r$\n$\r$\n\
      Close them (Exit in the menu of Monitor's tray icon), then choose Retry." /SD IDCANCEL IDRETRY retry
    ${Break}
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_WINDOW_FUNCTION ""
!insertmacro CLOSE_WINDOW_FUNCTION "un."

; ---------------------------------------------------------------------------
; The target folder must take files: $R9 = 1 when it does.
Function CheckFolder
  StrCpy $R9 0
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $R8 "$INSTDIR\setup-write-check.tmp" w
  ${IfNot} ${Errors}
    FileClose $R8
    Delete "$INSTDIR\setup-write-check.tmp"
    StrCpy $R9 1
  ${EndIf}
FunctionEnd

Function CheckFolderPage
  Call CheckFolder
  ${If} $R9 <> 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "Files can't be written into$\r$\n$INSTDIR$\r$\n$\r$\nChoose another folder."
    Abort
  ${EndIf}
FunctionEnd


; ---------------------------------------------------------------------------
Section "${PRODUCT}" SecPrograms
  SectionIn RO
  Call CheckFolder
  ${If} $R9 <> 1
    DetailPrint "Files can't be written into $INSTDIR."
    MessageBox MB_OK|MB_ICONSTOP "Files can't be written into$\r$\n$INSTDIR$\r$\n$\r$\nNothing was installed." /SD IDOK
    SetErrorLevel 3
    Abort
  ${EndIf}
  Call ClosePrograms
  ${If} $R9 = 2
    SetErrorLevel 4
    Abort
  ${EndIf}

  ; Only the programs are written: config.ini and config\ are the user's.
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "${BIN_DIR}/Option.exe"
  File "${BIN_DIR}/Monitor.exe"
  File "${BIN_DIR}/Overlay.exe"
  File "${BIN_DIR}/hiddriver.dll"
  File "${BIN_DIR}/lan.dll"
  File "${BIN_DIR}/User Manual.pdf"
  RMDir /r "$INSTDIR\skins"
  SetOutPath "$INSTDIR\skins"
  File "${BIN_DIR}/skins/*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\Option.exe" "" "$INSTDIR\Option.exe" 0
  CreateShortcut "${MENU_FOLDER}\User Manual.lnk" "$INSTDIR\User Manual.pdf"
  CreateShortcut "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Monitor.exe"'
SectionEnd

Section /o "Virtual mouse (for developers)" SecVirtualMouse
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/VirtualMouse.exe"
  File "${BIN_DIR}/vmctl.exe"
  ; The device library then talks to the virtual mouse instead of the real one.
  WriteINIStr "$INSTDIR\hiddriver.ini" "Backend" "Type" "virtual"
SectionEnd

Section "-Finish"
  ${IfNot} ${SectionIsSelected} ${SecVirtualMouse}
    Call RemoveVirtualMouse
  ${EndIf}

  SectionGetSize ${SecPrograms} $R0
  ${If} ${SectionIsSelected} ${SecVirtualMouse}
    SectionGetSize ${SecVirtualMouse} $R1
    IntOp $R0 $R0 + $R1
  ${EndIf}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Option.exe",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_SITE}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $R0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ; Monitor starts after a normal installation, and again after an update
  ; that had to close it, silent or not.
  ${IfNot} ${Silent}
  ${OrIf} $MonitorWasRunning = 1
    Exec '"$INSTDIR\Monitor.exe"'
  ${EndIf}
SectionEnd

Function .onInit
  StrCpy $MonitorWasRunning 0
  ; Given a /D= folder that can't be one (under a file, say), NSIS quietly
  ; takes the default folder instead: say so, and a silent install ends.
  System::Call "kernel32::GetCommandLineW() t .R0"
  ClearErrors
  ${GetOptions} $R0 "/D=" $R1
  ${IfNot} ${Errors}
  ${AndIf} $R1 != $INSTDIR
    MessageBox MB_OK|MB_ICONEXCLAMATION "$R1 can't be a folder. Choose another one." /SD IDOK
    ${If} ${Silent}
      SetErrorLevel 3
      Quit
    ${EndIf}
  ${EndIf}
  ; The virtual mouse is for developers: ticked by /VIRTUALMOUSE on the
  ; command line, or when the installation being updated has it.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/VIRTUALMOUSE" $R1
  ${IfNot} ${Errors}
  ${OrIf} ${FileExists} "$INSTDIR\VirtualMouse.exe"
    !insertmacro SelectSection ${SecVirtualMouse}
  ${EndIf}
FunctionEnd

!macro REMOVE_VIRTUAL_MOUSE un
Function ${un}RemoveVirtualMouse
  Delete "$INSTDIR\VirtualMouse.exe"
  Delete "$INSTDIR\vmctl.exe"
  Delete "$INSTDIR\VirtualMouse.log"
  Delete "$INSTDIR\hiddriver.ini"
FunctionEnd
!macroend
!insertmacro REMOVE_VIRTUAL_MOUSE ""
!insertmacro REMOVE_VIRTUAL_MOUSE "un."

; ---------------------------------------------------------------------------
; The uninstaller removes what the setup program wrote. The settings
; (config.ini and config\) stay unless their removal is ticked; a silent
; uninstall keeps them.

Section "un.${PRODUCT}" SecUnPrograms
  SectionIn RO
  Call un.ClosePrograms
  ${If} $R9 = 2
    SetErrorLevel 4
    Abort
  ${EndIf}
  Delete "$INSTDIR\Option.exe"
  Delete "$INSTDIR\Monitor.exe"
  Delete "$INSTDIR\Overlay.exe"
  Delete "$INSTDIR\hiddriver.dll"
  Delete "$INSTDIR\lan.dll"
  Delete "$INSTDIR\User Manual.pdf"
  RMDir /r "$INSTDIR\skins"
  Call un.RemoveVirtualMouse
  Delete "$INSTDIR\Uninstall.exe"

  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  Delete "${MENU_FOLDER}\User Manual.lnk"
  Delete "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.My settings (profiles and macros)" SecUnSettings
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\config\Default0.gmp"
  Delete "$INSTDIR\config\Default1.gmp"
  Delete "$INSTDIR\config\Default2.gmp"
  Delete "$INSTDIR\config\Default3.gmp"
  Delete "$INSTDIR\config\Default4.gmp"
  Delete "$INSTDIR\config\sequence.dat"
  ; Profiles and macros the user exported there stay, and so does the folder.
  RMDir "$INSTDIR\config"
SectionEnd

Section "-un.Folder"
  ; Only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
