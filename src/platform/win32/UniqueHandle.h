#pragma once
// Move-only owners of Windows handles, one traits struct per handle kind. Copying is a compile error, and the
// handle is closed exactly once: by Close() when the caller needs the result, otherwise by the destructor.

#include <utility>
#include <windows.h>

namespace krv {

template <typename Traits> class unique_handle {
public:
    using pointer = typename Traits::pointer;

    unique_handle() = default;
    explicit unique_handle(pointer handle) : handle_(handle) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& other) noexcept : handle_(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~unique_handle() { reset(); }

    pointer get() const { return handle_; }
    // For functions that hand a new handle back through a pointer argument.
    pointer* put() {
        reset();
        return &handle_;
    }
    explicit operator bool() const { return handle_ != Traits::invalid(); }
    pointer release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(pointer handle = Traits::invalid()) {
        if (handle_ != Traits::invalid())
            Traits::close(handle_);
        handle_ = handle;
    }
    // Closes now and reports whether the system accepted it (an empty owner closes successfully).
    bool Close() {
        if (handle_ == Traits::invalid())
            return true;
        return Traits::close(release());
    }

private:
    pointer handle_ = Traits::invalid();
};

struct RegKeyTraits {
    using pointer = HKEY;
    static pointer invalid() { return nullptr; }
    static bool close(pointer key) { return RegCloseKey(key) == ERROR_SUCCESS; }
};

struct FileHandleTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static bool close(pointer handle) { return CloseHandle(handle) != FALSE; }
};

struct FindHandleTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static bool close(pointer handle) { return FindClose(handle) != FALSE; }
};

using UniqueRegKey = unique_handle<RegKeyTraits>;
using UniqueFileHandle = unique_handle<FileHandleTraits>;
using UniqueFindHandle = unique_handle<FindHandleTraits>;

} // namespace krv
