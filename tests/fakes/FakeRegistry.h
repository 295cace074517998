#pragma once
// An in-memory registry for unit tests: keys with parents, typed values, case-insensitive names as Windows
// has them, and keys that can be made to refuse access.

#include "platform/Registry.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

class FakeRegistry final : public IRegistry {
public:
    // --- IRegistry
    bool OpenKey(RegistryRoot root, std::string_view path) override;
    bool CreateKey(RegistryRoot root, std::string_view path) override;
    std::optional<RegistryValue> QueryValue(RegistryRoot root, std::string_view path,
                                            std::string_view name) override;
    bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                  const RegistryValue& value) override;
    bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
    bool DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) override;

    // --- Test helpers. They bypass the access denials below.

    bool KeyExists(RegistryRoot root, std::string_view path) const;
    bool ValueExists(RegistryRoot root, std::string_view path, std::string_view name) const;
    // The value as stored, or nullopt.
    std::optional<RegistryValue> Value(RegistryRoot root, std::string_view path, std::string_view name) const;
    // Stores a REG_SZ value as the W functions would: UTF-16LE with its terminator.
    void PutString(RegistryRoot root, std::string_view path, std::string_view name, std::string_view utf8);
    void PutDWord(RegistryRoot root, std::string_view path, std::string_view name, uint32_t number);
    void PutBinary(RegistryRoot root, std::string_view path, std::string_view name,
                   std::vector<uint8_t> bytes);
    // A REG_SZ value decoded to UTF-8 (terminator dropped), or nullopt when missing or of another type.
    std::optional<std::string> String(RegistryRoot root, std::string_view path, std::string_view name) const;
    // Names of the values of a key in the order they were first written.
    std::vector<std::string> ValueNames(RegistryRoot root, std::string_view path) const;
    // Full paths of the direct subkeys of a key, as they were spelt when created.
    std::vector<std::string> SubkeyNames(RegistryRoot root, std::string_view path) const;

    // From now on, opening, creating below, writing to or deleting in this key fails, as for a key the user
    // may read but not change (the program opens keys with all access, so reads fail too).
    void DenyAccess(RegistryRoot root, std::string_view path);
    void AllowAccess(RegistryRoot root, std::string_view path);

    // Number of successful SetValue, DeleteValue and DeleteKey calls, to check that nothing was changed.
    int ChangeCount() const { return changeCount_; }

private:
    struct StoredValue {
        std::string name; // as first written
        RegistryValue value;
        uint64_t order = 0;
    };
    struct Key {
        std::string path;                          // as first created
        std::map<std::string, StoredValue> values; // by folded name
    };
    using KeyId = std::pair<RegistryRoot, std::string>; // root and folded path

    static std::string Fold(std::string_view text);
    static std::string Normalize(std::string_view path);
    static KeyId Id(RegistryRoot root, std::string_view path);
    Key* Find(RegistryRoot root, std::string_view path);
    const Key* Find(RegistryRoot root, std::string_view path) const;
    bool Denied(RegistryRoot root, std::string_view path) const;
    Key& Create(RegistryRoot root, std::string_view path);
    bool HasSubkeys(const KeyId& id) const;

    std::map<KeyId, Key> keys_;
    std::set<KeyId> denied_;
    uint64_t nextOrder_ = 0;
    int changeCount_ = 0;
};

} // namespace krv
