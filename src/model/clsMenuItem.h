#pragma once
// clsMenuItem: one node of the folder tree (group, shortcut, Open-All, drive, separator or fixed entry).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/DateTime.h"
#include "model/MenuItemText.h"
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

// The fields an item rarely holds, kept apart so that an item without them pays one pointer: NameOld,
// NetworkPath, Remark, TimeAccessed, a menu text that differs from the caption, and types and descriptions
// outside the fixed texts.
struct MenuItemRareFields {
    std::string nameOld;
    std::string networkPath;
    std::string remark;
    std::string captionMenu;
    bool ownCaptionMenu = false; // false: the menu text is the caption
    std::string itemType;
    std::string openType;
    std::string driveType;
    std::string description;
    PackedDateTime timeAccessed;
};

// Owns its rare fields, copied with the item.
class RareFieldsSlot {
public:
    RareFieldsSlot() = default;
    RareFieldsSlot(const RareFieldsSlot& other)
        : fields_(other.fields_ ? std::make_unique<MenuItemRareFields>(*other.fields_) : nullptr) {}
    RareFieldsSlot(RareFieldsSlot&&) noexcept = default;
    RareFieldsSlot& operator=(const RareFieldsSlot& other) {
        if (this != &other)
            fields_ = other.fields_ ? std::make_unique<MenuItemRareFields>(*other.fields_) : nullptr;
        return *this;
    }
    RareFieldsSlot& operator=(RareFieldsSlot&&) noexcept = default;

    const MenuItemRareFields* get() const { return fields_.get(); }
    // Made on first use.
    MenuItemRareFields& Get() {
        if (!fields_)
            fields_ = std::make_unique<MenuItemRareFields>();
        return *fields_;
    }

private:
    std::unique_ptr<MenuItemRareFields> fields_;
};

// The stored fields of a menu item, with their defaults (see MenuItemText.h for the text forms).
struct MenuItemFields {
    std::string name_;
    std::string caption_;
    std::string folderPath_;
    SharedText ownerName_;
    SharedText itemPath_;
    SharedText itemLocation_;
    SharedText userDescription_;
    RareFieldsSlot rare_;
    int32_t id_ = 0;
    int32_t position_ = 0;
    int32_t ownerId_ = 0;
    int32_t flags_ = 0;
    int32_t keyboardCode_ = -1;
    int16_t iconId_ = ICON_FOLDER_SHORTCUT;
    bool separator_ = false;
    bool subMenu_ = false;
    // FixedText codes, or kOwnedText for a text kept in rare_.
    uint8_t itemType_ = FT_MIT_PATH;
    uint8_t openType_ = FT_MIT_PATH_SHORTCUT;
    uint8_t driveType_ = DigitText(DRIVE_TYPE_FIXED);
    uint8_t description_ = FT_EMPTY;
    PackedDateTime timeCreated_;
    PackedDateTime timeModified_;
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
    const std::string& NameOld() const { return rare_.get() ? rare_.get()->nameOld : EmptyText(); }
    void SetNameOld(std::string value) { SetRare(&MenuItemRareFields::nameOld, std::move(value)); }

    const std::string& Caption() const { return caption_; }
    // Sets the caption with the invalid characters removed, and derives CaptionMenu.
    void SetCaption(std::string_view value);
    // Sets the caption unchanged (drive captions keep their colon), and derives CaptionMenu.
    void SetCaption2(std::string_view value);
    const std::string& CaptionMenu() const;
    void SetCaptionMenu(std::string_view value) { StoreCaptionMenu(ShortenCaptionForMenu(value)); }

    int32_t OwnerID() const { return ownerId_; }
    void SetOwnerID(int32_t value) { ownerId_ = value; }
    int32_t flags() const { return flags_; }
    void Setflags(int32_t value) { flags_ = value; }
    const std::string& OwnerName() const { return ownerName_.str(); }
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

