; The Windows installer of Mervadin 0.1.0 as it was made then, kept so that
; scripts/test-windows-app can install it and then the present installer
; over it, as an operator upgrading would. It installs the programs with the
; libraries and Qt plugins they need, a Start-menu entry and an uninstaller
; that takes it all away again:
;   makensis -DVERSION=X.Y.Z -DFILES=files.nsh -DREMOVE=remove.nsh -DOUT=FILE installer-0.1.0.nsi
; files.nsh installs each file of the programs' folder (SetOutPath and File
; lines); remove.nsh deletes those very files and their folders, so that
; the uninstaller never removes what it did not install, whatever folder
; the operator chose.

Unicode true
; A 64-bit installer for the 64-bit programs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

Name "Mervadin ${VERSION}"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\Mervadin"
InstallDirRegKey HKLM "Software\Mervadin" "InstallDir"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mervadin"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Mervadin"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Mervadin" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Mervadin"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mervadin.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Mervadin"
  CreateShortcut "$SMPROGRAMS\Mervadin\Mervadin.lnk" "$INSTDIR\mervadin.exe"
  CreateShortcut "$SMPROGRAMS\Mervadin\Mervadin (simulated device).lnk" \
    "$INSTDIR\mervadin.exe" "--simulator"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Mervadin\Mervadin.lnk"
  Delete "$SMPROGRAMS\Mervadin\Mervadin (simulated device).lnk"
  RMDir "$SMPROGRAMS\Mervadin"
  ; The installed files only: the operator's data folder c:\ORVI-T300-En stays.
  !include "${REMOVE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Mervadin"
SectionEnd
