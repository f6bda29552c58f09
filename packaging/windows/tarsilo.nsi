; The Windows installer: the program file, its licence text, a Start-menu
; shortcut, an entry in "Apps & features" and an uninstaller. Built by the
; target windows_installer (packaging/windows/CMakeLists.txt):
;   makensis -DVERSION=<x.y.z> -DPROGRAM=<Tarsilo10.exe> -DLICENCE=<LICENSE.txt>
;            -DOUTFILE=<setup.exe> tarsilo.nsi
; It installs for the current user by default, without elevation, into
; %LOCALAPPDATA%\Programs\Tarsilo with its entry under HKCU; for all users
; (Program Files, HKLM, the common Start menu) when chosen on its first page or
; with /AllUsers, and only then asks for administrator rights.
;   setup.exe /S               silent, for the current user
;   setup.exe /S /AllUsers     silent, for all users
;   Uninstall.exe /S           removes that installation, whichever kind
; An installation already in the chosen place is removed by its own
; uninstaller first, so an upgrade leaves one entry and no old files.
; The installer speaks Russian on a Russian system and English elsewhere.
; EXTRA_FILE (tests only) names one more file the installation carries, for
; the upgrade test to see it go.

!ifndef VERSION
  !error "define VERSION, the program's version x.y.z"
!endif
!ifndef PROGRAM
  !error "define PROGRAM, the path of Tarsilo10.exe"
!endif
!ifndef LICENCE
  !error "define LICENCE, the path of LICENSE.txt"
!endif
!ifndef OUTFILE
  !error "define OUTFILE, the path of the installer to write"
!endif

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
; Elevation is asked for by the installer itself, and only for all users.
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"

!define PRODUCT "Tarsilo"
!define PUBLISHER "Tarsilo project"
!define PROGRAM_FILE "Tarsilo10.exe"
!define LICENCE_FILE "LICENSE.txt"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarsilo"
; What ShellExecute's "runas" gives back when the user declines elevation.
!define ERROR_CANCELLED 1223

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

Var AllUsers      ; 1 for all users, 0 for the current user
Var ModeGiven     ; 1 when /AllUsers or /CurrentUser chose the mode
Var DirGiven      ; 1 when /D= chose the folder
Var RadioAllUsers

!define MUI_ABORTWARNING
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for systems of neither language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString ShortcutComment ${LANG_ENGLISH} \
  "Descent of a ball or a cylinder through a planet's atmosphere"
LangString ShortcutComment ${LANG_RUSSIAN} \
  "Спуск шара или цилиндра в атмосфере планеты"
LangString ModeTitle ${LANG_ENGLISH} "Installation for"
LangString ModeTitle ${LANG_RUSSIAN} "Для кого установить"
LangString ModeSubtitle ${LANG_ENGLISH} "Choose who can use ${PRODUCT} on this computer."
LangString ModeSubtitle ${LANG_RUSSIAN} "Выберите, кто сможет пользоваться ${PRODUCT} на этом компьютере."
LangString ModeCurrentUser ${LANG_ENGLISH} "Only for me (no administrator rights needed)"
LangString ModeCurrentUser ${LANG_RUSSIAN} "Только для меня (права администратора не нужны)"
LangString ModeAllUsers ${LANG_ENGLISH} "For all users of this computer (needs administrator rights)"
LangString ModeAllUsers ${LANG_RUSSIAN} "Для всех пользователей компьютера (нужны права администратора)"
LangString BothModes ${LANG_ENGLISH} "Give either /AllUsers or /CurrentUser, not both."
LangString BothModes ${LANG_RUSSIAN} "Укажите либо /AllUsers, либо /CurrentUser, но не оба."
LangString NoAdminRights ${LANG_ENGLISH} \
  "Administrator rights are needed to install or remove ${PRODUCT} for all users."
LangString NoAdminRights ${LANG_RUSSIAN} \
  "Чтобы установить или удалить ${PRODUCT} для всех пользователей, нужны права администратора."
LangString PreviousNotRemoved ${LANG_ENGLISH} \
  "The installed ${PRODUCT} in $0 could not be removed (status $1)."
LangString PreviousNotRemoved ${LANG_RUSSIAN} \
  "Не удалось удалить установленную программу ${PRODUCT} из $0 (код $1)."

; Runs this installer or uninstaller again with administrator rights when it
; has none: "runas" shows the elevation prompt, and this process waits for
; the new one. $R0 holds the switches for the new process; /Elevated marks it,
; so that a process still without rights stops instead of asking again.
; Returns in $0 "admin" when this process may go on, "relaunched" when the
; new process has run (the caller checks its work and quits).
!macro DEFINE_RELAUNCH_AS_ADMIN UN
  Function ${UN}RelaunchAsAdmin
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
      StrCpy $0 "admin"
      Return
    ${EndIf}
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/Elevated" $2
    ${IfNot} ${Errors}
      MessageBox MB_ICONSTOP "$(NoAdminRights)" /SD IDOK
      SetErrorLevel 5 ; access denied
      Quit
    ${EndIf}
    ${If} ${Silent}
      StrCpy $R0 "/S $R0"
    ${EndIf}
    ClearErrors
    ExecShellWait "runas" "$EXEPATH" "/Elevated $R0"
    ${If} ${Errors}
      SetErrorLevel ${ERROR_CANCELLED}
      Quit
    ${EndIf}
    StrCpy $0 "relaunched"
  FunctionEnd
