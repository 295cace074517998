#pragma once
// clsMenuItem: one node of the folder tree (group, shortcut, Open-All, drive, separator or fixed entry).

#include <cstdint>
#include <string>
#include <string_view>

#include "model/DateTime.h"
#include "model/MenuVocabulary.h"

namespace krv {

// Told by an item when a field changes that a collection indexes (Name, OwnerName, ID, Caption, SubMenu,
// Separator). Only clsMenuCollection implements it; items outside a collection have no listener.
class MenuItemListener {
public:
    virtual void OnNameChanging(const class clsMenuItem& item, const std::string& newName) = 0;
    virtual void OnOwnerNameChanging(const class clsMenuItem& item, const std::string& newOwner) = 0;
    virtual void OnIDChanging(const class clsMenuItem& item, int32_t newID) = 0;

protected:
    ~MenuItemListener() = default;
};

// Removes the characters \ / : * ? " < > | that a caption (and a file name) may not hold.
std::string RemoveInvalidChars(std::string_view text);

// The menu text of a caption: longer than 50 characters becomes first 22 + "..." + last 25.
// Counts characters (UTF-8 code points), not bytes.
std::string ShortenCaptionForMenu(std::string_view caption);

// The stored fields of a menu item, in declaration order, with their defaults.
struct MenuItemFields {
    int32_t id_ = 0;
    int32_t position_ = 0;
    std::string name_;
    std::string nameOld_;
    std::string caption_;
    std::string captionMenu_;
    int32_t ownerId_ = 0;
    int32_t flags_ = 0;
    std::string ownerName_;
    int16_t iconId_ = ICON_FOLDER_SHORTCUT;
    bool separator_ = false;
    bool subMenu_ = false;
    std::string itemType_ = MIT_PATH;
    std::string openType_ = MIT_PATH_SHORTCUT;
    std::string driveType_ = "3";
    std::string description_;
    std::string folderPath_;
    std::string networkPath_;
    std::string itemPath_;
    std::string itemLocation_;
    std::string remark_;
    int32_t keyboardCode_ = -1;
    std::string userDescription_;
    DateTime timeCreated_;
    DateTime timeModified_;
    DateTime timeAccessed_;

};

class clsMenuItem : private MenuItemFields {
public:
    clsMenuItem();
    // A new item whose creation time is left unset, for a copy whose every field is set next (reading the
    // clock for each of many thousands of items is a noticeable part of copying a tree).
    struct UnsetTimes {};
    explicit clsMenuItem(UnsetTimes) {}
    // Copies carry no listener: a copy belongs to no collection until it is added to one.
    clsMenuItem(const clsMenuItem& other) = default;
    clsMenuItem(clsMenuItem&& other) noexcept = default;
    clsMenuItem& operator=(const clsMenuItem& other);
    clsMenuItem& operator=(clsMenuItem&& other) noexcept;
    ~clsMenuItem() = default;

    int32_t ID() const { return id_; }
    void SetID(int32_t value);
    int32_t Position() const { return position_; }
    void SetPosition(int32_t value) { position_ = value; }
    const std::string& Name() const { return name_; }
    void SetName(std::string value);
    const std::string& NameOld() const { return nameOld_; }
    void SetNameOld(std::string value) { nameOld_ = std::move(value); }

    const std::string& Caption() const { return caption_; }
    // Sets the caption with the invalid characters removed, and derives CaptionMenu.
    void SetCaption(std::string_view value);
    // Sets the caption unchanged (drive captions keep their colon), and derives CaptionMenu.
    void SetCaption2(std::string_view value);
    const std::string& CaptionMenu() const { return captionMenu_; }
    void SetCaptionMenu(std::string_view value) { captionMenu_ = ShortenCaptionForMenu(value); }

