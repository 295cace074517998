#include "fakes/FakeFileSystem.h"

#include <algorithm>

#include "platform/Text.h"

namespace krv {

// One spelling per path: forward slashes become backslashes, doubled and trailing separators go ("C:\" is
// "C:").
std::string FakeFileSystem::Normalize(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (c == '/')
            c = '\\';
        if (c == '\\' && !out.empty() && out.back() == '\\' && out.size() > 1)
            continue;
        out += c;
    }
    while (out.size() > 1 && out.back() == '\\')
        out.pop_back();
    return out;
}

std::string FakeFileSystem::Key(std::string_view path) {
    return Utf8ToUpper(Normalize(path));
}

std::string FakeFileSystem::ParentOf(const std::string& normalized) {
    const size_t slash = normalized.rfind('\\');
    return slash == std::string::npos ? std::string() : normalized.substr(0, slash);
}

std::string FakeFileSystem::NameOf(const std::string& normalized) {
    const size_t slash = normalized.rfind('\\');
    return slash == std::string::npos ? normalized : normalized.substr(slash + 1);
}

FakeFileSystem::Entry* FakeFileSystem::Find(std::string_view path) {
    auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

const FakeFileSystem::Entry* FakeFileSystem::Find(std::string_view path) const {
    auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

bool FakeFileSystem::ParentFolderExists(const std::string& normalized) const {
    const std::string parent = ParentOf(normalized);
    if (parent.empty())
        return false;
    const Entry* entry = Find(parent);
    return entry != nullptr && entry->folder;
}

bool FakeFileSystem::IsLocked(std::string_view path) const {
    return locked_.contains(Key(path));
}

bool FakeFileSystem::HasChildren(const std::string& key) const {
    auto it = entries_.lower_bound(key + "\\");
    return it != entries_.end() && it->first.starts_with(key + "\\");
}

FakeFileSystem::Entry& FakeFileSystem::Make(const std::string& normalized, bool folder) {
    Entry& entry = entries_[Utf8ToUpper(normalized)];
    entry =
        Entry{normalized, folder,       folder ? uint32_t{FILE_ATTR_DIRECTORY} : uint32_t{FILE_ATTR_ARCHIVE},
              {},         nextOrder_++, clock_};
    return entry;
}

std::optional<uint32_t> FakeFileSystem::GetAttributes(std::string_view path) {
    const Entry* entry = Find(path);
    if (entry == nullptr)
        return std::nullopt;
    return entry->attributes;
}

// As SetFileAttributesW: the directory bit cannot be changed, and a file left with no bit reads back as
// NORMAL.
bool FakeFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
    Entry* entry = Find(path);
    if (entry == nullptr || IsLocked(path))
        return false;
    attributes &= ~uint32_t{FILE_ATTR_DIRECTORY};
    if (attributes != FILE_ATTR_NORMAL)
        attributes &= ~uint32_t{FILE_ATTR_NORMAL};
    if (entry->folder)
        attributes = (attributes & ~uint32_t{FILE_ATTR_NORMAL}) | FILE_ATTR_DIRECTORY;
    else if (attributes == 0)
        attributes = FILE_ATTR_NORMAL;
    entry->attributes = attributes;
    return true;
}

std::vector<DirectoryEntry> FakeFileSystem::ListFolder(std::string_view folder) {
    const Entry* parent = Find(folder);
    if (parent == nullptr || !parent->folder)
        return {};
    const std::string parentKey = Key(folder);
    std::vector<const Entry*> children;
    for (auto it = entries_.lower_bound(parentKey + "\\");
         it != entries_.end() && it->first.starts_with(parentKey + "\\"); ++it) {
        if (it->first.find('\\', parentKey.size() + 1) == std::string::npos)
            children.push_back(&it->second);
    }
    std::sort(children.begin(), children.end(), [](auto* a, auto* b) { return a->order < b->order; });
    std::vector<DirectoryEntry> result;
    for (const Entry* child : children)
        result.push_back({NameOf(child->path), child->attributes});
    return result;
}

bool FakeFileSystem::CreateFolder(std::string_view path) {
    const std::string normalized = Normalize(path);
    if (Find(normalized) != nullptr || !ParentFolderExists(normalized) || IsLocked(normalized))
        return false;
    Make(normalized, true);
    return true;
}

bool FakeFileSystem::RemoveFolder(std::string_view path) {
    const Entry* entry = Find(path);
    if (entry == nullptr || !entry->folder || IsLocked(path) || HasChildren(Key(path)))
        return false;
    entries_.erase(Key(path));
    return true;
}

// As MoveFileW: the target must not exist, its folder must; a folder moves with everything inside it.
bool FakeFileSystem::Rename(std::string_view from, std::string_view to) {
    const std::string fromKey = Key(from);
    const std::string target = Normalize(to);
    const std::string targetKey = Utf8ToUpper(target);
    const Entry* source = Find(from);
    if (source == nullptr || IsLocked(from) || IsLocked(to) || !ParentFolderExists(target))
        return false;
    if (Find(target) != nullptr && targetKey != fromKey)
        return false;
    if (targetKey.starts_with(fromKey + "\\"))
        return false;

    std::vector<std::pair<std::string, Entry>> moved;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->first == fromKey || it->first.starts_with(fromKey + "\\")) {
            Entry entry = std::move(it->second);
            entry.path = target + entry.path.substr(Normalize(from).size());
            moved.emplace_back(Utf8ToUpper(entry.path), std::move(entry));
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& [key, entry] : moved)
        entries_[key] = std::move(entry);
    return true;
}

