#pragma once
// Owners for every kind of Windows handle the programs hold, so that no other code calls CloseHandle,
// RegCloseKey, DeleteObject and their kin by hand. Handle owners are move-only: copying one does not compile.
// The COM pointer is the exception, because a COM reference is meant to be shared (a copy adds a reference).
//
// The wrappers follow std::unique_ptr's vocabulary (get, release, reset) because they are the same idea
// for handles; put() hands the address of the owned handle to the many Win32 functions that return a
// handle through an out parameter, releasing whatever was owned before.

#include <windows.h>
// These need the declarations of windows.h before them.
#include <commctrl.h>
#include <objbase.h>
#include <utility>

namespace krv {

// Traits name the handle type (pointer), the value that means "no handle" (Invalid()) and how to close one
// (Close(pointer)); see handle_traits below.
template <typename Traits> class unique_handle {
public:
    using pointer = typename Traits::pointer;

    unique_handle() noexcept = default;
    explicit unique_handle(pointer value) noexcept : value_(value) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& other) noexcept : value_(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~unique_handle() { reset(); }

    pointer get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }

    // Gives up ownership without closing.
    [[nodiscard]] pointer release() noexcept { return std::exchange(value_, Traits::Invalid()); }

    // Closes the owned handle (if any) and takes ownership of value.
    void reset(pointer value = Traits::Invalid()) noexcept {
        pointer old = std::exchange(value_, value);
        if (old != Traits::Invalid() && old != value) {
            Traits::Close(old);
        }
    }

    // For out parameters: closes the owned handle and returns where the new one is to be written.
    pointer* put() noexcept {
        reset();
        return &value_;
    }

private:
    pointer value_ = Traits::Invalid();
};

namespace handle_traits {

// Kernel objects whose creators report failure with a null handle (CreateEventW, OpenProcess, CreateMutexW).
struct KernelHandle {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::CloseHandle(h); }
};

// Kernel objects whose creators report failure with INVALID_HANDLE_VALUE (CreateFileW,
// CreateToolhelp32Snapshot).
struct FileHandle {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(pointer h) noexcept { ::CloseHandle(h); }
};

struct FindHandle {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(pointer h) noexcept { ::FindClose(h); }
};

struct RegistryKey {
    using pointer = HKEY;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::RegCloseKey(h); }
};

struct Menu {
    using pointer = HMENU;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DestroyMenu(h); }
};

struct Icon {
    using pointer = HICON;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DestroyIcon(h); }
};

template <typename Gdi> struct GdiObject {
    using pointer = Gdi;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DeleteObject(h); }
};

// Memory device contexts from CreateCompatibleDC; a window's DC from GetDC is a window_dc instead.
struct MemoryDc {
    using pointer = HDC;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DeleteDC(h); }
};

struct ImageList {
    using pointer = HIMAGELIST;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::ImageList_Destroy(h); }
};

struct Window {
    using pointer = HWND;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::DestroyWindow(h); }
};

struct Module {
    using pointer = HMODULE;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::FreeLibrary(h); }
};

} // namespace handle_traits

using unique_kernel_handle = unique_handle<handle_traits::KernelHandle>;
using unique_file_handle = unique_handle<handle_traits::FileHandle>;
using unique_find_handle = unique_handle<handle_traits::FindHandle>;
using unique_hkey = unique_handle<handle_traits::RegistryKey>;
using unique_hmenu = unique_handle<handle_traits::Menu>;
using unique_hicon = unique_handle<handle_traits::Icon>;
using unique_hbrush = unique_handle<handle_traits::GdiObject<HBRUSH>>;
using unique_hfont = unique_handle<handle_traits::GdiObject<HFONT>>;
using unique_hpen = unique_handle<handle_traits::GdiObject<HPEN>>;
using unique_hbitmap = unique_handle<handle_traits::GdiObject<HBITMAP>>;
using unique_hrgn = unique_handle<handle_traits::GdiObject<HRGN>>;
using unique_memory_dc = unique_handle<handle_traits::MemoryDc>;
using unique_himagelist = unique_handle<handle_traits::ImageList>;
using unique_hwnd = unique_handle<handle_traits::Window>;
using unique_hmodule = unique_handle<handle_traits::Module>;

