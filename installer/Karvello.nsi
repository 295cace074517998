; The per-user installer of Karvello, built by cmake/Packaging.cmake (target "installer") with makensis:
;   makensis -DVERSION=1.0.0 -DARCH=x64|x86 -DOUTFILE=... -DKARVELLO_EXE=... -DUNKARVEL_EXE=... -DKRVC_EXE=...
;            -DHELP_FILE=... -DTIPS_FILE=... -DICON=... installer/Karvello.nsi
;
; It needs no administrator rights: everything goes to the user's own programs folder and to
; HKEY_CURRENT_USER. Command line: /S (silent), /D=FOLDER (the installation folder, last on the line),
; /STARTWITHWINDOWS (choose "Start with Windows" in a silent installation).
;
; Removal is Unkarvel's road: the list of installed apps starts Unkarvel.exe, which closes Karvello, offers to
; delete the Organized Folders and then starts the command this installer stores in the program's own
; "UninstallString" value, the uninstaller below.

Unicode true
; The x64 installer is a 64-bit program itself, so it also runs where only 64-bit programs can.
!if "${ARCH}" == "x64"
    Target amd64-unicode
!endif
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

!macro REQUIRE symbol
    !ifndef ${symbol}
        !error "define ${symbol} with -D${symbol}=..."
    !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE ARCH
!insertmacro REQUIRE OUTFILE
!insertmacro REQUIRE KARVELLO_EXE
!insertmacro REQUIRE UNKARVEL_EXE
!insertmacro REQUIRE KRVC_EXE
!insertmacro REQUIRE HELP_FILE
!insertmacro REQUIRE TIPS_FILE
!insertmacro REQUIRE ICON

!define PRODUCT "Karvello"
!define PUBLISHER "Tessary"
!define PROGRAM_KEY "Software\Tessary\Karvello"
!define SETTINGS_KEY "Software\Tessary\Karvello\Settings"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Karvello"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define FOLDER_VERB_KEY "Software\Classes\Directory\shell\Organize Folder"
!define DRIVE_VERB_KEY "Software\Classes\Drive\shell\Organize Drive"
!define UNINSTALLER "Uninstall.exe"

Name "${PRODUCT} ${VERSION}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "${PRODUCT} ${VERSION} Uninstall"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Karvello"
; An update goes where the previous installation is, unless /D= or the directory page says otherwise.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup (${ARCH})"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "This wizard installs ${PRODUCT} ${VERSION} for you alone; it needs no administrator rights.$\r$\n$\r$\nKarvello keeps your favourite folders one click away, from an icon in the notification area of the taskbar.$\r$\n$\r$\nA Karvello that is running is closed first. Your folder shortcuts and settings are kept.$\r$\n$\r$\n$_CLICK"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Karvello.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Karvello now"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var StartupWasOn

; Ends a running Karvello the way Unkarvel does: "/EXIT" in "TRANSFER", then the registered hand-over message
; to the window whose handle Karvello stored in "HWND". Files of a running program cannot be replaced or
; deleted, so this waits until the process has ended; a Karvello that does not end lets the user retry or stop.
!macro DEFINE_STOP_KARVELLO prefix
Function ${prefix}StopKarvello
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
retry:
    ReadRegStr $0 HKCU "${PROGRAM_KEY}" "HWND"
    ${If} $0 == ""
        Goto done
    ${EndIf}
    IntOp $0 $0 + 0
    ; Only the window of a running Karvello counts, not whatever window now has the stored handle.
    System::Call 'user32::GetClassNameW(p r0, w .r1, i 64) i .r2'
    ${If} $2 == 0
    ${OrIf} $1 != "KarvelloMain"
        Goto done
    ${EndIf}
    DetailPrint "Closing the running Karvello..."
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r3) i'
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r3) p .r4'
    System::Call 'user32::RegisterWindowMessageW(w "!KARVELLO!REGMSG!") i .r1'
    WriteRegStr HKCU "${PROGRAM_KEY}" "TRANSFER" "/EXIT"
    System::Call 'user32::PostMessageW(p r0, i r1, p 0, p 0) i'
    ${If} $4 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r4, i 15000) i .r2'
        System::Call 'kernel32::CloseHandle(p r4)'
    ${Else}
        ; Without a handle of the process, its window going away is the sign.
        StrCpy $2 0
        ${Do}
            Sleep 200
            System::Call 'user32::IsWindow(p r0) i .r3'
            ${IfThen} $3 == 0 ${|} ${ExitDo} ${|}
            IntOp $2 $2 + 1
        ${LoopUntil} $2 >= 75
        ${If} $3 == 0
            StrCpy $2 0
        ${EndIf}
    ${EndIf}
    ${If} $2 != 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Karvello is still running. Close it (Options, Exit) and choose Retry." /SD IDCANCEL IDRETRY retry
        Abort "Karvello is still running."
    ${EndIf}
done:
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_STOP_KARVELLO ""
!insertmacro DEFINE_STOP_KARVELLO "un."

; Deletes a file, trying again for a few seconds: a program that has just ended (Unkarvel, which starts the
; uninstaller, or Karvello) may still hold its file for a moment.
!macro DELETE_FILE path
    Push $9
    StrCpy $9 0
    ${Do}
        ClearErrors
        Delete "${path}"
        ${IfNotThen} ${FileExists} "${path}" ${|} ${ExitDo} ${|}
        Sleep 250
        IntOp $9 $9 + 1
    ${LoopUntil} $9 >= 20
    Pop $9
!macroend

