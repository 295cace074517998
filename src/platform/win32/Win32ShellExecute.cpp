#include "platform/win32/Win32ShellExecute.h"

#include <string>

#include <windows.h>

#include <shellapi.h>

#include "platform/Text.h"

namespace krv {

int64_t Win32ShellExecute::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                                   int showCommand) {
    const std::wstring wideVerb = Widen(verb);
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    HINSTANCE result = ::ShellExecuteW(nullptr, wideVerb.c_str(), wideFile.c_str(),
                                       wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr,
                                       showCommand);
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

bool Win32ShellExecute::OpenHtmlHelp(std::string_view helpFile, int command) {
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
    if (!helpLibrary_)
        helpLibrary_.reset(::LoadLibraryW(L"hhctrl.ocx"));
    if (!helpLibrary_)
        return false;
    const auto htmlHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(::GetProcAddress(helpLibrary_.get(), "HtmlHelpW")));
    if (htmlHelp == nullptr)
        return false;
    return htmlHelp(nullptr, Widen(helpFile).c_str(), static_cast<UINT>(command), 0) != nullptr;
}

} // namespace krv
