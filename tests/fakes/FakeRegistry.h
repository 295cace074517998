#pragma once
// An in-memory registry for unit tests: keys with parents, typed values, case-insensitive names as Windows
// has them, keys that can be made to refuse access, and read-only keys as a standard user meets them: all of
// HKEY_LOCAL_MACHINE unless a test allows writing there. A key opened for reading refuses every change, and a
// read-only key refuses to be opened for writing, so code that asks for more access than it needs fails here
// as it fails on Windows.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace krv {

class FakeRegistry final : public KeyedRegistry {
public:
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
    // Stores any value as it is.
    void Put(RegistryRoot root, std::string_view path, std::string_view name, RegistryValue value);
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
    // From now on this key and everything below it can be read but not opened for writing.
    void MakeReadOnly(RegistryRoot root, std::string_view path);
    // HKEY_LOCAL_MACHINE can be written, as by an administrator.
    void AllowMachineWrites() { machineWritable_ = true; }
    // Number of opens for writing that were refused because the key is read-only.
    int RefusedWriteOpens() const { return refusedWriteOpens_; }

    // Number of successful SetValue, DeleteValue and DeleteKey calls, to check that nothing was changed.
    int ChangeCount() const { return changeCount_; }

protected:
    std::unique_ptr<IRegistryKey> Open(RegistryRoot root, std::string_view path,
                                       RegistryAccess access) override;
    std::unique_ptr<IRegistryKey> Create(RegistryRoot root, std::string_view path,
                                         RegistryAccess access) override;

private:
    friend class FakeRegistryKey;
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
    bool ReadOnly(RegistryRoot root, std::string_view path) const;
    bool Refuses(RegistryRoot root, std::string_view path, RegistryAccess access);
    bool WriteValue(RegistryRoot root, std::string_view path, std::string_view name,
                    const RegistryValue& value);
    bool EraseValue(RegistryRoot root, std::string_view path, std::string_view name);
    bool EraseKey(RegistryRoot root, std::string_view path, std::string_view subkey);
    Key& Create(RegistryRoot root, std::string_view path);
    bool HasSubkeys(const KeyId& id) const;

    std::map<KeyId, Key> keys_;
    std::set<KeyId> denied_;
    std::set<KeyId> readOnly_;
    bool machineWritable_ = false;
    int refusedWriteOpens_ = 0;
    uint64_t nextOrder_ = 0;
    int changeCount_ = 0;
};

} // namespace krv
