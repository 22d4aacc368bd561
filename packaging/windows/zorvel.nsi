; The installer of the game for Windows: for the user alone, with no administrator rights, into
; the user's own programs folder, with a Start-menu entry and an uninstaller that the system's
; list of installed apps shows. Both run silently with /S.
;
; Defined by scripts/package-windows: VERSION, STAGE (the installed folder, as the zip holds it),
; UNINSTALL_FILES (the lines that delete each of its files and folders), ICON and OUTFILE.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!define NAME "Zorblin Veltor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZorVel"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"

Name "${NAME}"
Caption "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
; An earlier version is installed over where it lies.
InstallDir "$LOCALAPPDATA\Programs\ZorVel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "FileDescription" "${NAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "ZorVel developers"
VIAddVersionKey "LegalCopyright" "2026 ZorVel developers, MIT licence"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The game reads its pictures and sounds from the folder it runs in: the entry starts it in its
    ; own, which is the output path when the shortcut is made.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\zorvel.exe" "" "$INSTDIR\zorvel.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorvel.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ZorVel developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; The uninstaller runs where it lies (_?=): a copy of it in the temporary folder would leave its
    ; folder there for ever, as Windows cannot delete the folder at the next start before the copy.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "${SHORTCUT}"
    !include "${UNINSTALL_FILES}"
    ; The running uninstaller, and then its folder, go when Windows next starts.
    Delete /REBOOTOK "$INSTDIR\uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    ; The folders and the key the installer may have made for the first app of the user's own.
    RMDir /REBOOTOK "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
