; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, made by tools/windows/package.sh:
;   makensis -DVERSION=x.y.z -DSTAGE=dir -DOUTFILE=file -DFILES=dir clubdraw.nsi
; STAGE is the installed tree; FILES holds install.nsh and uninstall.nsh,
; its files listed one by one, so the uninstaller removes only what it put.
;
; It installs for the current user, into AppData\Local\Programs, so it needs
; no administrator rights. It speaks English or Norwegian, preset to the
; Windows display language. Switches (README.md lists them too):
;   /S        silent: asks nothing, leaves PATH alone
;   /PATH     add the installation folder to the user's PATH (also with /S)
;   /D=DIR    install into DIR; last, unquoted
; The uninstaller takes /S.
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
BrandingText "Clubdraw ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Clubdraw"
VIAddVersionKey /LANG=0 "FileDescription" "Clubdraw installer"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The uninstaller speaks the language the installer spoke.
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_LANGDLL_ALWAYSSHOW
; The GPL is no agreement to enter into: it is shown, and "Next" goes on.
!define MUI_PAGE_HEADER_TEXT "$(LicenceHeader)"
!define MUI_PAGE_HEADER_SUBTEXT "$(LicenceSubheader)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(LicenceTop)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceBottom)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
; Room for the whole caption of the PATH choice.
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\clubdraw.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Norwegian"

LangString LicenceHeader ${LANG_ENGLISH} "Licence"
LangString LicenceHeader ${LANG_NORWEGIAN} "Lisens"
LangString LicenceSubheader ${LANG_ENGLISH} "Clubdraw is free software under the GNU General Public License."
LangString LicenceSubheader ${LANG_NORWEGIAN} "Clubdraw er fri programvare under GNU General Public License."
LangString LicenceTop ${LANG_ENGLISH} "Press Page Down to see the rest of the licence."
LangString LicenceTop ${LANG_NORWEGIAN} "Trykk Page Down for å se resten av lisensen."
LangString LicenceBottom ${LANG_ENGLISH} "You may use Clubdraw for anything. The licence tells what you may do when you share or change it. Click Next to continue."
LangString LicenceBottom ${LANG_NORWEGIAN} "Du kan bruke Clubdraw til hva du vil. Lisensen forteller hva du kan gjøre når du deler eller endrer programmet. Trykk Neste for å fortsette."
LangString ProgramSection ${LANG_ENGLISH} "Clubdraw"
LangString ProgramSection ${LANG_NORWEGIAN} "Clubdraw"
LangString PathSection ${LANG_ENGLISH} "Add Clubdraw to my PATH"
LangString PathSection ${LANG_NORWEGIAN} "Legg Clubdraw til i PATH"
LangString PathTooLong ${LANG_ENGLISH} "Your PATH is too long to change safely here; add $INSTDIR to it yourself."
LangString PathTooLong ${LANG_NORWEGIAN} "PATH er for lang til å endres trygt herfra. Legg til $INSTDIR selv."
LangString RemovingEarlier ${LANG_ENGLISH} "Removing the earlier installation in $0"
LangString RemovingEarlier ${LANG_NORWEGIAN} "Fjerner den forrige installasjonen i $0"

; Room for the PATH and one more folder in NSIS's strings.
!define /math PATH_ROOM ${NSIS_MAX_STRLEN} - 260

; The user's PATH, as NSIS can hold it: $0 is the value, $1 is 1 when it
; can be changed safely (it is absent, or short enough to be read whole).
!macro ReadUserPath
  ClearErrors
  ReadRegStr $0 HKCU "Environment" "Path"
  StrCpy $1 1
  ${If} ${Errors}
    StrCpy $0 ""
    ; Absent, or longer than NSIS's strings.
    StrCpy $2 0
    ${Do}
      EnumRegValue $3 HKCU "Environment" $2
      ${If} $3 == ""
        ${Break}
      ${EndIf}
      ${If} $3 == "Path"
        StrCpy $1 0
      ${EndIf}
      IntOp $2 $2 + 1
    ${Loop}
  ${EndIf}
  StrLen $2 $0
  ${If} $2 >= ${PATH_ROOM}
    StrCpy $1 0
  ${EndIf}
!macroend

; Tells running programs (Explorer, and the consoles it starts) that the
; environment changed.
!macro AnnouncePath
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
!macroend

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "$(ProgramSection)" ProgramSectionId
  SectionIn RO
  SetShellVarContext current
  ; An earlier installation, here or in another folder, goes first, so none
  ; is left without its Start-menu entry and uninstaller. The user's own
  ; catalogue, in AppData\Local\clubdraw, stays.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    DetailPrint "$(RemovingEarlier)"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

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
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallerLanguage" $LANGUAGE
SectionEnd

; Unticked: the folder goes on the user's PATH only when asked, and the
; uninstaller takes off exactly the entry recorded here.
Section /o "$(PathSection)" PathSectionId
  !insertmacro ReadUserPath
  ${If} $1 != 1
    DetailPrint "$(PathTooLong)"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(PathTooLong)" /SD IDOK
    Return
  ${EndIf}
  ${If} $0 == ""
    StrCpy $0 "$INSTDIR"
  ${Else}
    StrCpy $0 "$0;$INSTDIR"
  ${EndIf}
  WriteRegExpandStr HKCU "Environment" "Path" $0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "PathEntry" "$INSTDIR"
  !insertmacro AnnouncePath
SectionEnd

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/PATH" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${PathSectionId}
  ${EndIf}
FunctionEnd

; The user's own catalogue copy, in AppData\Local\clubdraw, stays.
Section "Uninstall"
  SetShellVarContext current
  ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "PathEntry"
  ${If} $R1 != ""
    Call un.RemovePathEntry
  ${EndIf}
  Delete "$SMPROGRAMS\Clubdraw.lnk"
  !include "${FILES}\uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Takes the first entry equal to $R1 (as Windows compares: case aside) off
; the user's PATH; every other entry, empty ones too, stays as it was.
Function un.RemovePathEntry
  !insertmacro ReadUserPath
  ${If} $1 != 1
    Return
  ${EndIf}
  StrCpy $R2 "" ; the PATH without the entry
  StrCpy $R3 "" ; the entry being read
  StrCpy $R4 0  ; where in $0
  StrCpy $R5 0  ; 1 once removed
  StrCpy $R6 0  ; 1 once an entry went to $R2
  StrLen $R7 $0
  ${Do}
    StrCpy $R8 $0 1 $R4
    ${If} $R8 == ";"
    ${OrIf} $R4 >= $R7
      ${If} $R5 == 0
      ${AndIf} $R3 == $R1
        StrCpy $R5 1
      ${Else}
        ${If} $R6 == 1
          StrCpy $R2 "$R2;"
        ${EndIf}
        StrCpy $R2 "$R2$R3"
        StrCpy $R6 1
      ${EndIf}
      StrCpy $R3 ""
    ${Else}
      StrCpy $R3 "$R3$R8"
    ${EndIf}
    IntOp $R4 $R4 + 1
  ${LoopUntil} $R4 > $R7
  ${If} $R5 == 0
    Return
  ${EndIf}
  ${If} $R2 == ""
    DeleteRegValue HKCU "Environment" "Path"
  ${Else}
    WriteRegExpandStr HKCU "Environment" "Path" $R2
  ${EndIf}
  !insertmacro AnnouncePath
FunctionEnd
