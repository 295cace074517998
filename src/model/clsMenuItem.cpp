#include "model/clsMenuItem.h"

#include <charconv>

#include "platform/Text.h"

namespace krv {
namespace {

constexpr std::string_view kInvalidCaptionChars = "\\/:*?\"<>|";
constexpr size_t kMenuCaptionLimit = 50;
constexpr size_t kMenuCaptionHead = 22;
constexpr size_t kMenuCaptionTail = 25;

} // namespace

std::string RemoveInvalidChars(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (kInvalidCaptionChars.find(c) == std::string_view::npos)
            result += c;
    }
    return result;
}

std::string ShortenCaptionForMenu(std::string_view caption) {
    const size_t length = Utf8Length(caption);
    if (length <= kMenuCaptionLimit)
        return std::string(caption);
    return Utf8Substr(caption, 0, kMenuCaptionHead) + "..." +
           Utf8Substr(caption, length - kMenuCaptionTail, kMenuCaptionTail);
}

clsMenuItem::clsMenuItem() { timeCreated_ = DateTime::Now(); }

clsMenuItem& clsMenuItem::operator=(const clsMenuItem& other) {
    if (this == &other)
        return *this;
    // The indexed fields go through their setters so that a stored item's collection stays in step.
    SetID(other.id_);
    SetName(other.name_);
    SetOwnerName(other.ownerName_);
    MenuItemFields::operator=(other);
    return *this;
}

clsMenuItem& clsMenuItem::operator=(clsMenuItem&& other) noexcept {
    if (this == &other)
        return *this;
    SetID(other.id_);
    SetName(other.name_);
    SetOwnerName(other.ownerName_);
    MenuItemFields::operator=(std::move(other));
    return *this;
}

void clsMenuItem::SetID(int32_t value) {
    if (slot_.listener && value != id_)
        slot_.listener->OnIDChanging(*this, value);
    id_ = value;
}

void clsMenuItem::SetName(std::string value) {
    if (slot_.listener && value != name_)
        slot_.listener->OnNameChanging(*this, value);
    name_ = std::move(value);
}

void clsMenuItem::SetOwnerName(std::string value) {
    if (slot_.listener && value != ownerName_)
        slot_.listener->OnOwnerNameChanging(*this, value);
    ownerName_ = std::move(value);
}

void clsMenuItem::SetCaption(std::string_view value) {
    caption_ = RemoveInvalidChars(value);
    captionMenu_ = ShortenCaptionForMenu(caption_);
}

void clsMenuItem::SetCaption2(std::string_view value) {
    caption_ = std::string(value);
    captionMenu_ = ShortenCaptionForMenu(caption_);
}

void clsMenuItem::SetSeparator(bool value) {
    separator_ = value;
    if (value)
        subMenu_ = false;
}

void clsMenuItem::SetSubMenu(bool value) {
    subMenu_ = value;
    if (value) {
        separator_ = false;
        itemType_ = MIT_GROUP_GENERAL;
    }
}

int32_t clsMenuItem::DriveType() const {
    int32_t value = 0;
    const char* first = driveType_.data();
    const char* last = first + driveType_.size();
    while (first != last && *first == ' ')
        ++first;
    std::from_chars(first, last, value);
    return value;
}

