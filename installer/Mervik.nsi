; The Windows setup program: a per-user installation of one program folder.
; Run by installer/make-packages, which passes
;   VERSION       the suite's version (1.2.3)
;   VERSION_QUAD  the same with four numbers (1.2.3.0)
;   FILES_NSH     the file lists of the program folder (macros below)
;   OUTFILE       the setup program to write
;
; The programs keep their settings beside themselves, so the folder is the
; user's own (no administrator rights, nothing under Program Files), and an
; upgrade installs over the settings without touching them.

Unicode true
Target amd64-unicode
ManifestDPIAware true
; make-packages may choose a faster compressor (the tests' packages do).
!ifndef COMPRESSOR
  !define COMPRESSOR "/SOLID lzma"
!endif
SetCompressor ${COMPRESSOR}
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"
!include "WinMessages.nsh"

; Defines MERVIK_PROGRAM_FILES, MERVIK_SETTINGS_FILES and their removal macros.
!include "${FILES_NSH}"

!define PRODUCT "Mervik"
!define PUBLISHER "Mervik"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mervik"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Mervik"
!define SHORTCUT "$SMPROGRAMS\Mervik.lnk"
!define UNINSTALLER "Uninstall.exe"

; How the programs are asked to end: Monitor's hidden window and the command
; of its tray menu's exit item; Option's main window closes on WM_CLOSE.
!define MONITOR_CAPTION "Mervik"
!define MONITOR_EXIT_COMMAND 6002
; Option's caption is ANSI bytes (the product name, then the GBK bytes of the
; word for "configuration"), found by those bytes whatever the code page.
!define OPTION_CAPTION_BYTES "&i1 0x4D,&i1 0x65,&i1 0x72,&i1 0x76,&i1 0x69,&i1 0x6B,&i1 0xC5,&i1 0xE4,&i1 0xD6,&i1 0xC3,&i1 0"
; The on-screen display's window and program.
!define DISPLAY_CAPTION "Standard_Mouse_Driver_78_Normal_OSD"
!define DISPLAY_PROGRAM "PellamOSD.exe"
!define END_WAIT_MS 20000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"

!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Option.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open the ${PRODUCT} settings"
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.ConfirmPage un.ConfirmLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

; Ending the running programs, the same way in the setup program and in the
; uninstaller (which cannot share functions).
!macro END_PROGRAMS_FUNCTIONS un

; $R0 Option's main window, or 0.
Function ${un}FindOption
  System::Call "*(${OPTION_CAPTION_BYTES}) p .R1"
  System::Call "user32::FindWindowA(p 0, p R1) p .R0"
  System::Free $R1
FunctionEnd

; Posts $R1 with wParam $R2 to window $R0, as the programs post to each other
; (a sent WM_CLOSE would leave Option's loop waiting for a posted message),
; and waits for its process to end. $R6 is 1 once it has.
Function ${un}EndWindow
  StrCpy $R6 0
  System::Call "user32::GetWindowThreadProcessId(p R0, *i .R3)"
  ; SYNCHRONIZE
  System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i R3) p .R4"
  System::Call "user32::PostMessageW(p R0, i R1, p R2, p 0)"
  ${If} $R4 P<> 0
    System::Call "kernel32::WaitForSingleObject(p R4, i ${END_WAIT_MS}) i .R5"
    System::Call "kernel32::CloseHandle(p R4)"
    ${If} $R5 = 0 ; WAIT_OBJECT_0
      StrCpy $R6 1
    ${EndIf}
  ${EndIf}
FunctionEnd

; The on-screen display, waited for by its process when its window is found.
Function ${un}EndDisplay
  FindWindow $R0 "" "${DISPLAY_CAPTION}"
  ${If} $R0 P<> 0
    StrCpy $R1 ${WM_CLOSE}
    StrCpy $R2 0
    Call ${un}EndWindow
    IntOp $R7 $R7 & $R6
  ${EndIf}
FunctionEnd

; Monitor starts the display and closes it on its way out, but the display's
; window does not lead to every display process: one Monitor has only just
; started shows its window late, and a closing one keeps its files (and
; lan.dll) a moment after its window is gone. So once Monitor has ended, the
; display is closed whenever its window shows, until its program file can be
; opened for writing, which no running display allows.
Function ${un}WaitForDisplay
  StrCpy $R8 0
  ${DoWhile} $R8 < ${END_WAIT_MS}
    Call ${un}EndDisplay
    ${IfNot} ${FileExists} "$INSTDIR\${DISPLAY_PROGRAM}"
      Return
    ${EndIf}
    ClearErrors
    FileOpen $R9 "$INSTDIR\${DISPLAY_PROGRAM}" a
    ${IfNot} ${Errors}
      FileClose $R9
      Return
    ${EndIf}
    Sleep 100
    IntOp $R8 $R8 + 100
  ${Loop}
  StrCpy $R7 0
