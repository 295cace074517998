#include "platform/win32/Win32Registry.h"

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

// A handle the system returns with a failure is not ours to close, so only a successful call is owned.
unique_hkey OpenWithAllAccess(RegistryRoot root, std::string_view path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), Widen(path).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return unique_hkey();
    return unique_hkey(key);
}

unique_hkey CreateWithAllAccess(RegistryRoot root, std::string_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootKey(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return unique_hkey();
    return unique_hkey(key);
}

} // namespace

bool Win32Registry::OpenKey(RegistryRoot root, std::string_view path) {
    unique_hkey key = OpenWithAllAccess(root, path);
    return static_cast<bool>(key);
}

bool Win32Registry::CreateKey(RegistryRoot root, std::string_view path) {
    unique_hkey key = CreateWithAllAccess(root, path);
    return static_cast<bool>(key);
}

// Asks for the size first and reads again while the value grows in between, so a value of any length is
// read whole.
std::optional<RegistryValue> Win32Registry::QueryValue(RegistryRoot root, std::string_view path,
                                                       std::string_view name) {
    unique_hkey key = OpenWithAllAccess(root, path);
    if (!key)
        return std::nullopt;
    const std::wstring valueName = Widen(name);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    for (;;) {
        value.data.resize(size);
        DWORD got = size;
        const LONG status =
            RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, value.data.data(), &got);
        if (status == ERROR_SUCCESS) {
            value.data.resize(got);
            break;
        }
        if (status != ERROR_MORE_DATA)
            return std::nullopt;
        size = got > size ? got : size * 2 + 2;
    }
    value.type = static_cast<RegistryValueType>(type);
    return value;
}

bool Win32Registry::SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                             const RegistryValue& value) {
    unique_hkey key = CreateWithAllAccess(root, path);
    if (!key)
        return false;
    const bool written =
        RegSetValueExW(key.get(), Widen(name).c_str(), 0, static_cast<DWORD>(value.type), value.data.data(),
                       static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    return written;
}

bool Win32Registry::DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    unique_hkey key = OpenWithAllAccess(root, path);
    if (!key)
        return false;
    const bool deleted = RegDeleteValueW(key.get(), Widen(name).c_str()) == ERROR_SUCCESS;
    return deleted;
}

bool Win32Registry::DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) {
    unique_hkey key = OpenWithAllAccess(root, path);
    if (!key)
        return false;
    const bool deleted = RegDeleteKeyW(key.get(), Widen(subkey).c_str()) == ERROR_SUCCESS;
    return deleted;
}

} // namespace krv
