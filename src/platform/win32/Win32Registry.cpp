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

// Reading asks for KEY_READ only, which a standard user has on HKEY_LOCAL_MACHINE; writing adds KEY_WRITE
// (set values, create subkeys) and DELETE.
REGSAM AccessMask(RegistryAccess access) {
    return access == RegistryAccess::Read ? KEY_READ : KEY_READ | KEY_WRITE | DELETE;
}

class Win32RegistryKey final : public IRegistryKey {
public:
    explicit Win32RegistryKey(unique_hkey key) : key_(std::move(key)) {}

    // Asks for the size first and reads again while the value grows in between, so a value of any length is
    // read whole.
    std::optional<RegistryValue> QueryValue(std::string_view name) override {
        const std::wstring valueName = Widen(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        RegistryValue value;
        for (;;) {
            value.data.resize(size);
            DWORD got = size;
            const LONG status =
                RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type, value.data.data(), &got);
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

    bool SetValue(std::string_view name, const RegistryValue& value) override {
        return RegSetValueExW(key_.get(), Widen(name).c_str(), 0, static_cast<DWORD>(value.type),
                              value.data.data(), static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }

    bool DeleteValue(std::string_view name) override {
        return RegDeleteValueW(key_.get(), Widen(name).c_str()) == ERROR_SUCCESS;
    }

    bool DeleteSubkey(std::string_view subkey) override {
        return RegDeleteKeyW(key_.get(), Widen(subkey).c_str()) == ERROR_SUCCESS;
    }

private:
    unique_hkey key_;
};

} // namespace

// A handle the system returns with a failure is not ours to close, so only a successful call is owned.
std::unique_ptr<IRegistryKey> Win32Registry::Open(RegistryRoot root, std::string_view path,
                                                  RegistryAccess access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), Widen(path).c_str(), 0, AccessMask(access), &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(unique_hkey(key));
}

std::unique_ptr<IRegistryKey> Win32Registry::Create(RegistryRoot root, std::string_view path,
                                                    RegistryAccess access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootKey(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        AccessMask(access), nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(unique_hkey(key));
}

} // namespace krv
