#include "organize/ItemProperties.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "dialogs/modRegionalSettings.h"
#include "model/clsMenuCollection.h"
#include "model/clsMenuItem.h"
#include "organize/ItemDialogLogic.h"

namespace krv {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The path without trailing separators, except the one that belongs to a drive root.
std::string_view WithoutTrailingSeparator(std::string_view path) {
    while (path.size() > 1 && IsSeparator(path.back())) {
        if (path.size() == 3 && path[1] == ':')
            break;
        path.remove_suffix(1);
    }
    return path;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// Names Windows keeps for its devices, with or without an extension.
bool IsReservedDeviceName(std::string_view name) {
    std::string stem = UpperAscii(name.substr(0, name.find('.')));
    stem = std::string(TrimBlanks(stem));
    static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end())
        return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !IsSeparator(path.back()))
        path += '\\';
    path += name;
    return path;
}

} // namespace

bool ApplyItemChange(clsMenuCollection& collection, std::string_view itemName,
                     const ItemDialogResult& result) {
    // The keyboard shortcuts the dialog took from other items have already gone from them.
    return ChangeItemFromParameters(collection, itemName, ItemParameters{result, {}});
}

std::string ItemTypeText(const clsMenuItem& item) {
    if (item.IsGroup())
        return "Group";
    if (item.ItemType() == MIT_OPENALL)
        return "Open-All";
    if (item.ItemType() == MIT_PATH)
        return item.OpenType() == MIT_PATH_EXPLORER ? "Folder Shortcut (double pane)"
                                                    : "Folder Shortcut (single pane)";
    // Drives and the other generated entries are described by their own type description.
    return item.Description();
}

std::string ItemTimeText(const DateTime& time, modRegionalSettings& regional) {
    return time.IsZero() ? std::string("Never") : regional.FormatDateTimeLocal(time);
}

std::string PathRoot(std::string_view path) {
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
        return std::string(path.substr(0, 2)) + "\\";
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // "\\server\share": the server and the share, each of at least one character.
        const size_t serverEnd = path.find_first_of("\\/", 2);
        if (serverEnd == std::string_view::npos || serverEnd == 2)
            return {};
        const size_t shareEnd = path.find_first_of("\\/", serverEnd + 1);
        const std::string_view root = path.substr(0, shareEnd);
        if (root.size() <= serverEnd + 1)
            return {};
        return std::string(root);
    }
    return {};
}

FolderParts SplitFolderPath(std::string_view folderPath) {
    const std::string_view path = WithoutTrailingSeparator(folderPath);
    const std::string root = PathRoot(path);
    if (!root.empty() && SameFolderPath(root, path))
        return {root, {}};
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string_view::npos)
        return {{}, std::string(path)};
    std::string location(path.substr(0, slash));
    // The parent of "C:\Data" is the root "C:\", with its backslash.
    if (location.size() == 2 && location[1] == ':')
        location += '\\';
    return {location, std::string(path.substr(slash + 1))};
}

