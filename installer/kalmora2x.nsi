; The installer of Kalmora 2x (makensis, NSIS 3). scripts/build-installer passes:
;   VERSION  the program's version (x.y.z)    TARGET   x86-unicode (shipped) or amd64-unicode
;   EXE      Kalmora2x.exe                    HELP     Kalmora2X.chm
;   FILES    the folder of files installed beside the program
;   ICON     the program's icon               OUTFILE  the installer to write
; Unicode installers run on every Windows NT; the shipped one is 32-bit.
Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
ManifestSupportedOS none

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WordFunc.nsh"
!include "FileFunc.nsh"

!define OWN_KEY "Software\Kalmora2x"
!define OPTIONS_KEY "Software\Kalmora2x\Options"
!define BOOKMARKS_KEY "Software\Kalmora\Bookmarks"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalmora2x"
!define ACTIVE_SETUP_KEY "Software\Microsoft\Active Setup\Installed Components\Kalmora2x"
!define SHORTCUT "$SMPROGRAMS\Kalmora 2x.lnk"
!define UNINSTALLER "Deinstallieren.exe"

Name "Kalmora 2x"
OutFile "${OUTFILE}"
; $PROGRAMFILES is the system's own program folder: "Programme" on a German Windows.
InstallDir "$PROGRAMFILES\Kalmora2x"
RequestExecutionLevel admin
BrandingText "Kalmora 2x ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "Kalmora 2x"
VIAddVersionKey /LANG=1031 "CompanyName" "Kalmora"
VIAddVersionKey /LANG=1031 "FileDescription" "Installationsprogramm von Kalmora 2x"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© Kalmora"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kalmora2x.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

!macro UseNativeRegistryView
  !if "${TARGET}" == "amd64-unicode"
    SetRegView 64
  !endif
!macroend

Function .onInit
  !insertmacro UseNativeRegistryView
FunctionEnd

Function un.onInit
  !insertmacro UseNativeRegistryView
FunctionEnd

Section "Kalmora 2x"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=Kalmora2x.exe" "${EXE}"
  File "/oname=Kalmora2X.chm" "${HELP}"
  File "${FILES}\SmallShortCut.Ico"
  File "${FILES}\NoShortCut.Ico"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Start-up reads the folder from the user's own options key.
  WriteRegStr HKCU "${OPTIONS_KEY}" "InstallDir" "$INSTDIR"
  ; Every other user gets the same value at their next log-on: Active Setup runs StubPath once
  ; for each user, and regedit (there on every NT) imports the value into that user's key.
  ${WordReplace} "$INSTDIR" "\" "\\" "+" $1
  FileOpen $0 "$INSTDIR\InstallDir.reg" w
  FileWrite $0 'REGEDIT4$\r$\n$\r$\n[HKEY_CURRENT_USER\${OPTIONS_KEY}]$\r$\n"InstallDir"="$1"$\r$\n'
  FileClose $0
  WriteRegStr HKLM "${ACTIVE_SETUP_KEY}" "" "Kalmora 2x"
  WriteRegStr HKLM "${ACTIVE_SETUP_KEY}" "StubPath" 'regedit.exe /s "$INSTDIR\InstallDir.reg"'
  WriteRegStr HKLM "${ACTIVE_SETUP_KEY}" "Version" "${VERSION_COMMAS}"
  WriteRegDWORD HKLM "${ACTIVE_SETUP_KEY}" "IsInstalled" 1

  ; The shortcut starts in the program's folder, where the help button finds the help file.
  CreateShortCut "${SHORTCUT}" "$INSTDIR\Kalmora2x.exe" "" "$INSTDIR\Kalmora2x.exe" 0 \
    SW_SHOWNORMAL "" "Windows NT 4.0, 2000 und XP einstellen"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kalmora 2x"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kalmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kalmora2x.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\Kalmora2x.exe"
  Delete "$INSTDIR\Kalmora2X.chm"
  Delete "$INSTDIR\SmallShortCut.Ico"
  Delete "$INSTDIR\NoShortCut.Ico"
  Delete "$INSTDIR\InstallDir.reg"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${ACTIVE_SETUP_KEY}"
  DeleteRegValue HKCU "${OPTIONS_KEY}" "InstallDir"

  ; The program's own settings stay unless the user wants them gone. Silent, they stay unless
  ; the administrator asks with /EINSTELLUNGEN.
  ${un.GetParameters} $2
  ClearErrors
  ${un.GetOptions} $2 "/EINSTELLUNGEN" $3
  IfErrors 0 removeSettings
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Sollen auch Ihre Einstellungen von Kalmora 2x (Fenster, Schrift, Lesezeichen) entfernt werden ?" \
    /SD IDNO IDNO keepSettings
removeSettings:
  DeleteRegKey HKCU "${OWN_KEY}"
  DeleteRegKey HKCU "${BOOKMARKS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Kalmora"
  Goto done
keepSettings:
  ; Only the keys that the installer's value alone made.
  EnumRegValue $0 HKCU "${OPTIONS_KEY}" 0
  EnumRegKey $1 HKCU "${OPTIONS_KEY}" 0
  ${If} "$0$1" == ""
    DeleteRegKey HKCU "${OPTIONS_KEY}"
    EnumRegValue $0 HKCU "${OWN_KEY}" 0
    EnumRegKey $1 HKCU "${OWN_KEY}" 0
    ${If} "$0$1" == ""
      DeleteRegKey HKCU "${OWN_KEY}"
    ${EndIf}
  ${EndIf}
done:
SectionEnd