    const std::string& ItemType() const { return TextOf(itemType_, &MenuItemRareFields::itemType); }
    void SetItemType(std::string value) { SetText(itemType_, &MenuItemRareFields::itemType, std::move(value)); }
    const std::string& OpenType() const { return TextOf(openType_, &MenuItemRareFields::openType); }
    void SetOpenType(std::string value) { SetText(openType_, &MenuItemRareFields::openType, std::move(value)); }
    // Kept as decimal text, as the original did; DriveType() converts it.
    int32_t DriveType() const;
    const std::string& DriveTypeText() const { return TextOf(driveType_, &MenuItemRareFields::driveType); }
    void SetDriveType(int32_t value);
    void SetDriveTypeText(std::string value) {
        SetText(driveType_, &MenuItemRareFields::driveType, std::move(value));
    }
    const std::string& Description() const { return TextOf(description_, &MenuItemRareFields::description); }
    void SetDescription(std::string value) {
        SetText(description_, &MenuItemRareFields::description, std::move(value));
    }
    const std::string& FolderPath() const { return folderPath_; }
    void SetFolderPath(std::string value) { folderPath_ = std::move(value); }
    const std::string& NetworkPath() const { return rare_.get() ? rare_.get()->networkPath : EmptyText(); }
    void SetNetworkPath(std::string value) { SetRare(&MenuItemRareFields::networkPath, std::move(value)); }
    const std::string& ItemPath() const { return itemPath_.str(); }
    void SetItemPath(std::string value) { itemPath_ = SharedText(std::move(value)); }
    const std::string& ItemLocation() const { return itemLocation_.str(); }
    void SetItemLocation(std::string value) { itemLocation_ = SharedText(std::move(value)); }
    const std::string& Remark() const { return rare_.get() ? rare_.get()->remark : EmptyText(); }
    void SetRemark(std::string value) { SetRare(&MenuItemRareFields::remark, std::move(value)); }
    int32_t KeyboardCode() const { return keyboardCode_; }
    void SetKeyboardCode(int32_t value) { keyboardCode_ = value; }
    const std::string& UserDescription() const { return userDescription_.str(); }
    void SetUserDescription(std::string value) { userDescription_ = SharedText(std::move(value)); }
    // The texts that neighbouring items often hold alike, as the item holds them, and setters that hold
    // likely's text when it is value instead of a copy of value.
    struct NeighbourTexts {
        SharedText ownerName, itemPath, itemLocation, userDescription;
    };
    NeighbourTexts SharedTexts() const { return {ownerName_, itemPath_, itemLocation_, userDescription_}; }
    void SetOwnerNameLike(std::string_view value, const SharedText& likely);
    void SetItemPathLike(std::string_view value, const SharedText& likely) {
        itemPath_ = SharedText::Sharing(value, likely);
    }
    void SetItemLocationLike(std::string_view value, const SharedText& likely) {
        itemLocation_ = SharedText::Sharing(value, likely);
    }
    void SetUserDescriptionLike(std::string_view value, const SharedText& likely) {
        userDescription_ = SharedText::Sharing(value, likely);
    }
    // The times are kept packed and handed out as values.
    DateTime TimeCreated() const { return timeCreated_.Unpack(); }
    void SetTimeCreated(const DateTime& value) { timeCreated_ = value; }
    DateTime TimeModified() const { return timeModified_.Unpack(); }
    void SetTimeModified(const DateTime& value) { timeModified_ = value; }
    DateTime TimeAccessed() const;
    void SetTimeAccessed(const DateTime& value);

    bool IsGroup() const { return subMenu_; }
    bool IsTopLevel() const { return ownerName_.str() == TOP_LEVEL_OWNER; }

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

    const std::string& TextOf(uint8_t code, std::string MenuItemRareFields::*owned) const {
        return code == kOwnedText ? rare_.get()->*owned : FixedTextOf(code);
    }
    // A fixed text is kept as its code (letting go of an owned one); any other text in the rare fields.
    void SetText(uint8_t& code, std::string MenuItemRareFields::*owned, std::string value);
    void SetFixedText(uint8_t& code, std::string MenuItemRareFields::*owned, uint8_t fixed);
    // An empty value on an item without rare fields leaves them unmade.
    void SetRare(std::string MenuItemRareFields::*field, std::string value);
    // Keeps menu as the menu text, apart from the caption only when the two differ.
    void StoreCaptionMenu(std::string menu);
    // The menu text is the caption again: the one kept apart goes.
    void DropOwnCaptionMenu();
    // The menu text the caption gives (the caption itself unless it is too long).
    void DeriveCaptionMenu();
    // Lets the items stored around this one share its equal texts (owner, paths, description).
    void ShareTextsWith(const clsMenuItem& neighbour);

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