FunctionEnd

Function ${un}EndPrograms
  retry:
  StrCpy $R7 1
  ; Option first: it may run without Monitor, and Monitor closes it anyway on
  ; its way out.
  Call ${un}FindOption
  ${If} $R0 P<> 0
    StrCpy $R1 ${WM_CLOSE}
    StrCpy $R2 0
    Call ${un}EndWindow
    IntOp $R7 $R7 & $R6
  ${EndIf}
  FindWindow $R0 "" "${MONITOR_CAPTION}"
  ${If} $R0 P<> 0
    DetailPrint "Ending ${PRODUCT}"
    StrCpy $R1 ${WM_COMMAND}
    StrCpy $R2 ${MONITOR_EXIT_COMMAND}
    Call ${un}EndWindow
    IntOp $R7 $R7 & $R6
  ${EndIf}
  Call ${un}WaitForDisplay
  ; A program whose process is still there keeps its files in use.
  Call ${un}FindOption
  FindWindow $R5 "" "${MONITOR_CAPTION}"
  ${If} $R0 P<> 0
  ${OrIf} $R5 P<> 0
    StrCpy $R7 0
  ${EndIf}
  ${If} $R7 = 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is still running.$\r$\nEnd it from its tray menu, then choose Retry." \
      /SD IDCANCEL IDRETRY retry
    Abort "${PRODUCT} is still running."
  ${EndIf}
FunctionEnd

!macroend

!insertmacro END_PROGRAMS_FUNCTIONS ""
!insertmacro END_PROGRAMS_FUNCTIONS "un."

Function .onInit
  ; One setup program at a time: two would race over the same folder.
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "MervikSetup") p .r0 ?e'
  Pop $1
  ${If} $1 = 183 ; ERROR_ALREADY_EXISTS
    MessageBox MB_OK|MB_ICONEXCLAMATION "The ${PRODUCT} setup is already running." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

; An upgrade goes where the installed suite is, settings and all.
Function SkipFolderOnUpgrade
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\Monitor.exe"
    Abort
  ${EndIf}
FunctionEnd

Section "-Programs"
  Call EndPrograms

  ; A program file still in use is never skipped: the silent setup would end
  ; as if it had succeeded with a folder of two versions. Retry or cancel
  ; (silently: cancel, and the setup fails).
  AllowSkipFiles off
  SetOverwrite on
  !insertmacro MERVIK_PROGRAM_FILES
  ; The user's settings stay as they are; only missing files get defaults.
  SetOverwrite off
  !insertmacro MERVIK_SETTINGS_FILES
  SetOverwrite on

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\Option.exe" "" "$INSTDIR\Option.exe" 0
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Monitor.exe"'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Option.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  Exec '"$INSTDIR\Monitor.exe"'
SectionEnd

; The uninstaller's one page: what goes, and the choice to remove the settings.
Var RemoveSettingsBox
Var RemoveSettings

Function un.ConfirmPage
  !insertmacro MUI_HEADER_TEXT "Uninstall ${PRODUCT}" "Remove ${PRODUCT} from this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 40u "${PRODUCT} will be removed from $INSTDIR.$\r$\n$\r$\nYour settings (profiles, macros and config.ini) stay in that folder for a later installation unless you tick the box below."
  Pop $0
  ${NSD_CreateCheckbox} 0 48u 100% 12u "&Remove my settings too"
  Pop $RemoveSettingsBox
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.ConfirmLeave
  ${NSD_GetState} $RemoveSettingsBox $RemoveSettings
FunctionEnd

Section "Uninstall"
  Call un.EndPrograms

  !insertmacro MERVIK_REMOVE_PROGRAM_FILES
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ${If} $RemoveSettings == ${BST_CHECKED}
    !insertmacro MERVIK_REMOVE_SETTINGS_FILES
    ; Left by a save that was cut short.
    Delete "$INSTDIR\config.ini.*.tmp"
    Delete "$INSTDIR\config\*.tmp"
    RMDir "$INSTDIR\config"
  ${EndIf}
  ; Only when empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  SetAutoClose true
SectionEnd
