#include "model/clsMenuItem.h"

#include <array>
#include <charconv>

#include "platform/Text.h"

namespace krv {
namespace {

constexpr std::string_view kInvalidCaptionChars = "\\/:*?\"<>|";

// A table of the invalid characters, so that a caption is scanned once rather than once for each of them.
constexpr std::array<bool, 256> kIsInvalidCaptionChar = [] {
    std::array<bool, 256> table{};
    for (const char c : kInvalidCaptionChars)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// The first invalid character at or after from, or npos.
size_t FindInvalidCaptionChar(std::string_view text, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (kIsInvalidCaptionChar[static_cast<unsigned char>(text[i])])
            return i;
    }
    return std::string_view::npos;
}
constexpr size_t kMenuCaptionLimit = 50;
constexpr size_t kMenuCaptionHead = 22;
constexpr size_t kMenuCaptionTail = 25;

} // namespace

std::string RemoveInvalidChars(std::string_view text) {
    // Most captions hold none: they are copied whole, and others in runs between the invalid characters.
    size_t invalid = FindInvalidCaptionChar(text, 0);
    if (invalid == std::string_view::npos)
        return std::string(text);
    std::string result;
    result.reserve(text.size() - 1);
    size_t from = 0;
    while (invalid != std::string_view::npos) {
        result.append(text, from, invalid - from);
        from = invalid + 1;
        invalid = FindInvalidCaptionChar(text, from);
    }
    result.append(text, from);
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
    SetOwnerName(other.OwnerName());
    MenuItemFields::operator=(other);
    return *this;
}

clsMenuItem& clsMenuItem::operator=(clsMenuItem&& other) noexcept {
    if (this == &other)
        return *this;
    SetID(other.id_);
    SetName(other.name_);
    SetOwnerName(other.OwnerName());
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
    if (slot_.listener && value != ownerName_.str())
        slot_.listener->OnOwnerNameChanging(*this, value);
    ownerName_ = SharedText(std::move(value));
}

void clsMenuItem::SetOwnerNameLike(std::string_view value, const SharedText& likely) {
    SharedText text = SharedText::Sharing(value, likely);
    if (slot_.listener && text.str() != ownerName_.str())
        slot_.listener->OnOwnerNameChanging(*this, text.str());
    ownerName_ = std::move(text);
}

void clsMenuItem::SetText(uint8_t& code, std::string MenuItemRareFields::*owned, std::string value) {
    const uint8_t fixed = FixedTextCode(value);
    if (fixed == kOwnedText) {
        rare_.Get().*owned = std::move(value);
        code = kOwnedText;
    } else {
        SetFixedText(code, owned, fixed);
    }
}

void clsMenuItem::SetFixedText(uint8_t& code, std::string MenuItemRareFields::*owned, uint8_t fixed) {
    if (code == kOwnedText)
        std::string().swap(rare_.Get().*owned);
    code = fixed;
}

void clsMenuItem::SetRare(std::string MenuItemRareFields::*field, std::string value) {
    if (value.empty() && !rare_.get())
        return;
    rare_.Get().*field = std::move(value);
}

void clsMenuItem::SetDriveType(int32_t value) {
    if (value >= 0 && value <= 9)
        driveType_ = DigitText(value);
    else
        SetDriveTypeText(std::to_string(value));
}

const std::string& clsMenuItem::CaptionMenu() const {
    const MenuItemRareFields* rare = rare_.get();
    return rare && rare->ownCaptionMenu ? rare->captionMenu : caption_;
}

void clsMenuItem::DropOwnCaptionMenu() {
    if (rare_.get() && rare_.get()->ownCaptionMenu) {
        MenuItemRareFields& rare = rare_.Get();
        rare.ownCaptionMenu = false;
        std::string().swap(rare.captionMenu);
    }
}

void clsMenuItem::StoreCaptionMenu(std::string menu) {
    if (menu == caption_) {
        DropOwnCaptionMenu();
        return;
    }
    MenuItemRareFields& rare = rare_.Get();
    rare.captionMenu = std::move(menu);
    rare.ownCaptionMenu = true;
}

void clsMenuItem::DeriveCaptionMenu() {
    // A caption short enough is its own menu text; only a longer one is shortened and kept apart.
    if (caption_.size() <= kMenuCaptionLimit || Utf8Length(caption_) <= kMenuCaptionLimit)
        DropOwnCaptionMenu();
    else
        StoreCaptionMenu(ShortenCaptionForMenu(caption_));
}

DateTime clsMenuItem::TimeAccessed() const {
    return rare_.get() ? rare_.get()->timeAccessed.Unpack() : DateTime::Zero();
}

void clsMenuItem::SetTimeAccessed(const DateTime& value) {
    if (value.IsZero() && !rare_.get())
        return;
    rare_.Get().timeAccessed = value;
}

void clsMenuItem::ShareTextsWith(const clsMenuItem& neighbour) {
    ownerName_.ShareIfEqual(neighbour.ownerName_);
    itemPath_.ShareIfEqual(neighbour.itemPath_);
    itemLocation_.ShareIfEqual(neighbour.itemLocation_);
    userDescription_.ShareIfEqual(neighbour.userDescription_);
}

void clsMenuItem::SetCaption(std::string_view value) {
    caption_ = RemoveInvalidChars(value);
    DeriveCaptionMenu();
}

void clsMenuItem::SetCaption2(std::string_view value) {
    caption_ = std::string(value);
    DeriveCaptionMenu();
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
        SetItemType(MIT_GROUP_GENERAL);
    }
}

