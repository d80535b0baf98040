; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, made by tools/windows/package.sh:
;   makensis -DVERSION=x.y.z -DSTAGE=dir -DOUTFILE=file -DFILES=dir clubdraw.nsi
; STAGE is the installed tree; FILES holds install.nsh and uninstall.nsh,
; its files listed one by one, so the uninstaller removes only what it put.
;
; It installs for the current user, into AppData\Local\Programs, so it needs
; no administrator rights. /S installs (and uninstalls) silently.
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Clubdraw"

Name "Clubdraw"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Clubdraw"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Clubdraw"
VIAddVersionKey /LANG=0 "FileDescription" "Clubdraw installer"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\clubdraw.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Norwegian"

Section "Clubdraw"
  SetShellVarContext current
  !include "${FILES}\install.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Clubdraw.lnk" "$INSTDIR\clubdraw.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Clubdraw"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Clubdraw developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\clubdraw.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; The user's own catalogue copy, in AppData\Local\clubdraw, stays.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Clubdraw.lnk"
  !include "${FILES}\uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
