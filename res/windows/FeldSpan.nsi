; The setup program of FeldSpan for Windows, made by makensis from the folder build-win/bin.
; makensis -DBIN=<folder that runs as it is> -DOUT=<setup program> -DVERSION=3.0 FeldSpan.nsi
;
; The programs go where the settings' main path points by default (C:\Program Files\TOLVERA\
; FeldBuilder): the flash writer is looked for in its DP folder. The main and project paths are
; written only when they are not set yet, so a user's settings carry over.

; A 64-bit setup program, as the programs it installs (it also runs where no 32-bit layer is).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION
  !define VERSION "3.0"
!endif
!define APP "FeldSpan"
!define REGPATH "Software\TOLVERANET SOFTWARE\FeldBuilder\FeldSpan\PATH"
!define UNINST "Software\Microsoft\Windows\CurrentVersion\Uninstall\FeldSpan"

Name "${APP} ${VERSION}"
Icon "${__FILEDIR__}/feldspan.ico"
UninstallIcon "${__FILEDIR__}/feldspan.ico"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\TOLVERA\FeldBuilder"
InstallDirRegKey HKLM "${UNINST}" "InstallLocation"
BrandingText "${APP} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!include "MUI2.nsh"
!include "x64.nsh"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\feldspan.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Russian"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "FeldSpan needs a 64-bit Windows."
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "FeldSpan" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BIN}\feldspan.exe"
  File "${BIN}\feldspan-cli.exe"
  File "${BIN}\Qt6Core.dll"
  File "${BIN}\Qt6Gui.dll"
  File "${BIN}\Qt6Widgets.dll"
  File "${BIN}\libstdc++-6.dll"
  File "${BIN}\libgcc_s_seh-1.dll"
  File "${BIN}\libwinpthread-1.dll"
  SetOutPath "$INSTDIR\platforms"
  File "${BIN}\platforms\*.dll"
  SetOutPath "$INSTDIR\styles"
  File /nonfatal "${BIN}\styles\*.dll"
  SetOutPath "$INSTDIR\imageformats"
  File /nonfatal "${BIN}\imageformats\*.dll"
  SetOutPath "$INSTDIR\translations"
  File /nonfatal "${BIN}\translations\*.qm"
  SetOutPath "$INSTDIR\lang"
  File "${BIN}\lang\*.qm"
  SetOutPath "$INSTDIR\help"
  File /r "${BIN}\help\*.*"
  ; The flash writer of the terminal's kernel update is put here by the user.
  CreateDirectory "$INSTDIR\DP"
  SetOutPath "$INSTDIR"

  ; The settings' paths, kept when a user has them already.
  ClearErrors
  ReadRegStr $0 HKCU "${REGPATH}" "MAINPATH"
  ${If} ${Errors}
  ${OrIf} $0 == ""
    WriteRegStr HKCU "${REGPATH}" "MAINPATH" "$INSTDIR"
  ${EndIf}
  ClearErrors
  ReadRegStr $1 HKCU "${REGPATH}" "PROJECTPATH"
  ${If} ${Errors}
  ${OrIf} $1 == ""
    StrCpy $1 "$DOCUMENTS\TOLVERA\FeldBuilder"
    WriteRegStr HKCU "${REGPATH}" "PROJECTPATH" "$1"
  ${EndIf}
  CreateDirectory "$1"
  CreateDirectory "$1\Data"

  ; Start menu.
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\FeldSpan"
  CreateShortcut "$SMPROGRAMS\FeldSpan\FeldSpan.lnk" "$INSTDIR\feldspan.exe"
  CreateShortcut "$SMPROGRAMS\FeldSpan\FeldSpan help.lnk" "$INSTDIR\help\index.html"
  CreateShortcut "$SMPROGRAMS\FeldSpan\Uninstall FeldSpan.lnk" "$INSTDIR\uninstall.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINST}" "DisplayName" "${APP} ${VERSION}"
  WriteRegStr HKLM "${UNINST}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST}" "Publisher" "The FeldSpan developers"
  WriteRegStr HKLM "${UNINST}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST}" "DisplayIcon" "$INSTDIR\feldspan.exe"
  WriteRegStr HKLM "${UNINST}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST}" "NoRepair" 1
SectionEnd

; The uninstaller removes what the setup program put there. The user's settings, project folder and
; received data stay, and so does a flash writer the user put into DP (the folder stays with it).
Section "Uninstall"
  Delete "$INSTDIR\feldspan.exe"
  Delete "$INSTDIR\feldspan-cli.exe"
  Delete "$INSTDIR\*.dll"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\lang"
  RMDir /r "$INSTDIR\help"
  RMDir "$INSTDIR\DP"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."
  SetShellVarContext all
  RMDir /r "$SMPROGRAMS\FeldSpan"
  DeleteRegKey HKLM "${UNINST}"
SectionEnd
