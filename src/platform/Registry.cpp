#include "platform/Registry.h"

#include "platform/Text.h"

namespace krv {

std::vector<uint8_t> EncodeRegistryString(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    std::vector<uint8_t> data;
    data.reserve((units.size() + 1) * 2);
    for (char16_t unit : units) {
        data.push_back(static_cast<uint8_t>(unit & 0xFF));
        data.push_back(static_cast<uint8_t>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

std::string DecodeRegistryString(const std::vector<uint8_t>& data) {
    std::u16string units;
    units.reserve(data.size() / 2);
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (!units.empty() && units.back() == u'\0')
        units.pop_back();
    return Utf16ToUtf8(units);
}

std::vector<uint8_t> EncodeRegistryDWord(uint32_t number) {
    return {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
            static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
}

uint32_t DecodeRegistryDWord(const std::vector<uint8_t>& data) {
    uint32_t number = 0;
    for (size_t i = 0; i < data.size() && i < 4; ++i)
        number |= static_cast<uint32_t>(data[i]) << (8 * i);
    return number;
}

bool KeyedRegistry::OpenKey(RegistryRoot root, std::string_view path) {
    return Open(root, path, RegistryAccess::Read) != nullptr;
}

bool KeyedRegistry::CreateKey(RegistryRoot root, std::string_view path) {
    return Create(root, path, RegistryAccess::Write) != nullptr;
}

std::optional<RegistryValue> KeyedRegistry::QueryValue(RegistryRoot root, std::string_view path,
                                                       std::string_view name) {
    const std::unique_ptr<IRegistryKey> key = Open(root, path, RegistryAccess::Read);
    return key ? key->QueryValue(name) : std::nullopt;
}

bool KeyedRegistry::SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                             const RegistryValue& value) {
    const std::unique_ptr<IRegistryKey> key = Create(root, path, RegistryAccess::Write);
    return key && key->SetValue(name, value);
}

bool KeyedRegistry::DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    const std::unique_ptr<IRegistryKey> key = Open(root, path, RegistryAccess::Write);
    return key && key->DeleteValue(name);
}

bool KeyedRegistry::DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) {
    const std::unique_ptr<IRegistryKey> key = Open(root, path, RegistryAccess::Write);
    return key && key->DeleteSubkey(subkey);
}

} // namespace krv