bool SameFolderPath(std::string_view a, std::string_view b) {
    a = WithoutTrailingSeparator(a);
    b = WithoutTrailingSeparator(b);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const bool bothSeparators = IsSeparator(a[i]) && IsSeparator(b[i]);
        if (!bothSeparators &&
            std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string InvalidFolderNameMessage(std::string_view name) {
    const bool forbiddenCharacter = name.find_first_of(kForbiddenCharacters) != std::string_view::npos;
    const bool controlCharacter =
        std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
    const bool cutByWindows = !name.empty() && (name.back() == '.' || name.back() == ' ');
    if (!forbiddenCharacter && !controlCharacter && !cutByWindows && !name.empty() &&
        !IsReservedDeviceName(name))
        return {};
    std::string message = "Name of the Target Folder cannot contain any of the following characters: \r\n\t";
    for (size_t i = 0; i < kForbiddenCharacters.size(); ++i) {
        if (i > 0)
            message += ' ';
        message += kForbiddenCharacters[i];
    }
    return message;
}

uint32_t AttributeBit(FolderAttribute attribute) {
    switch (attribute) {
    case FolderAttribute::ReadOnly:
        return FILE_ATTR_READONLY;
    case FolderAttribute::Archive:
        return FILE_ATTR_ARCHIVE;
    case FolderAttribute::Hidden:
        return FILE_ATTR_HIDDEN;
    case FolderAttribute::System:
        return FILE_ATTR_SYSTEM;
    }
    return 0;
}

ItemProperties::ItemProperties(clsMenuCollection& collection, std::string itemName,
                               const ItemPropertiesServices& services)
    : collection_(collection), itemName_(std::move(itemName)), services_(services) {
    Refill();
}

clsMenuItem* ItemProperties::DohvatiMenuItem() const {
    return collection_.GetMenuItemFromName(itemName_);
}

void ItemProperties::Refill() {
    itemTab_ = {};
    folderTab_ = {};
    if (const clsMenuItem* item = DohvatiMenuItem()) {
        FillItemTab(*item);
        FillFolderTab(*item);
    }
    checkedAttributes_ = folderTab_.Attributes;
    newName_ = folderTab_.Name;
    ClearFlags();
}

void ItemProperties::ClearFlags() {
    attributesChanged_ = false;
    nameChanged_ = false;
    itemChanged_ = false;
}

void ItemProperties::FillItemTab(const clsMenuItem& item) {
    itemTab_.Caption = item.Caption();
    itemTab_.Type = ItemTypeText(item);
    itemTab_.TargetFolder = item.FolderPath();
    itemTab_.Location = item.ItemLocation();
    itemTab_.Created = ItemTimeText(item.TimeCreated(), services_.Regional);
    itemTab_.Modified = ItemTimeText(item.TimeModified(), services_.Regional);
    itemTab_.Accessed = ItemTimeText(item.TimeAccessed(), services_.Regional);
    itemTab_.IconID = item.IconID();
}

void ItemProperties::FillFolderTab(const clsMenuItem& item) {
    const std::string& path = item.FolderPath();
    const std::string root = PathRoot(path);
    // A relative path or a missing drive leaves the tab empty; so does a path with wildcards, which the
    // shell's delete would take as a pattern for many files.
    if (root.empty() || path.find_first_of("*?") != std::string::npos || !services_.Files.FolderExists(root))
        return;
    const FolderParts parts = SplitFolderPath(path);
    folderTab_.Shown = true;
    folderTab_.Name = parts.Name;
    folderTab_.Location = parts.Location;
    folderTab_.NameEditable = !parts.Name.empty();
    if (!services_.Files.FolderExists(path))
        return;
    folderTab_.Exists = true;
    if (const auto details = services_.Details.GetDetails(path)) {
        folderTab_.ShortName = details->ShortName;
        folderTab_.Created = services_.Regional.FormatDateTimeLocal(details->Created);
        folderTab_.Modified = services_.Regional.FormatDateTimeLocal(details->Modified);
        folderTab_.Accessed = services_.Regional.FormatDateTimeLocal(details->Accessed);
    }
    const uint32_t attributes = services_.Files.GetAttributes(path).value_or(0);
    for (const FolderAttribute attribute : kFolderAttributes)
        folderTab_.Attributes |= attributes & AttributeBit(attribute);
}

void ItemProperties::SetAttributeChecked(FolderAttribute attribute, bool checked) {
    const uint32_t bit = AttributeBit(attribute);
    checkedAttributes_ = checked ? (checkedAttributes_ | bit) : (checkedAttributes_ & ~bit);
    attributesChanged_ = true;
}

void ItemProperties::SetNewName(std::string_view name) {
    newName_ = std::string(name);
    nameChanged_ = true;
}

ApplyOutcome ItemProperties::Apply() {
    const clsMenuItem* item = DohvatiMenuItem();
    const std::string folder = item != nullptr ? item->FolderPath() : std::string();
    if (attributesChanged_ && folderTab_.Exists && services_.Files.FolderExists(folder)) {
        if (!ApplyAttributes(folder))
            return ApplyOutcome::Failed;
        attributesChanged_ = false;
    }
    if (nameChanged_ && folderTab_.NameEditable) {
        const ApplyOutcome renamed = ApplyRename(folder);
        if (renamed != ApplyOutcome::Done)
            return renamed;
    }
    ClearFlags();
    return ApplyOutcome::Done;
}

bool ItemProperties::ApplyAttributes(const std::string& folder) {
    if (!services_.Files.SetAttributes(folder, checkedAttributes_))
        return false;
    // The boxes show what the folder has now, which is not always what was asked (a file system may keep
    // no archive bit on folders).
    const uint32_t now = services_.Files.GetAttributes(folder).value_or(checkedAttributes_);
    folderTab_.Attributes = 0;
    for (const FolderAttribute attribute : kFolderAttributes)
        folderTab_.Attributes |= now & AttributeBit(attribute);
    checkedAttributes_ = folderTab_.Attributes;
    return true;
}

ApplyOutcome ItemProperties::ApplyRename(const std::string& folder) {
    const std::string name(TrimBlanks(newName_));
    if (name == folderTab_.Name)
        return ApplyOutcome::Done;
    if (const std::string refusal = InvalidFolderNameMessage(name); !refusal.empty()) {
        services_.Messages.Show(refusal, RENAME_ERROR_TITLE, MessageButtons::Ok, MessageIcon::Critical);
        return ApplyOutcome::Refused;
    }
    const std::string target = JoinPath(folderTab_.Location, name);
    // A change of case only names the folder itself, which Windows renames in place.
    if (services_.Files.GetAttributes(target) && !SameFolderPath(target, folder)) {
        services_.Messages.Show("Cannot rename " + name +
                                    ". Folder with the same name already exists. Choose a different name.",
                                "Karvello", MessageButtons::Ok, MessageIcon::Critical);
        return ApplyOutcome::Refused;
    }
    const std::string question =
        "Are you sure you want to rename the folder on disc from " + folder + " to " + target + " ?";
    if (services_.Messages.Show(question, "Karvello", MessageButtons::YesNo, MessageIcon::Exclamation) !=
        MessageAnswer::Yes) {
        // No leaves the folder and every item as they were; the name box shows the folder's name again.
        newName_ = folderTab_.Name;
        nameChanged_ = false;
        return ApplyOutcome::Done;
    }
    if (!services_.Files.Rename(folder, target))
        return ApplyOutcome::Failed;
    RedirectItems(folder, target);
    Refill();
    return ApplyOutcome::Done;
}

void ItemProperties::RedirectItems(const std::string& from, const std::string& to) {
    // Only the items whose Target Folder is the renamed folder itself follow it; a shortcut to a subfolder
    // or to a folder whose name merely begins with the same text keeps its path.
    for (clsMenuItem& item : collection_) {
        if (!item.FolderPath().empty() && SameFolderPath(item.FolderPath(), from)) {
            item.SetFolderPath(to);
            collectionChanged_ = true;
        }
    }
}

bool ItemProperties::DeleteTargetFolder() {
    const clsMenuItem* item = DohvatiMenuItem();
    if (item == nullptr || !folderTab_.Exists || !folderTab_.NameEditable)
        return false;
    // Exactly the item's own folder goes, and only when it is a folder: never a drive root, a pattern or a
    // relative path (FillFolderTab refuses those), and never a file that has taken the folder's name.
    const std::string folder(WithoutTrailingSeparator(item->FolderPath()));
    if (!services_.Files.FolderExists(folder) || !services_.Shell.MoveToRecycleBin(folder))
        return false;
    Refill();
    return true;
}

void ItemProperties::ItemChanged() {
    Refill();
    itemChanged_ = true;
    collectionChanged_ = true;
}

std::string ItemProperties::CopyShortcutText() const {
    const clsMenuItem* item = DohvatiMenuItem();
    if (item == nullptr)
        return {};
    return item->FolderPath().empty() ? item->ItemLocation() : item->FolderPath();
}

} // namespace krv