Section "Karvello" SecProgram
    SectionIn RO
    Call StopKarvello
    SetOutPath "$INSTDIR"
    File "/oname=Karvello.exe" "${KARVELLO_EXE}"
    File "/oname=Unkarvel.exe" "${UNKARVEL_EXE}"
    File "/oname=krvc.exe" "${KRVC_EXE}"
    File "/oname=Karvello.chm" "${HELP_FILE}"
    File "/oname=TIPOFDAY.TXT" "${TIPS_FILE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    SetShellVarContext current
    CreateShortCut "$SMPROGRAMS\Karvello.lnk" "$INSTDIR\Karvello.exe" "" "$INSTDIR\Karvello.exe" 0 \
        SW_SHOWNORMAL "" "Keeps your favourite folders one click away"

    ; The command Unkarvel starts last.
    WriteRegStr HKCU "${SETTINGS_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'

    ; The entry of the list of installed apps starts Unkarvel, which completes the removal.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Karvello.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Unkarvel.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program's own start-up entry, as its Options write it: the value "Karvello" with the quoted program
; path, and the option "ADVC0" on, without which the next save of the options would delete the entry again.
Section /o "Start with Windows" SecStartup
    WriteRegStr HKCU "${RUN_KEY}" "Karvello" '"$INSTDIR\Karvello.exe"'
    WriteRegStr HKCU "${SETTINGS_KEY}" "ADVC0" "-1"
SectionEnd

; Unticking "Start with Windows" in an update switches the entry off the same way.
Section "-StartupOff"
    ${IfNot} ${SectionIsSelected} ${SecStartup}
    ${AndIf} $StartupWasOn == 1
        DeleteRegValue HKCU "${RUN_KEY}" "Karvello"
        WriteRegStr HKCU "${SETTINGS_KEY}" "ADVC0" "0"
    ${EndIf}
SectionEnd

Function .onInit
!if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "This Karvello is for 64-bit Windows. Use Karvello-${VERSION}-setup-x86.exe on this computer." /SD IDOK
        Abort
    ${EndIf}
!endif
    ; "Start with Windows" starts out as the installation found it.
    StrCpy $StartupWasOn 0
    ReadRegStr $0 HKCU "${RUN_KEY}" "Karvello"
    ReadRegStr $1 HKCU "${SETTINGS_KEY}" "ADVC0"
    ${If} $0 != ""
    ${OrIf} $1 == "-1"
        StrCpy $StartupWasOn 1
    ${EndIf}
    ${GetParameters} $2
    ClearErrors
    ${GetOptions} $2 "/STARTWITHWINDOWS" $3
    ${IfNot} ${Errors}
    ${OrIf} $StartupWasOn == 1
        !insertmacro SelectSection ${SecStartup}
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Call un.StopKarvello
    !insertmacro DELETE_FILE "$INSTDIR\Karvello.exe"
    !insertmacro DELETE_FILE "$INSTDIR\Unkarvel.exe"
    !insertmacro DELETE_FILE "$INSTDIR\krvc.exe"
    Delete "$INSTDIR\Karvello.chm"
    Delete "$INSTDIR\TIPOFDAY.TXT"
    Delete "$INSTDIR\${UNINSTALLER}"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Karvello.lnk"

    ; What the program wrote for this copy would now start nothing: its start-up entry and its Explorer verbs.
    ReadRegStr $0 HKCU "${RUN_KEY}" "Karvello"
    ${If} $0 == '"$INSTDIR\Karvello.exe"'
        DeleteRegValue HKCU "${RUN_KEY}" "Karvello"
    ${EndIf}
    ReadRegStr $0 HKCU "${FOLDER_VERB_KEY}\command" ""
    ${If} $0 == '"$INSTDIR\Karvello.exe" /ADD %L'
        DeleteRegKey HKCU "${FOLDER_VERB_KEY}"
        DeleteRegKey HKCU "${DRIVE_VERB_KEY}"
    ${EndIf}
    DeleteRegValue HKCU "${SETTINGS_KEY}" "UninstallString"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; Keeping is the default, and the answer of a silent removal. The question has a title of its own, apart
    ; from the wizard's, so that it is told from the wizard at a glance.
    StrCpy $0 6
    ${IfNot} ${Silent}
        StrCpy $1 "Do you want to keep your Karvello configuration file and settings?$\r$\n$\r$\nKeep them to find your folder shortcuts again when you install Karvello later."
        System::Call 'user32::MessageBoxW(p $HWNDPARENT, w r1, w "Karvello Uninstall", i 0x24) i .r0'
    ${EndIf}
    IntCmp $0 6 keep
    ; The configuration file beside the program with its backups, and the file set as the default when it
    ; lies in this folder too; a file kept elsewhere is the user's own and stays.
    ReadRegStr $0 HKCU "${SETTINGS_KEY}" "ConfigFile"
    StrLen $1 "$INSTDIR\"
    StrCpy $2 $0 $1
    ${If} $2 == "$INSTDIR\"
        Delete "$0"
        Delete "$0.bak1"
        Delete "$0.bak2"
        Delete "$0.bak3"
    ${EndIf}
    Delete "$INSTDIR\default.krvc"
    Delete "$INSTDIR\default.krvc.bak1"
    Delete "$INSTDIR\default.krvc.bak2"
    Delete "$INSTDIR\default.krvc.bak3"
    DeleteRegKey HKCU "${PROGRAM_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Tessary"
keep:
    ; The folder goes only when it is empty: a file the user put there stays, and the folder with it.
    RMDir "$INSTDIR"
SectionEnd
