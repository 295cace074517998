#include "platform/win32/Win32ShellExecute.h"

#include <windows.h>

#include <shellapi.h>
#include <string>

#include "platform/Text.h"

namespace krv {

int64_t Win32ShellExecute::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                                   int showCommand) {
    const std::wstring wideVerb = Widen(verb);
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    HINSTANCE result =
        ::ShellExecuteW(nullptr, wideVerb.c_str(), wideFile.c_str(),
                        wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr, showCommand);
    return static_cast<int64_t>(reinterpret_cast<intptr_t>(result));
}

bool Win32ShellExecute::MoveToRecycleBin(std::string_view path) {
    // The shell takes a list of paths, each ended by a zero, the list by one more.
    std::wstring from = Widen(path);
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    return ::SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

// The viewer's command that closes every help window the calling program opened (HH_CLOSE_ALL).
constexpr UINT kHelpCloseAll = 0x12;

Win32ShellExecute::~Win32ShellExecute() {
    // A help window still open when the library is freed would be left with its code gone; the viewer's
    // documentation asks for this call before a program that used it ends.
    if (helpLibrary_)
        if (const HtmlHelpFunction htmlHelp = HtmlHelp())
            htmlHelp(nullptr, nullptr, kHelpCloseAll, 0);
}

Win32ShellExecute::HtmlHelpFunction Win32ShellExecute::HtmlHelp() {
    if (!helpLibrary_)
        helpLibrary_.reset(::LoadLibraryW(L"hhctrl.ocx"));
    if (!helpLibrary_)
        return nullptr;
    return reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(::GetProcAddress(helpLibrary_.get(), "HtmlHelpW")));
}

bool Win32ShellExecute::OpenHtmlHelp(std::string_view helpFile, int command) {
    const HtmlHelpFunction htmlHelp = HtmlHelp();
    if (htmlHelp == nullptr)
        return false;
    return htmlHelp(nullptr, Widen(helpFile).c_str(), static_cast<UINT>(command), 0) != nullptr;
}

} // namespace krv