!macroend
!insertmacro DEFINE_RELAUNCH_AS_ADMIN ""
!insertmacro DEFINE_RELAUNCH_AS_ADMIN "un."

; The shell folders, the registry root (SHCTX) and the default folder of the
; chosen mode. A folder given with /D= or found in an existing entry of that
; mode is kept.
Function UseMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    StrCpy $1 "$PROGRAMFILES64\${PRODUCT}"
  ${Else}
    SetShellVarContext current
    StrCpy $1 "$LOCALAPPDATA\Programs\${PRODUCT}"
  ${EndIf}
  ${If} $DirGiven == 0
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
      StrCpy $0 $1
    ${EndIf}
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

; For all users: go on with administrator rights or let an elevated copy of
; this installer do the work, then end with its outcome (the entry of this
; version in HKLM, or not).
Function ElevateForAllUsers
  StrCpy $R0 "/AllUsers"
  ${If} $DirGiven == 1
    StrCpy $R0 "$R0 /D=$INSTDIR" ; /D= must come last
  ${EndIf}
  Call RelaunchAsAdmin
  ${If} $0 == "relaunched"
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != "${VERSION}"
      SetErrorLevel 2
    ${EndIf}
    Quit
  ${EndIf}
FunctionEnd

Function .onInit
  SetRegView 64
  StrCpy $DirGiven 0
  ${If} $INSTDIR != ""
    StrCpy $DirGiven 1
  ${EndIf}
  StrCpy $AllUsers 0
  StrCpy $ModeGiven 0
  ${GetParameters} $R1
  ClearErrors
  ${GetOptions} $R1 "/AllUsers" $R2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    StrCpy $ModeGiven 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R1 "/CurrentUser" $R2
  ${IfNot} ${Errors}
    ${If} $AllUsers == 1
      MessageBox MB_ICONSTOP "$(BothModes)" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    StrCpy $ModeGiven 1
  ${EndIf}
  ${If} $AllUsers == 1
    Call ElevateForAllUsers
  ${EndIf}
  Call UseMode
FunctionEnd

Function ModePage
  ${If} $ModeGiven == 1
    Abort ; the command line chose; no page
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(ModeTitle)" "$(ModeSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "$(ModeCurrentUser)"
  Pop $1
  ${NSD_CreateRadioButton} 0 20u 100% 12u "$(ModeAllUsers)"
  Pop $RadioAllUsers
  ${If} $AllUsers == 1
    ${NSD_Check} $RadioAllUsers
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $RadioAllUsers $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
    Call ElevateForAllUsers
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call UseMode
FunctionEnd

; An installation already registered in the chosen root goes first, by its
; own uninstaller run in place (_?=), which then cannot delete itself.
Function RemovePrevious
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIfNot} ${FileExists} "$0\${UNINSTALLER}"
    Return
  ${EndIf}
  DetailPrint "$0\${UNINSTALLER} /S"
  ClearErrors
  ExecWait '"$0\${UNINSTALLER}" /S _?=$0' $1
  ${If} ${Errors}
  ${OrIf} $1 != 0
    MessageBox MB_ICONSTOP "$(PreviousNotRemoved)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  Delete "$0\${UNINSTALLER}"
  RMDir "$0"
FunctionEnd

Section
  Call RemovePrevious
  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAM_FILE}" "${PROGRAM}"
  File "/oname=${LICENCE_FILE}" "${LICENCE}"
!ifdef EXTRA_FILE
  FileOpen $0 "$INSTDIR\${EXTRA_FILE}" w
  FileWrite $0 "${PRODUCT} ${VERSION}"
  FileClose $0
!endif
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_FILE}" "" \
    "$INSTDIR\${PROGRAM_FILE}" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The uninstaller removes an all-users installation when the HKLM entry
; names its folder, and then needs administrator rights; otherwise it removes
; the current user's.
Function un.onInit
  SetRegView 64
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
    StrCpy $R0 "_?=$INSTDIR" ; _?= must come last
    Call un.RelaunchAsAdmin
    ${If} $0 == "relaunched"
      ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
      ${If} $0 == $INSTDIR
        SetErrorLevel 2
      ${EndIf}
      Quit
    ${EndIf}
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\${PROGRAM_FILE}"
  Delete "$INSTDIR\${LICENCE_FILE}"
!ifdef EXTRA_FILE
  Delete "$INSTDIR\${EXTRA_FILE}"
!endif
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  ; Only the entry of this installation: another folder's entry stays.
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
