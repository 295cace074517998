#pragma once
// The registry of Windows through the W functions, each key opened with the least access its operation needs.

#include "platform/Registry.h"

namespace krv {

class Win32Registry final : public KeyedRegistry {
protected:
    std::unique_ptr<IRegistryKey> Open(RegistryRoot root, std::string_view path,
                                       RegistryAccess access) override;
    std::unique_ptr<IRegistryKey> Create(RegistryRoot root, std::string_view path,
                                         RegistryAccess access) override;
};

} // namespace krv
