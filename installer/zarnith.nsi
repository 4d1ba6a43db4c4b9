; The launcher's setup program: installs the runnable folder for the current
; user only (no administrator rights), with a Start-menu shortcut and an entry
; in the user's list of installed programs, and writes the uninstaller.
;
; Defined by the build (installer/CMakeLists.txt):
;   DIST_DIR   the runnable folder on the build machine
;   FILE_LIST  the generated list of the files taken from it (installed_files.nsh)
;   APP_ICON   the application icon
;   OUT_FILE   the setup program to write
;   COMPRESSOR how to compress it (SetCompressor's arguments)

Unicode true
; The launcher and its engine runtime are 64-bit programs.
Target amd64-unicode
SetCompressor ${COMPRESSOR}
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include "${FILE_LIST}"

!define PRODUCT_KEY "Zarnith"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_KEY}"
!define EXECUTABLE "Zarnith.exe"
!define UNINSTALLER "uninstall.exe"
!define ENGINE_LOG "debug.log"
!define SHORTCUT "$SMPROGRAMS\Zarnith 微端.lnk"
; What an installed file is renamed to while its replacement is written.
!define SET_ASIDE_SUFFIX ".previous"
; Exit codes besides 0 (NSIS itself ends with 1 when the user cancels): the
; launcher of the folder runs and nothing was changed; a file could not be
; replaced and the folder was put back as it was.
!define EXIT_LAUNCHER_RUNNING 2
!define EXIT_UNDONE 3

Name "Zarnith 微端"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Zarnith"
; A new version goes where the last one is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Zarnith 微端"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${APP_ICON}"
!define MUI_UNICON "${APP_ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXECUTABLE}"

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckDirectoryPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

LangString LauncherRunning ${LANG_SIMPCHINESE} \
  "Zarnith 微端正在运行。请先关闭它，然后再试一次。$\r$\n$\r$\n未做任何更改。"
LangString ReplaceFailed ${LANG_SIMPCHINESE} \
  "无法写入文件 $INSTDIR\$R1。$\r$\n$\r$\n安装已撤销，文件夹恢复为安装前的样子。"

; The path, relative to the installation folder, that the functions below act on.
!define PATH $R1
; Set while the new files are being written: from then on a file without a
; set-aside copy is a new one, and undoing removes it.
Var Writing

!macro CALL_FOR PATH_VALUE FUNCTION
  StrCpy ${PATH} "${PATH_VALUE}"
  Call ${FUNCTION}
!macroend

!macro CALL_FOR_FILE WINDOWS_PATH BUILD_PATH FUNCTION
  !insertmacro CALL_FOR "${WINDOWS_PATH}" ${FUNCTION}
!macroend

!macro CREATE_FOLDER WINDOWS_PATH UNUSED
  CreateDirectory "$INSTDIR\${WINDOWS_PATH}"
!macroend

;------------------------------------------------------------------------------
; The launcher's processes map its executable and the engine library; while
; they run, neither can be opened for writing. Both the installer and the
; uninstaller refuse to touch a folder whose launcher runs.

!macro DEFINE_IN_USE_CHECK PREFIX
; Leaves 1 on the stack when the launcher of the folder runs, else 0.
Function ${PREFIX}LauncherInUse
  Push $0
  Push $1
  StrCpy $1 0
  !insertmacro CALL_FOR "${EXECUTABLE}" ${PREFIX}ProbeWritable
  !insertmacro CALL_FOR "libcef.dll" ${PREFIX}ProbeWritable
  StrCpy $0 $1
  Pop $1
  Exch $0
FunctionEnd

; Sets $1 to 1 when the file exists and cannot be opened for writing.
Function ${PREFIX}ProbeWritable
  IfFileExists "$INSTDIR\${PATH}" 0 done
  ClearErrors
  FileOpen $0 "$INSTDIR\${PATH}" a
  IfErrors 0 +3
    StrCpy $1 1
    Goto done
  FileClose $0
done:
FunctionEnd
!macroend
!insertmacro DEFINE_IN_USE_CHECK ""
!insertmacro DEFINE_IN_USE_CHECK "un."

Function CheckDirectoryPage
  Call LauncherInUse
  Pop $0
  StrCmp $0 1 0 +3
    MessageBox MB_ICONEXCLAMATION "$(LauncherRunning)"
    Abort
FunctionEnd

;------------------------------------------------------------------------------
; Replacing an installation: every installed file is first renamed aside, then
; the new files are written; only when all of them are in place are the old
; ones deleted. When any step fails, the set-aside files are renamed back and
; the new ones removed, so the folder is either the old installation or the
; new one, never a mix.

Function SetAside
  IfFileExists "$INSTDIR\${PATH}" 0 done
  ; Left over by an installation that was cut off; the file itself is the copy that counts.
  Delete "$INSTDIR\${PATH}${SET_ASIDE_SUFFIX}"
  ClearErrors
  Rename "$INSTDIR\${PATH}" "$INSTDIR\${PATH}${SET_ASIDE_SUFFIX}"
  IfErrors 0 done
    Call Undo