bool FakeFileSystem::DeleteFile(std::string_view path) {
    const Entry* entry = Find(path);
    if (entry == nullptr || entry->folder || (entry->attributes & FILE_ATTR_READONLY) || IsLocked(path))
        return false;
    entries_.erase(Key(path));
    return true;
}

std::optional<std::string> FakeFileSystem::ReadFile(std::string_view path) {
    const Entry* entry = Find(path);
    if (entry == nullptr || entry->folder || unreadable_.contains(Key(path)))
        return std::nullopt;
    return entry->content;
}

// Writes a temporary file beside the target and moves it over the target, as the Windows implementation does,
// so that a failure at any step leaves the target as it was and no temporary file behind.
bool FakeFileSystem::ReplaceFileAtomically(std::string_view path, std::string_view content) {
    const std::string normalized = Normalize(path);
    const Entry* existing = Find(normalized);
    if (!ParentFolderExists(normalized) || IsLocked(normalized) ||
        (existing != nullptr && (existing->folder || (existing->attributes & FILE_ATTR_READONLY))))
        return false;

    std::string temporary;
    do {
        temporary = TemporaryFileName(normalized, kFakeProcessId, static_cast<uint64_t>(++temporaryCounter_));
    } while (Find(temporary) != nullptr);
    temporaryPaths_.push_back(temporary);
    Entry& scratch = Make(temporary, false);
    if (replaceFailsAfter_ && *replaceFailsAfter_ < content.size()) {
        scratch.content.assign(content.substr(0, *replaceFailsAfter_));
        entries_.erase(Utf8ToUpper(temporary));
        return false;
    }
    scratch.content.assign(content);
    Entry finished = std::move(scratch);
    entries_.erase(Utf8ToUpper(temporary));

    const bool replacing = existing != nullptr;
    Entry& target = entries_[Utf8ToUpper(normalized)];
    const uint64_t order = replacing ? target.order : finished.order;
    const std::string spelling = replacing ? target.path : normalized;
    target = std::move(finished);
    target.path = spelling;
    target.order = order;
    target.modified = clock_;
    ++replaceCount_;
    return true;
}

std::optional<FileTime> FakeFileSystem::ModifiedTime(std::string_view path) {
    const Entry* entry = Find(path);
    if (entry == nullptr || entry->folder)
        return std::nullopt;
    return entry->modified;
}

void FakeFileSystem::AddFolder(std::string_view path) {
    const std::string normalized = Normalize(path);
    size_t pos = 0;
    do {
        pos = normalized.find('\\', pos + 1);
        const std::string prefix = normalized.substr(0, pos);
        if (Find(prefix) == nullptr)
            Make(prefix, true);
    } while (pos != std::string::npos);
}

void FakeFileSystem::AddFile(std::string_view path, std::string_view content, uint32_t attributes) {
    const std::string normalized = Normalize(path);
    const std::string parent = ParentOf(normalized);
    if (!parent.empty())
        AddFolder(parent);
    Entry* entry = Find(normalized);
    if (entry == nullptr || entry->folder)
        entry = &Make(normalized, false);
    entry->content.assign(content);
    entry->modified = clock_;
    entry->attributes =
        attributes == 0 ? uint32_t{FILE_ATTR_NORMAL} : attributes & ~uint32_t{FILE_ATTR_DIRECTORY};
}

bool FakeFileSystem::Exists(std::string_view path) const {
    return Find(path) != nullptr;
}

std::optional<std::string> FakeFileSystem::Content(std::string_view path) const {
    const Entry* entry = Find(path);
    if (entry == nullptr || entry->folder)
        return std::nullopt;
    return entry->content;
}

std::vector<std::string> FakeFileSystem::AllPaths() const {
    std::vector<const Entry*> all;
    for (const auto& [key, entry] : entries_)
        all.push_back(&entry);
    std::sort(all.begin(), all.end(), [](auto* a, auto* b) { return a->order < b->order; });
    std::vector<std::string> paths;
    for (const Entry* entry : all)
        paths.push_back(entry->path);
    return paths;
}

void FakeFileSystem::FailReadOf(std::string_view path) {
    unreadable_.insert(Key(path));
}

void FakeFileSystem::Lock(std::string_view path) {
    locked_.insert(Key(path));
}

} // namespace krv
