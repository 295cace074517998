#pragma once
// The registry of Windows through the W functions; keys are opened with all access, as the program always
// has.

#include "platform/Registry.h"

namespace krv {

class Win32Registry final : public IRegistry {
public:
    bool OpenKey(RegistryRoot root, std::string_view path) override;
    bool CreateKey(RegistryRoot root, std::string_view path) override;
    std::optional<RegistryValue> QueryValue(RegistryRoot root, std::string_view path,
                                            std::string_view name) override;
    bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                  const RegistryValue& value) override;
    bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
    bool DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) override;
};

} // namespace krv