void clsMenuItem::SetIconIDDescription() {
    struct Rule {
        const char* type;
        int16_t icon;
        const char* description;
    };
    static constexpr Rule kFixedTypes[] = {
        {MIT_HF_ROOT, ICON_ROOT, "Root"},
        {MIT_PATHS_DRIVES, ICON_GROUP, "Drives"},
        {MIT_PATHS_SYSTEM, ICON_GROUP, "System Paths"},
        {MIT_HF_SETTINGS, ICON_OPTIONS, "Settings"},
        {MIT_HF_HELP, ICON_HELP, "Help"},
        {MIT_HF_ORGANIZE, ICON_ORGANIZE, "Organize"},
    };
    for (const Rule& rule : kFixedTypes) {
        if (itemType_ == rule.type) {
            iconId_ = rule.icon;
            description_ = rule.description;
            return;
        }
    }
    if (itemType_ == MIT_GROUP_GENERAL) {
        iconId_ = ICON_GROUP;
        description_ = name_ == MIT_GROUP_USER ? "Personal Group" : "Group";
    } else if (itemType_ == MIT_PATH) {
        if (openType_ == MIT_PATH_SHORTCUT) {
            iconId_ = ICON_FOLDER_SHORTCUT;
            description_ = "Folder Shortcut";
        } else if (openType_ == MIT_PATH_EXPLORER) {
            iconId_ = ICON_EXPLORER_SHORTCUT;
            description_ = "Folder Shortcut";
        }
    } else if (itemType_ == MIT_OPENALL) {
        iconId_ = ICON_OPENALL;
        description_ = "Open-All";
        caption_ = "Open-All"; // the menu text stays as it was
    } else if (itemType_ == MIT_DRIVE) {
        if (driveType_ == "3") {
            iconId_ = ICON_FIXED_DISK;
            description_ = "Local Disk";
        } else if (driveType_ == "4") {
            iconId_ = ICON_REMOTE_DISK;
            description_ = "Remote Disk";
        } else if (driveType_ == "2") {
            iconId_ = ICON_FLOPPY;
            description_ = "3.5-Inch Floppy Disk";
        } else if (driveType_ == "5") {
            iconId_ = ICON_CDROM;
            description_ = "Compact Disc";
        } else {
            iconId_ = ICON_FIXED_DISK;
            description_ = "Disk";
        }
    }
}

int16_t clsMenuItem::GetNestingLevel() const {
    if (itemLocation_.size() <= 2)
        return 0;
    int16_t level = 1;
    for (size_t i = 2; i < itemLocation_.size(); ++i) {
        if (itemLocation_[i] == '\\')
            ++level;
    }
    return level;
}

void clsMenuItem::ModifyMenuItem(std::string_view caption, std::string_view ownerName, std::string_view name,
                                 int32_t iconId, std::string_view folderPath, std::string_view itemType,
                                 std::string_view openType, bool subMenu, int32_t driveType, bool setIcon,
                                 int32_t keyboardCode, std::string_view userDescription) {
    if (itemType == MIT_OPENALL)
        SetCaption("Open-All");
    else if (!caption.empty())
        SetCaption(caption);
    if (!ownerName.empty())
        SetOwnerName(std::string(ownerName));
    if (!name.empty())
        SetName(std::string(name));
    if (!folderPath.empty())
        folderPath_ = folderPath;
    if (!itemType.empty())
        itemType_ = itemType;
    if (!openType.empty())
        openType_ = openType;
    if (iconId > 0)
        SetIconID(iconId);
    if (driveType > 0)
        SetDriveType(driveType);
    SetSubMenu(subMenu);
    if (setIcon)
        SetIconIDDescription();
    keyboardCode_ = keyboardCode;
    userDescription_ = userDescription;
    timeModified_ = DateTime::Now();
}

void CopyMenuItem(const clsMenuItem& source, clsMenuItem& target) {
    if (source.OwnerName() == MIT_PATHS_DRIVES)
        target.SetCaption2(source.Caption());
    else
        target.SetCaption(source.Caption());
    target.SetDescription(source.Description());
    target.SetDriveTypeText(source.DriveTypeText());
    target.Setflags(source.flags());
    target.SetItemPath(source.ItemPath());
    target.SetFolderPath(source.FolderPath());
    target.SetItemLocation(source.ItemLocation());
    target.SetIconID(source.IconID());
    target.SetID(source.ID());
    target.SetItemType(source.ItemType());
    target.SetName(source.Name());
    target.SetNameOld(source.NameOld());
    target.SetOpenType(source.OpenType());
    target.SetOwnerID(source.OwnerID());
    target.SetOwnerName(source.OwnerName());
    target.SetPosition(source.Position());
    target.SetSeparator(source.Separator());
    target.SetSubMenu(source.SubMenu());
    target.SetRemark(source.Remark());
    target.SetKeyboardCode(source.KeyboardCode());
    target.SetUserDescription(source.UserDescription());
    target.SetTimeCreated(source.TimeCreated());
    target.SetTimeModified(source.TimeModified());
    target.SetTimeAccessed(source.TimeAccessed());
}

} // namespace krv
