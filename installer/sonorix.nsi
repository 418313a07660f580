; Sonorix's setup program: installs for the current user, without
; administrator rights, into a folder the user can write to (the program
; keeps its settings, presets and styles in its own folder).
; makensis -DVERSION=1.1 -DDIST=<make dist's folder> -DICON=<icon> -DOUTFILE=<setup exe> sonorix.nsi
; Switches of the uninstaller: /S runs it silently and keeps the user's
; settings, presets and styles; /REMOVEUSERDATA removes them without asking.
; A folder given with /D= or on the directory page that holds other files
; gets a Sonorix folder of its own inside it.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sonorix"
!define MENU_FOLDER "$SMPROGRAMS\Sonorix"

Name "Sonorix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Sonorix"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Sonorix ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Sonorix"
VIAddVersionKey "FileDescription" "Sonorix ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Sonorix authors"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Sonorix.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Sonorix"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Sonorix" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${DIST}\Sonorix\Sonorix.exe"
  CreateDirectory "$INSTDIR\ini files"
  ; An upgrade keeps the user's own preset and style files, changed or not.
  SetOverwrite off
  SetOutPath "$INSTDIR\presets"
  File "${DIST}\Sonorix\presets\*.ini"
  SetOutPath "$INSTDIR\styles"
  File "${DIST}\Sonorix\styles\*.ini"
  SetOverwrite on

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\Sonorix.lnk" "$INSTDIR\Sonorix.exe"
  Call RegisterUninstaller
SectionEnd

Section "Stand-in chat client (to try Sonorix without AOL)" SecClient
  SetOutPath "$INSTDIR\tools"
  File "${DIST}\tools\aolsim.exe"
  ; Signed on, with a room open: Sonorix has somewhere to announce.
  CreateShortCut "${MENU_FOLDER}\Stand-in chat client.lnk" "$INSTDIR\tools\aolsim.exe" \
    "--name Guest --room Lobby"
SectionEnd

Function .onInit
  Call UseOwnFolder
FunctionEnd

Function DirectoryLeave
  Call UseOwnFolder
FunctionEnd

; Sonorix goes into an empty folder or one that already holds it (the
; program, or the settings an uninstall kept). Given a folder of other files,
; it makes a Sonorix folder inside, so that the user's files never share
; folders with ours.
Function UseOwnFolder
  ${Do}
    StrCpy $0 "$INSTDIR" "" -1
    ${If} $0 == "\"
      StrCpy $INSTDIR "$INSTDIR" -1
    ${EndIf}
    ${DirState} "$INSTDIR" $0
    ${If} $0 != 1
    ${OrIf} ${FileExists} "$INSTDIR\Sonorix.exe"
    ${OrIf} ${FileExists} "$INSTDIR\ini files\sonorix.ini"
      ${Break}
    ${EndIf}
    StrCpy $INSTDIR "$INSTDIR\Sonorix"
  ${Loop}
FunctionEnd

; What Apps & features shows, and how it uninstalls.
Function RegisterUninstaller
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Sonorix"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Sonorix.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; Removes what the setup program put there, and nothing else: the folder
; may hold files of the user's own, even in presets or styles.
Section "Uninstall"
  Delete "$INSTDIR\Sonorix.exe"
  Delete "$INSTDIR\tools\aolsim.exe"
  RMDir "$INSTDIR\tools"
  Delete "${MENU_FOLDER}\Sonorix.lnk"
  Delete "${MENU_FOLDER}\Stand-in chat client.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Call un.RemoveUserDataIfWanted
  Delete "$INSTDIR\Uninstall.exe"
  ; Only an empty folder goes: kept settings or other files keep it.
  RMDir "$INSTDIR\ini files"
  RMDir "$INSTDIR\presets"
  RMDir "$INSTDIR\styles"
  RMDir "$INSTDIR"
SectionEnd

; The settings, presets and styles are the user's work: they go only when
; the user says so, and a silent uninstall keeps them unless told otherwise.
Function un.RemoveUserDataIfWanted
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEUSERDATA" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Also remove your settings, presets and styles?$\r$\n$\r$\nChoose No to keep them for a later install of Sonorix." \
      /SD IDNO IDYES remove
    Return
  ${EndIf}
remove:
  Delete "$INSTDIR\ini files\sonorix.ini"
  Push "$INSTDIR\presets"
  Call un.DeleteIniFiles
  Push "$INSTDIR\styles"
  Call un.DeleteIniFiles
FunctionEnd

; Deletes the *.ini files of the folder on the stack. Delete with the
; wildcard alone would also match longer extensions through their short
; names (thesis.inix is THESIS~1.INI).
Function un.DeleteIniFiles
  Exch $0
  Push $1
  Push $2
  Push $3
  FindFirst $1 $2 "$0\*.ini"
  ${DoWhile} $2 != ""
    StrCpy $3 $2 "" -4
    ${If} $3 == ".ini"
      Delete "$0\$2"
    ${EndIf}
    FindNext $1 $2
  ${Loop}
  FindClose $1
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
