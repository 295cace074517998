#pragma once
// clsRegHandler: the registry operations both programs need, each reporting success as a boolean.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace krv {

class clsRegHandler {
public:
    explicit clsRegHandler(IRegistry& registry) : registry_(registry) {}

    // Deletes one value of an existing key.
    bool DeleteValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName);
    // Deletes a subkey (which must have no subkeys of its own) of an existing key.
    bool DeleteKey(RegistryRoot root, std::string_view keyPath, std::string_view subkeyName);
    // Creates the key with any missing parents, or opens it when it exists.
    bool CreateKey(RegistryRoot root, std::string_view keyPath);
    // Writes text as a REG_SZ value with its terminator, creating the key as needed. An empty text still
    // writes a value (the terminator alone).
    bool SetKeyValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                     std::string_view text);
    // The same for a caller that keeps the text in a variable: on failure the variable is emptied, which is
    // how callers of the registry handler have always learnt that the text did not reach the registry.
    bool SetKeyValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                     std::string& text);
    // Reads a REG_SZ value, or a REG_DWORD value as its signed decimal text. A missing value or key gives
    // false and an empty text; a value of any other type gives true and leaves text as it was.
    bool GetKeyValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                     std::string& text);
    // The same, and a REG_EXPAND_SZ value reads as its text with the %NAME% references replaced by expand,
    // as Windows does when it runs such a command line; GetKeyValue leaves that type's text unread.
    using ExpandReferences = std::function<std::string(std::string_view)>;
    bool GetKeyValueExpanded(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                             const ExpandReferences& expand, std::string& text);
    // Reads a REG_DWORD value. True with the stored number; false with 0 when the value is missing or is not
    // a REG_DWORD.
    bool GetKeyValueDWord(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                          uint32_t& number);
    // Writes a REG_DWORD value (four bytes), creating the key as needed.
    bool SaveKeyValueDWord(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                           uint32_t number);

private:
    bool ReadText(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                  const ExpandReferences* expand, std::string& text);

    IRegistry& registry_;
};

} // namespace krv
