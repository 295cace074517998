#include "dialogs/frmAbout.h"

#include <cstring>
#include <shellapi.h>

#include "DialogIds.h"
#include "dialogs/AboutBox.h"
#include "platform/Text.h"
#include "platform/win32/Win32Shell.h"

namespace krv {

ProgramVersion ReadProgramVersion(HINSTANCE instance) {
    HRSRC resource =
        ::FindResourceW(instance, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    if (resource == nullptr)
        return {};
    const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(instance, resource)));
    const size_t size = ::SizeofResource(instance, resource);
    if (data == nullptr)
        return {};
    // The fixed part of the version block follows the key "VS_VERSION_INFO" on a DWORD boundary; its
    // signature finds it without the version library.
    for (size_t offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        VS_FIXEDFILEINFO info;
        std::memcpy(&info, data + offset, sizeof info);
        if (info.dwSignature == 0xFEEF04BD) {
            return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS), HIWORD(info.dwFileVersionLS)};
        }
    }
    return {};
}

void frmAbout::Run(HINSTANCE instance, HWND owner) {
    ShowModal(instance, IDD_ABOUT, owner);
}

bool frmAbout::OnInitDialog() {
    SetCaption(ABOUT_CAPTION);
    const ProgramVersion version = ReadProgramVersion(::GetModuleHandleW(nullptr));
    SetItemText(IDC_LBL_TITLE, AboutTitle(version.Major, version.Minor, version.Revision));
    SetItemText(IDC_LBL_NOTICE1, ABOUT_COPYRIGHT_NOTICE);
    SetItemText(IDC_LBL_NOTICE2, ABOUT_WARNING_NOTICE);

    // The title in the dialog's own font, bold and a third larger.
    auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (dialogFont != nullptr && ::GetObjectW(dialogFont, sizeof font, &font) != 0) {
        font.lfWeight = FW_BOLD;
        font.lfHeight = font.lfHeight * 4 / 3;
        titleFont_.reset(::CreateFontIndirectW(&font));
        if (titleFont_)
            ::SendMessageW(Item(IDC_LBL_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), TRUE);
    }

    AddToolTip(IDC_CMD_OK, "Close this window");
    AddToolTip(IDC_CMD_SYSINFO, "Show System Info Window");
    AddToolTip(IDC_CMD_TECHSUPPORT, "Open Karvello Technical Support Web Page");
    ::SetFocus(Item(IDC_CMD_OK));
    return false; // the focus is set
}

bool frmAbout::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CMD_OK:
    case IDCANCEL:
        End(IDOK);
        return true;
    case IDC_CMD_SYSINFO:
        StartSysInfo();
        return true;
    case IDC_CMD_TECHSUPPORT:
        ::ShellExecuteW(nullptr, L"open", Widen(TECH_SUPPORT_ADDRESS).c_str(), nullptr, nullptr, SW_SHOW);
        return true;
    default:
        return false;
    }
}

void frmAbout::StartSysInfo() {
    Win32MessageBox messageBox(Handle());
    krv::StartSysInfo(registry_, files_, messageBox, [](const std::string& program) {
        ::ShellExecuteW(nullptr, L"open", Widen(program).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    });
}

void frmAbout::OnDestroy() {
    // The label lets go of the font before the font is deleted.
    ::SendMessageW(Item(IDC_LBL_TITLE), WM_SETFONT, 0, FALSE);
    titleFont_.reset();
}

} // namespace krv
