#pragma once
// What the e2e helper's commands on another program's controls share: printing a line, finding a child
// control, sending with a time-out, and memory inside the target process for the messages that carry a
// pointer (LVM_GETITEMTEXT, TVM_GETITEM, TVM_GETITEMRECT ...), which the system does not carry across
// processes by itself.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv::e2e {

inline void PrintLine(const std::wstring& line) {
    const std::string text = Narrow(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

inline BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// Every control inside window, at any depth.
inline std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// The first control of window (at any depth) with the class name.
inline HWND ChildOfClass(HWND window, const wchar_t* className) {
    for (HWND child : Descendants(window)) {
        wchar_t name[64] = {};
        ::GetClassNameW(child, name, 64);
        if (std::wcscmp(name, className) == 0)
            return child;
    }
    return nullptr;
}

// SendMessage that gives up on a hung window instead of hanging the test. A window that is only busy (a
// loaded machine, a long command) gets 20 s to answer.
inline LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 20000, &result);
    return static_cast<LRESULT>(result);
}

// SendMessage for a request that may keep a busy window long (a large tree filling, a timed command): false
// when no answer came within a minute.
inline bool SendPatiently(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 60000, &result) != 0;
}

// A block of memory in the process that owns a window, freed with the object.
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size) : size_(size) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        process_.reset(
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
        if (process_)
            address_ =
                ::VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_ != nullptr)
            ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }

    bool Valid() const { return address_ != nullptr; }
    // The address at offset inside the block, as the target process sees it.
    LPARAM At(size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }
    bool Write(size_t offset, const void* data, size_t size) const {
        return offset + size <= size_ &&
               ::WriteProcessMemory(process_.get(), reinterpret_cast<void*>(At(offset)), data, size, nullptr);
    }
    template <typename T> bool Write(size_t offset, const T& value) const {
        return Write(offset, &value, sizeof(T));
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return offset + size <= size_ &&
               ::ReadProcessMemory(process_.get(), reinterpret_cast<void*>(At(offset)), data, size, nullptr);
    }
    // A text of at most characters wide characters at offset, up to its terminating zero.
    std::wstring ReadText(size_t offset, size_t characters) const {
        std::wstring text(characters, L'\0');
        if (!Read(offset, text.data(), characters * sizeof(wchar_t)))
            return {};
        text.resize(wcsnlen(text.c_str(), characters));
        return text;
    }

private:
    unique_kernel_handle process_;
    void* address_ = nullptr;
    size_t size_;
};

} // namespace krv::e2e