done:
FunctionEnd

Function PutBack
  IfFileExists "$INSTDIR\${PATH}${SET_ASIDE_SUFFIX}" 0 new_file
  Delete "$INSTDIR\${PATH}"
  Rename "$INSTDIR\${PATH}${SET_ASIDE_SUFFIX}" "$INSTDIR\${PATH}"
  Return
new_file:
  StrCmp $Writing 1 0 +2
    Delete "$INSTDIR\${PATH}"
FunctionEnd

Function DropSetAside
  Delete "$INSTDIR\${PATH}${SET_ASIDE_SUFFIX}"
FunctionEnd

Function RemoveEmptyFolder
  RMDir "$INSTDIR\${PATH}"
FunctionEnd

; Undoes everything done to the folder so far and ends the installation
; (exit code EXIT_UNDONE). $R1 names the file that failed.
Function Undo
  DetailPrint "无法写入 $INSTDIR\${PATH}，正在撤销安装"
  MessageBox MB_ICONSTOP "$(ReplaceFailed)" /SD IDOK
  !insertmacro ZARNITH_INSTALLED_FILES CALL_FOR_FILE PutBack
  !insertmacro CALL_FOR "${UNINSTALLER}" PutBack
  !insertmacro ZARNITH_INSTALLED_FOLDERS_DEEPEST_FIRST CALL_FOR RemoveEmptyFolder
  RMDir "$INSTDIR"
  SetErrorLevel ${EXIT_UNDONE}
  Quit
FunctionEnd

!macro WRITE_FILE WINDOWS_PATH BUILD_PATH UNUSED
  ClearErrors
  File "/oname=${WINDOWS_PATH}" "${DIST_DIR}/${BUILD_PATH}"
  StrCpy ${PATH} "${WINDOWS_PATH}"
  IfErrors 0 +2
    Call Undo
!macroend

Section
  Call LauncherInUse
  Pop $0
  StrCmp $0 1 0 not_running
    DetailPrint "Zarnith 微端正在运行，未做任何更改"
    MessageBox MB_ICONSTOP "$(LauncherRunning)" /SD IDOK
    SetErrorLevel ${EXIT_LAUNCHER_RUNNING}
    Quit
not_running:

  StrCpy $Writing 0
  !insertmacro ZARNITH_INSTALLED_FILES CALL_FOR_FILE SetAside
  !insertmacro CALL_FOR "${UNINSTALLER}" SetAside

  StrCpy $Writing 1
  ; Nothing is overwritten from here on (the old files are aside); a file
  ; that still cannot be written is reported, never skipped in silence.
  SetOverwrite try
  SetOutPath "$INSTDIR"
  !insertmacro ZARNITH_INSTALLED_FOLDERS CREATE_FOLDER ""
  !insertmacro ZARNITH_INSTALLED_FILES WRITE_FILE ""
  ClearErrors
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  StrCpy ${PATH} "${UNINSTALLER}"
  IfErrors 0 +2
    Call Undo

  !insertmacro ZARNITH_INSTALLED_FILES CALL_FOR_FILE DropSetAside
  !insertmacro CALL_FOR "${UNINSTALLER}" DropSetAside

  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXECUTABLE}" "" "$INSTDIR\${EXECUTABLE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zarnith 微端"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXECUTABLE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

;------------------------------------------------------------------------------
; The uninstaller removes exactly the files, folders, shortcut and registry key
; that the installer made. The settings folder (%APPDATA%\weiduan) is the
; user's and stays.

Function un.DeleteFile
  Delete "$INSTDIR\${PATH}"
FunctionEnd

Function un.RemoveEmptyFolder
  RMDir "$INSTDIR\${PATH}"
FunctionEnd

Section "Uninstall"
  Call un.LauncherInUse
  Pop $0
  StrCmp $0 1 0 not_running
    DetailPrint "Zarnith 微端正在运行，未做任何更改"
    MessageBox MB_ICONSTOP "$(LauncherRunning)" /SD IDOK
    SetErrorLevel ${EXIT_LAUNCHER_RUNNING}
    Quit
not_running:

  !insertmacro ZARNITH_INSTALLED_FILES CALL_FOR_FILE un.DeleteFile
  Delete "$INSTDIR\${UNINSTALLER}"
  ; The engine writes its log into the launcher's working folder, which the
  ; shortcut makes this one: it belongs to the program, not to the user.
  Delete "$INSTDIR\${ENGINE_LOG}"
  !insertmacro ZARNITH_INSTALLED_FOLDERS_DEEPEST_FIRST CALL_FOR un.RemoveEmptyFolder
  RMDir "$INSTDIR"

  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
