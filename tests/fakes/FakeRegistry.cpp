#include "fakes/FakeRegistry.h"

#include <algorithm>

#include "platform/Text.h"

namespace krv {

std::string FakeRegistry::Fold(std::string_view text) {
    return Utf8ToUpper(text);
}

// Key paths compare without regard to case and to stray leading, trailing or doubled backslashes.
std::string FakeRegistry::Normalize(std::string_view path) {
    std::string out;
    for (char c : path) {
        if (c == '\\' && (out.empty() || out.back() == '\\'))
            continue;
        out += c;
    }
    if (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

FakeRegistry::KeyId FakeRegistry::Id(RegistryRoot root, std::string_view path) {
    return {root, Fold(Normalize(path))};
}

FakeRegistry::Key* FakeRegistry::Find(RegistryRoot root, std::string_view path) {
    auto it = keys_.find(Id(root, path));
    return it == keys_.end() ? nullptr : &it->second;
}

const FakeRegistry::Key* FakeRegistry::Find(RegistryRoot root, std::string_view path) const {
    auto it = keys_.find(Id(root, path));
    return it == keys_.end() ? nullptr : &it->second;
}

namespace {

bool Covers(const std::pair<RegistryRoot, std::string>& outer,
            const std::pair<RegistryRoot, std::string>& id) {
    return outer.first == id.first &&
           (id.second == outer.second || outer.second.empty() ||
            (id.second.size() > outer.second.size() && id.second.starts_with(outer.second) &&
             id.second[outer.second.size()] == '\\'));
}

} // namespace

// A key opened through the fake: reads always work, changes only with write access.
class FakeRegistryKey final : public IRegistryKey {
public:
    FakeRegistryKey(FakeRegistry& registry, RegistryRoot root, std::string path, RegistryAccess access)
        : registry_(registry), root_(root), path_(std::move(path)), access_(access) {}

    std::optional<RegistryValue> QueryValue(std::string_view name) override {
        return registry_.Value(root_, path_, name);
    }
    bool SetValue(std::string_view name, const RegistryValue& value) override {
        return access_ == RegistryAccess::Write && registry_.WriteValue(root_, path_, name, value);
    }
    bool DeleteValue(std::string_view name) override {
        return access_ == RegistryAccess::Write && registry_.EraseValue(root_, path_, name);
    }
    bool DeleteSubkey(std::string_view subkey) override {
        return access_ == RegistryAccess::Write && registry_.EraseKey(root_, path_, subkey);
    }

private:
    FakeRegistry& registry_;
    RegistryRoot root_;
    std::string path_;
    RegistryAccess access_;
};

bool FakeRegistry::ReadOnly(RegistryRoot root, std::string_view path) const {
    if (root == RegistryRoot::LocalMachine && !machineWritable_)
        return true;
    const KeyId id = Id(root, path);
    for (const KeyId& readOnly : readOnly_) {
        if (Covers(readOnly, id))
            return true;
    }
    return false;
}

bool FakeRegistry::Refuses(RegistryRoot root, std::string_view path, RegistryAccess access) {
    if (Denied(root, path))
        return true;
    if (access == RegistryAccess::Write && ReadOnly(root, path)) {
        ++refusedWriteOpens_;
        return true;
    }
    return false;
}

std::unique_ptr<IRegistryKey> FakeRegistry::Open(RegistryRoot root, std::string_view path,
                                                 RegistryAccess access) {
    if (Refuses(root, path, access) || !KeyExists(root, path))
        return nullptr;
    return std::make_unique<FakeRegistryKey>(*this, root, std::string(path), access);
}

std::unique_ptr<IRegistryKey> FakeRegistry::Create(RegistryRoot root, std::string_view path,
                                                   RegistryAccess access) {
    if (Refuses(root, path, access))
        return nullptr;
    Create(root, path);
    return std::make_unique<FakeRegistryKey>(*this, root, std::string(path), access);
}

void FakeRegistry::MakeReadOnly(RegistryRoot root, std::string_view path) {
    readOnly_.insert(Id(root, path));
}

void FakeRegistry::Put(RegistryRoot root, std::string_view path, std::string_view name, RegistryValue value) {
    Create(root, path).values[Fold(name)] = {std::string(name), std::move(value), nextOrder_++};
}

// A denial covers the key and everything below it.
bool FakeRegistry::Denied(RegistryRoot root, std::string_view path) const {
    const KeyId id = Id(root, path);
    for (const KeyId& denied : denied_) {
        if (denied.first != root)
            continue;
        if (id.second == denied.second ||
            (id.second.size() > denied.second.size() && id.second.starts_with(denied.second) &&
             id.second[denied.second.size()] == '\\') ||
            denied.second.empty())
            return true;
    }
    return false;
}

// Creates the key and its missing parents; the root itself (empty path) always exists.
FakeRegistry::Key& FakeRegistry::Create(RegistryRoot root, std::string_view path) {
    const std::string normalized = Normalize(path);
    Key* key = nullptr;
    size_t pos = 0;
    do {
        pos = normalized.find('\\', pos + 1);
        const std::string prefix = normalized.substr(0, pos);
        auto [it, inserted] = keys_.try_emplace(Id(root, prefix));
        if (inserted)
            it->second.path = prefix;
        key = &it->second;
    } while (pos != std::string::npos);
    return *key;
}

bool FakeRegistry::HasSubkeys(const KeyId& id) const {
    for (const auto& [other, key] : keys_) {
        if (other.first == id.first && other.second.size() > id.second.size() &&
            other.second.starts_with(id.second) &&
            (id.second.empty() || other.second[id.second.size()] == '\\'))
            return true;
    }
    return false;
}

bool FakeRegistry::WriteValue(RegistryRoot root, std::string_view path, std::string_view name,
                              const RegistryValue& value) {
    Key& key = Create(root, path);
    auto [it, inserted] = key.values.try_emplace(Fold(name));
    if (inserted) {
        it->second.name = std::string(name);
        it->second.order = nextOrder_++;
    }
    it->second.value = value;
    ++changeCount_;
    return true;
}

bool FakeRegistry::EraseValue(RegistryRoot root, std::string_view path, std::string_view name) {
    Key* key = Find(root, path);
    if (key == nullptr || key->values.erase(Fold(name)) == 0)
        return false;
    ++changeCount_;
    return true;
}

// Like RegDeleteKeyW: the subkey may be a path below the key, and must have no subkeys of its own.
bool FakeRegistry::EraseKey(RegistryRoot root, std::string_view path, std::string_view subkey) {
    const std::string full = Normalize(std::string(path) + "\\" + std::string(subkey));
    if (Denied(root, full) || Normalize(subkey).empty())
        return false;
    const KeyId id = Id(root, full);
    if (!keys_.contains(id) || HasSubkeys(id))
        return false;
    keys_.erase(id);
    ++changeCount_;
    return true;
}

bool FakeRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
    return Normalize(path).empty() || Find(root, path) != nullptr;
}

bool FakeRegistry::ValueExists(RegistryRoot root, std::string_view path, std::string_view name) const {
    return Value(root, path, name).has_value();
}

std::optional<RegistryValue> FakeRegistry::Value(RegistryRoot root, std::string_view path,
                                                 std::string_view name) const {
    const Key* key = Find(root, path);
    if (key == nullptr)
        return std::nullopt;
    auto it = key->values.find(Fold(name));
    if (it == key->values.end())
        return std::nullopt;
    return it->second.value;
}

void FakeRegistry::PutString(RegistryRoot root, std::string_view path, std::string_view name,
                             std::string_view utf8) {
    Create(root, path).values[Fold(name)] = {
        std::string(name), {RegistryValueType::String, EncodeRegistryString(utf8)}, nextOrder_++};
}

void FakeRegistry::PutDWord(RegistryRoot root, std::string_view path, std::string_view name,
                            uint32_t number) {
    Create(root, path).values[Fold(name)] = {
        std::string(name), {RegistryValueType::DWord, EncodeRegistryDWord(number)}, nextOrder_++};
}

void FakeRegistry::PutBinary(RegistryRoot root, std::string_view path, std::string_view name,
                             std::vector<uint8_t> bytes) {
    Create(root, path).values[Fold(name)] = {
        std::string(name), {RegistryValueType::Binary, std::move(bytes)}, nextOrder_++};
}

std::optional<std::string> FakeRegistry::String(RegistryRoot root, std::string_view path,
                                                std::string_view name) const {
    auto value = Value(root, path, name);
    if (!value || value->type != RegistryValueType::String)
        return std::nullopt;
    return DecodeRegistryString(value->data);
}

std::vector<std::string> FakeRegistry::ValueNames(RegistryRoot root, std::string_view path) const {
    const Key* key = Find(root, path);
    if (key == nullptr)
        return {};
    std::vector<const StoredValue*> values;
    for (const auto& [folded, value] : key->values)
        values.push_back(&value);
    std::sort(values.begin(), values.end(), [](auto* a, auto* b) { return a->order < b->order; });
    std::vector<std::string> names;
    for (const StoredValue* value : values)
        names.push_back(value->name);
    return names;
}

std::vector<std::string> FakeRegistry::SubkeyNames(RegistryRoot root, std::string_view path) const {
    const KeyId parent = Id(root, path);
    std::vector<std::string> names;
    for (const auto& [id, key] : keys_) {
        if (id.first != root || id.second.size() <= parent.second.size())
            continue;
        const std::string_view rest = parent.second.empty()
                                          ? std::string_view(id.second)
                                          : std::string_view(id.second).substr(parent.second.size());
        if (!parent.second.empty() && (!id.second.starts_with(parent.second) || rest.front() != '\\'))
            continue;
        const std::string_view child = parent.second.empty() ? rest : rest.substr(1);
        if (child.find('\\') == std::string_view::npos)
            names.push_back(key.path);
    }
    return names;
}

void FakeRegistry::DenyAccess(RegistryRoot root, std::string_view path) {
    denied_.insert(Id(root, path));
}

void FakeRegistry::AllowAccess(RegistryRoot root, std::string_view path) {
    denied_.erase(Id(root, path));
}

} // namespace krv
