; The Windows installer: a per-user install (no administrator rights) into
; %LOCALAPPDATA%\Programs\Halvenor with a Start-menu entry and an uninstaller.
;
; scripts/build-windows.sh (stage "installer") lays out the program's files in a folder and
; runs: makensis -DVERSION=<version> -DDIST=<that folder> -DOUTFILE=<setup.exe> halvenor.nsi
; Every file the program needs is named here, so a file left over in the folder is never
; shipped by accident.

; A 64-bit setup for a 64-bit program (it also runs where no 32-bit layer is installed).
Target amd64-unicode
!include "MUI2.nsh"

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef DIST
  !error "DIST (the folder the program's files are laid out in) is not defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "halvenor-${VERSION}-setup.exe"
!endif

!define APP "Halvenor"
!define PUBLISHER "Drennick"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "${APP}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "Software\${PUBLISHER}\${APP} Install" "Folder"
SetCompressor /SOLID lzma
Icon "${DIST}\halvenor.ico"
UninstallIcon "${DIST}\halvenor.ico"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "FileDescription" "${APP} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${DIST}\halvenor.ico"
!define MUI_UNICON "${DIST}\halvenor.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\halvenor.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${DIST}\halvenor.exe"
  File "${DIST}\halvenor.ico"
  File "${DIST}\Qt6Core.dll"
  File "${DIST}\Qt6Gui.dll"
  File "${DIST}\Qt6Widgets.dll"
  File "${DIST}\Qt6PrintSupport.dll"
  File "${DIST}\libzip.dll"
  File "${DIST}\zlib1.dll"
  File "${DIST}\libstdc++-6.dll"
  File "${DIST}\libgcc_s_seh-1.dll"
  File "${DIST}\libwinpthread-1.dll"
  SetOutPath "$INSTDIR\platforms"
  File "${DIST}\platforms\qwindows.dll"
  ; The command line runs without a window, on the offscreen platform.
  File "${DIST}\platforms\qoffscreen.dll"
  SetOutPath "$INSTDIR\styles"
  File "${DIST}\styles\qwindowsvistastyle.dll"
  ; Stand-ins for the fonts the plan names, loaded when Windows lacks those, with their
  ; licences.
  SetOutPath "$INSTDIR\fonts"
  File "${DIST}\fonts\*.otf"
  File "${DIST}\fonts\*.ttf"
  File "${DIST}\fonts\*.txt"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\halvenor.exe" "" "$INSTDIR\halvenor.ico" 0
  WriteRegStr HKCU "Software\${PUBLISHER}\${APP} Install" "Folder" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\halvenor.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, by name, and the folders only when empty: a file
; the user saved in the program's folder stays. The business details in the registry
; (Software\Drennick\Halvenor) are the user's and stay too.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$INSTDIR\fonts\*.otf"
  Delete "$INSTDIR\fonts\*.ttf"
  Delete "$INSTDIR\fonts\*.txt"
  RMDir "$INSTDIR\fonts"
  Delete "$INSTDIR\styles\qwindowsvistastyle.dll"
  RMDir "$INSTDIR\styles"
  Delete "$INSTDIR\platforms\qwindows.dll"
  Delete "$INSTDIR\platforms\qoffscreen.dll"
  RMDir "$INSTDIR\platforms"
  Delete "$INSTDIR\halvenor.exe"
  Delete "$INSTDIR\halvenor.ico"
  Delete "$INSTDIR\Qt6Core.dll"
  Delete "$INSTDIR\Qt6Gui.dll"
  Delete "$INSTDIR\Qt6Widgets.dll"
  Delete "$INSTDIR\Qt6PrintSupport.dll"
  Delete "$INSTDIR\libzip.dll"
  Delete "$INSTDIR\zlib1.dll"
  Delete "$INSTDIR\libstdc++-6.dll"
  Delete "$INSTDIR\libgcc_s_seh-1.dll"
  Delete "$INSTDIR\libwinpthread-1.dll"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\${PUBLISHER}\${APP} Install"
SectionEnd