    int32_t OwnerID() const { return ownerId_; }
    void SetOwnerID(int32_t value) { ownerId_ = value; }
    int32_t flags() const { return flags_; }
    void Setflags(int32_t value) { flags_ = value; }
    const std::string& OwnerName() const { return ownerName_; }
    void SetOwnerName(std::string value);
    // Stored in 16 bits like the original record; read and written as a 32-bit value.
    int32_t IconID() const { return iconId_; }
    void SetIconID(int32_t value) { iconId_ = static_cast<int16_t>(value); }

    bool Separator() const { return separator_; }
    // True clears SubMenu.
    void SetSeparator(bool value);
    bool SubMenu() const { return subMenu_; }
    // True clears Separator and makes the item a general group.
    void SetSubMenu(bool value);

    const std::string& ItemType() const { return itemType_; }
    void SetItemType(std::string value) { itemType_ = std::move(value); }
    const std::string& OpenType() const { return openType_; }
    void SetOpenType(std::string value) { openType_ = std::move(value); }
    // Kept as decimal text, as the original did; DriveType() converts it.
    int32_t DriveType() const;
    const std::string& DriveTypeText() const { return driveType_; }
    void SetDriveType(int32_t value) { driveType_ = std::to_string(value); }
    void SetDriveTypeText(std::string value) { driveType_ = std::move(value); }
    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }
    const std::string& FolderPath() const { return folderPath_; }
    void SetFolderPath(std::string value) { folderPath_ = std::move(value); }
    const std::string& NetworkPath() const { return networkPath_; }
    void SetNetworkPath(std::string value) { networkPath_ = std::move(value); }
    const std::string& ItemPath() const { return itemPath_; }
    void SetItemPath(std::string value) { itemPath_ = std::move(value); }
    const std::string& ItemLocation() const { return itemLocation_; }
    void SetItemLocation(std::string value) { itemLocation_ = std::move(value); }
    const std::string& Remark() const { return remark_; }
    void SetRemark(std::string value) { remark_ = std::move(value); }
    int32_t KeyboardCode() const { return keyboardCode_; }
    void SetKeyboardCode(int32_t value) { keyboardCode_ = value; }
    const std::string& UserDescription() const { return userDescription_; }
    void SetUserDescription(std::string value) { userDescription_ = std::move(value); }
    const DateTime& TimeCreated() const { return timeCreated_; }
    void SetTimeCreated(const DateTime& value) { timeCreated_ = value; }
    const DateTime& TimeModified() const { return timeModified_; }
    void SetTimeModified(const DateTime& value) { timeModified_ = value; }
    const DateTime& TimeAccessed() const { return timeAccessed_; }
    void SetTimeAccessed(const DateTime& value) { timeAccessed_ = value; }

    bool IsGroup() const { return subMenu_; }
    bool IsTopLevel() const { return ownerName_ == TOP_LEVEL_OWNER; }

    // Sets IconID and Description from the item's type (first matching rule wins).
    void SetIconIDDescription();
    // 0 for a top-level item, 1 inside a top-level group, and so on; derived from ItemLocation.
    int16_t GetNestingLevel() const;
    // Changes several fields at once in the documented order; empty texts and values <= 0 keep the field.
    void ModifyMenuItem(std::string_view caption, std::string_view ownerName, std::string_view name, int32_t iconId,
                        std::string_view folderPath, std::string_view itemType, std::string_view openType,
                        bool subMenu, int32_t driveType, bool setIcon, int32_t keyboardCode,
                        std::string_view userDescription);

private:
    friend class clsMenuCollection;

    // Holds the listener without ever copying it: a copy belongs to no collection, and assigning over a
    // stored item keeps that item's collection.
    struct ListenerSlot {
        MenuItemListener* listener = nullptr;
        ListenerSlot() = default;
        ListenerSlot(const ListenerSlot&) {}
        ListenerSlot& operator=(const ListenerSlot&) { return *this; }
    };
    ListenerSlot slot_;
};

// Copies every field of source into target in the documented order (NetworkPath is not copied).
void CopyMenuItem(const clsMenuItem& source, clsMenuItem& target);

} // namespace krv
