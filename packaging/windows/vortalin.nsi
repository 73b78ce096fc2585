; The Windows installer of Vortalin (makensis, run by packaging/windows/CMakeLists.txt).
; Installs for the current user only, without administrator rights, into
; %LOCALAPPDATA%\Programs\Vortalin: the programs with the DLLs and plugins they load, a
; Start-menu entry, an uninstaller listed among the installed programs, and the .vortalin
; case files opened by the window. Installing again over an installation replaces it.
;
; Defines given by the build: VERSION (x.y.z), STAGE (the folder with the files to install),
; ICON (vortalin.ico), OUTFILE (the installer to write), FILES (an include file that names
; every installed file, for both installing and uninstalling).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define APP "Vortalin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define CASE_CLASS "Vortalin.Case"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} ${VERSION} - inštalácia"
VIAddVersionKey /LANG=0 "LegalCopyright" "Vortalin developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!ifdef WINDOW
!define MUI_FINISHPAGE_RUN "$INSTDIR\vortalin.exe"
!endif
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Slovak"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Vortalin"
  SetOutPath "$INSTDIR"
  !define VORTALIN_INSTALL
  !include "${FILES}"
  !undef VORTALIN_INSTALL
  WriteUninstaller "$INSTDIR\uninstall.exe"

!ifdef WINDOW
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\vortalin.exe" "" "$INSTDIR\vortalin.ico" 0
!endif

  ; One entry among the installed programs, whatever was installed before.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vortalin.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vortalin developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

!ifdef WINDOW
  ; A double-clicked case file opens in the window.
  WriteRegStr HKCU "Software\Classes\.vortalin" "" "${CASE_CLASS}"
  WriteRegStr HKCU "Software\Classes\${CASE_CLASS}" "" "Prípad Vortalin"
  WriteRegStr HKCU "Software\Classes\${CASE_CLASS}\DefaultIcon" "" "$INSTDIR\vortalin.ico"
  WriteRegStr HKCU "Software\Classes\${CASE_CLASS}\shell\open\command" "" \
    '"$INSTDIR\vortalin.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!endif
SectionEnd

Section "Uninstall"
  !define VORTALIN_UNINSTALL
  !include "${FILES}"
  !undef VORTALIN_UNINSTALL
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The case files' association, where it is still ours.
  ReadRegStr $0 HKCU "Software\Classes\.vortalin" ""
  StrCmp $0 "${CASE_CLASS}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.vortalin"
  DeleteRegKey HKCU "Software\Classes\${CASE_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
