#pragma once
// The registry as the portable code sees it: keys by root and backslash path, values by name.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

enum class RegistryRoot : uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// Value types with the numbers Windows gives them.
enum class RegistryValueType : uint32_t {
    None = 0,
    String = 1,       // REG_SZ
    ExpandString = 2, // REG_EXPAND_SZ
    Binary = 3,       // REG_BINARY
    DWord = 4,        // REG_DWORD
    MultiString = 7,  // REG_MULTI_SZ
};

// A value as stored: its type and raw bytes (texts in UTF-16LE on Windows, as the W functions give them,
// with their terminator when the writer stored one).
struct RegistryValue {
    RegistryValueType type = RegistryValueType::None;
    std::vector<uint8_t> data;
};

// REG_SZ data as the W functions store it (UTF-16LE units and one zero unit), and back to UTF-8. Reading
// drops one trailing zero unit, so data written without a terminator reads back whole.
std::vector<uint8_t> EncodeRegistryString(std::string_view utf8);
std::string DecodeRegistryString(const std::vector<uint8_t>& data);
// REG_DWORD data: four bytes little-endian. Shorter data (which Windows allows) reads as zero-extended.
std::vector<uint8_t> EncodeRegistryDWord(uint32_t number);
uint32_t DecodeRegistryDWord(const std::vector<uint8_t>& data);

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // True when the key exists and can be opened for reading.
    virtual bool OpenKey(RegistryRoot root, std::string_view path) = 0;
    // Creates the key and any missing parents; true when it exists afterwards.
    virtual bool CreateKey(RegistryRoot root, std::string_view path) = 0;
    // Reads a value whole, whatever its length; nullopt when the key or value is missing or unreadable.
    virtual std::optional<RegistryValue> QueryValue(RegistryRoot root, std::string_view path,
                                                    std::string_view name) = 0;
    // Writes a value, creating the key as needed.
    virtual bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                          const RegistryValue& value) = 0;
    virtual bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) = 0;
    // Deletes subkey (which must have no subkeys of its own) below path.
    virtual bool DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) = 0;
};

// The access a key is opened with. A standard user may read most of HKEY_LOCAL_MACHINE but not write it, so
// a key opened to be read must ask for reading only.
enum class RegistryAccess { Read, Write };

// One open key; it refuses what its access does not allow, as the system does.
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    virtual std::optional<RegistryValue> QueryValue(std::string_view name) = 0;
    virtual bool SetValue(std::string_view name, const RegistryValue& value) = 0;
    virtual bool DeleteValue(std::string_view name) = 0;
    virtual bool DeleteSubkey(std::string_view subkey) = 0;
};

// The registry operations over keys opened with the least access each needs: reading opens with read access
// only, and write access is asked for only to write or delete. Implementations give the keys.
class KeyedRegistry : public IRegistry {
public:
    bool OpenKey(RegistryRoot root, std::string_view path) override;
    bool CreateKey(RegistryRoot root, std::string_view path) override;
    std::optional<RegistryValue> QueryValue(RegistryRoot root, std::string_view path,
                                            std::string_view name) override;
    bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                  const RegistryValue& value) override;
    bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
    bool DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) override;

protected:
    // The existing key, or nullptr when it is missing or the access is refused.
    virtual std::unique_ptr<IRegistryKey> Open(RegistryRoot root, std::string_view path,
                                               RegistryAccess access) = 0;
    // The key, made with its missing parents when needed; nullptr when that is refused.
    virtual std::unique_ptr<IRegistryKey> Create(RegistryRoot root, std::string_view path,
                                                 RegistryAccess access) = 0;
};

} // namespace krv