// A window's device context from GetDC, which must go back to the same window through ReleaseDC.
class window_dc {
public:
    window_dc() noexcept = default;
    explicit window_dc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    window_dc(window_dc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    window_dc& operator=(window_dc&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~window_dc() { reset(); }

    HDC get() const noexcept { return dc_; }
    HWND window() const noexcept { return window_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

    void reset() noexcept {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
        window_ = nullptr;
        dc_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects a GDI object into a device context for the lifetime of the scope and puts the previous one back,
// so that a brush or font owned elsewhere is never deleted while still selected.
class select_object_scope {
public:
    select_object_scope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    select_object_scope(const select_object_scope&) = delete;
    select_object_scope& operator=(const select_object_scope&) = delete;
    ~select_object_scope() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Owner of one reference to a COM interface.
template <typename Interface> class com_ptr {
public:
    com_ptr() noexcept = default;
    com_ptr(std::nullptr_t) noexcept {}
    // Takes over a reference the caller already owns (as returned by a creating function).
    static com_ptr attach(Interface* raw) noexcept {
        com_ptr result;
        result.ptr_ = raw;
        return result;
    }
    // Copies share the object and hold a reference each, as COM intends.
    com_ptr(const com_ptr& other) noexcept : ptr_(other.ptr_) {
        if (ptr_ != nullptr) {
            ptr_->AddRef();
        }
    }
    com_ptr& operator=(const com_ptr& other) noexcept {
        com_ptr(other).swap(*this);
        return *this;
    }
    com_ptr(com_ptr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    com_ptr& operator=(com_ptr&& other) noexcept {
        com_ptr(std::move(other)).swap(*this);
        return *this;
    }
    ~com_ptr() { reset(); }

    Interface* get() const noexcept { return ptr_; }
    Interface* operator->() const noexcept { return ptr_; }
    explicit operator bool() const noexcept { return ptr_ != nullptr; }

    void reset() noexcept {
        if (Interface* old = std::exchange(ptr_, nullptr)) {
            old->Release();
        }
    }
    void swap(com_ptr& other) noexcept { std::swap(ptr_, other.ptr_); }

    // For the void** out parameter of CoCreateInstance and QueryInterface.
    void** put_void() noexcept {
        reset();
        return reinterpret_cast<void**>(&ptr_);
    }
    Interface** put() noexcept {
        reset();
        return &ptr_;
    }

    // Asks the object for another of its interfaces; empty when it has none.
    template <typename Other> com_ptr<Other> query(REFIID iid) const noexcept {
        com_ptr<Other> result;
        if (ptr_ != nullptr) {
            ptr_->QueryInterface(iid, result.put_void());
        }
        return result;
    }

private:
    Interface* ptr_ = nullptr;
};

// Creates an in-process COM object and returns the requested interface; empty on failure.
template <typename Interface> com_ptr<Interface> CreateComInstance(REFCLSID clsid, REFIID iid) noexcept {
    com_ptr<Interface> result;
    ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, result.put_void());
    return result;
}

// COM initialised for the calling thread (single-threaded apartment, as the shell objects expect) for the
// lifetime of the scope. A thread that already had COM initialised counts as success and is balanced too.
class com_init_scope {
public:
    com_init_scope() noexcept : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    com_init_scope(const com_init_scope&) = delete;
    com_init_scope& operator=(const com_init_scope&) = delete;
    ~com_init_scope() {
        if (SUCCEEDED(result_)) {
            ::CoUninitialize();
        }
    }

    bool ok() const noexcept { return SUCCEEDED(result_); }
    HRESULT result() const noexcept { return result_; }

private:
    HRESULT result_;
};

} // namespace krv