int32_t clsMenuItem::DriveType() const {
    int32_t value = 0;
    const std::string& text = DriveTypeText();
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && *first == ' ')
        ++first;
    std::from_chars(first, last, value);
    return value;
}

void clsMenuItem::SetIconIDDescription() {
    struct Rule {
        uint8_t type;
        int16_t icon;
        uint8_t description;
    };
    static constexpr Rule kFixedTypes[] = {
        {FT_MIT_HF_ROOT, ICON_ROOT, FT_ROOT},
        {FT_MIT_PATHS_DRIVES, ICON_GROUP, FT_DRIVES},
        {FT_MIT_PATHS_SYSTEM, ICON_GROUP, FT_SYSTEM_PATHS},
        {FT_MIT_HF_SETTINGS, ICON_OPTIONS, FT_SETTINGS},
        {FT_MIT_HF_HELP, ICON_HELP, FT_HELP},
        {FT_MIT_HF_ORGANIZE, ICON_ORGANIZE, FT_ORGANIZE},
    };
    // Every type and drive type the rules name is a fixed text, so comparing codes compares the texts.
    const auto describe = [this](int16_t icon, uint8_t description) {
        iconId_ = icon;
        SetFixedText(description_, &MenuItemRareFields::description, description);
    };
    for (const Rule& rule : kFixedTypes) {
        if (itemType_ == rule.type) {
            describe(rule.icon, rule.description);
            return;
        }
    }
    if (itemType_ == FT_MIT_GROUP_GENERAL) {
        describe(ICON_GROUP, name_ == MIT_GROUP_USER ? FT_PERSONAL_GROUP : FT_GROUP);
    } else if (itemType_ == FT_MIT_PATH) {
        if (openType_ == FT_MIT_PATH_SHORTCUT)
            describe(ICON_FOLDER_SHORTCUT, FT_FOLDER_SHORTCUT);
        else if (openType_ == FT_MIT_PATH_EXPLORER)
            describe(ICON_EXPLORER_SHORTCUT, FT_FOLDER_SHORTCUT);
    } else if (itemType_ == FT_MIT_OPENALL) {
        describe(ICON_OPENALL, FT_OPEN_ALL);
        // The caption becomes "Open-All"; the menu text stays as it was.
        std::string menu = CaptionMenu();
        caption_ = "Open-All";
        StoreCaptionMenu(std::move(menu));
    } else if (itemType_ == FT_MIT_DRIVE) {
        switch (driveType_) {
        case DigitText(DRIVE_TYPE_FIXED):
            describe(ICON_FIXED_DISK, FT_LOCAL_DISK);
            break;
        case DigitText(DRIVE_TYPE_REMOTE):
            describe(ICON_REMOTE_DISK, FT_REMOTE_DISK);
            break;
        case DigitText(DRIVE_TYPE_REMOVABLE):
            describe(ICON_FLOPPY, FT_FLOPPY_DISK);
            break;
        case DigitText(DRIVE_TYPE_CDROM):
            describe(ICON_CDROM, FT_COMPACT_DISC);
            break;
        default:
            describe(ICON_FIXED_DISK, FT_DISK);
            break;
        }
    }
}

int16_t clsMenuItem::GetNestingLevel() const {
    const std::string& location = itemLocation_.str();
    if (location.size() <= 2)
        return 0;
    int16_t level = 1;
    for (size_t i = 2; i < location.size(); ++i) {
        if (location[i] == '\\')
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
        SetItemType(std::string(itemType));
    if (!openType.empty())
        SetOpenType(std::string(openType));
    if (iconId > 0)
        SetIconID(iconId);
    if (driveType > 0)
        SetDriveType(driveType);
    SetSubMenu(subMenu);
    if (setIcon)
        SetIconIDDescription();
    keyboardCode_ = keyboardCode;
    SetUserDescription(std::string(userDescription));
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
