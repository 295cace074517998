#include "organize/ItemDialogLogic.h"

#include <algorithm>

namespace krv {
namespace {

constexpr const char* kTitle = "Karvello";
constexpr const char* kLineBreak = "\r\n";

constexpr std::array<ItemKindEntry, 4> kKinds = {{
    {ItemKind::Group, "Group", MIT_GROUP_GENERAL, MIT_PATH_SHORTCUT},
    {ItemKind::FolderShortcut, "Folder Shortcut (single pane)", MIT_PATH, MIT_PATH_SHORTCUT},
    {ItemKind::ExplorerShortcut, "Folder Shortcut (double pane)", MIT_PATH, MIT_PATH_EXPLORER},
    {ItemKind::OpenAll, "Open-All", MIT_OPENALL, MIT_PATH_SHORTCUT},
}};

// The characters a name may not hold, in the order the refusal lists them.
constexpr std::string_view kInvalidNameChars = "\\/:*?\"<>|";

// Blanks and tabs around a text typed into a box.
std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string InvalidNameCharsList() {
    std::string list;
    for (const char c : kInvalidNameChars) {
        if (!list.empty())
            list += ' ';
        list += c;
    }
    return list;
}

// An item standing for the chosen kind, to take its icon and type name from the item rules.
clsMenuItem SampleItem(ItemKind kind, std::string_view name) {
    const ItemKindEntry& entry = EntryOf(kind);
    clsMenuItem sample;
    sample.SetName(std::string(name));
    sample.SetItemType(entry.ItemType);
    sample.SetOpenType(entry.OpenType);
    sample.SetSubMenu(kind == ItemKind::Group);
    sample.SetIconIDDescription();
    return sample;
}

void ComputeSubtreePaths(clsMenuCollection& collection, clsMenuItem& item) {
    collection.ItemFullPath(item);
    if (!item.IsGroup())
        return;
    for (clsMenuItem* child : collection.Children(item.Name()))
        ComputeSubtreePaths(collection, *child);
}

} // namespace

const std::array<ItemKindEntry, 4>& ItemKindEntries() {
    return kKinds;
}

const ItemKindEntry& EntryOf(ItemKind kind) {
    return kKinds[static_cast<size_t>(kind)];
}

std::optional<ItemKind> KindOfRequestedType(std::string_view requestedType) {
    if (requestedType == MIT_GROUP_GENERAL)
        return ItemKind::Group;
    if (requestedType == MIT_PATH_SHORTCUT)
        return ItemKind::FolderShortcut;
    if (requestedType == MIT_PATH_EXPLORER)
        return ItemKind::ExplorerShortcut;
    if (requestedType == MIT_OPENALL)
        return ItemKind::OpenAll;
    return std::nullopt;
}

ItemKind KindOfItem(const clsMenuItem& item) {
    if (item.IsGroup())
        return ItemKind::Group;
    if (item.ItemType() == MIT_OPENALL)
        return ItemKind::OpenAll;
    return item.OpenType() == MIT_PATH_EXPLORER ? ItemKind::ExplorerShortcut : ItemKind::FolderShortcut;
}

std::string KeyboardEntryText(int index) {
    if (index <= 0 || index >= KEYBOARD_ENTRY_COUNT)
        return {};
    return "Shift+Ctrl+" + std::to_string(index - 1);
}

int32_t KeyboardCodeOfEntry(int index) {
    if (index <= 0 || index >= KEYBOARD_ENTRY_COUNT)
        return -1;
    return '0' + (index - 1);
}

int KeyboardEntryOfCode(int32_t code) {
    if (code < '0' || code > '9')
        return 0;
    return code - '0' + 1;
}

std::string NameFromPath(std::string_view path) {
    std::string text = Trim(path);
    while (!text.empty() && IsPathSeparator(text.back()))
        text.pop_back();
    const size_t separator = text.find_last_of("\\/");
    const std::string_view last = separator == std::string::npos
                                      ? std::string_view(text)
                                      : std::string_view(text).substr(separator + 1);
    return RemoveInvalidChars(last);
}

std::string LocationOfGroup(const clsMenuCollection& collection, std::string_view group) {
    const clsMenuItem* owner = collection.GetMenuItemFromName(group);
    if (owner == nullptr)
        return "\\\\";
    // The location of an item inside the group is the location of a child of it.
    clsMenuItem child;
    child.SetOwnerName(std::string(group));
    collection.ItemFullPath(child);
    return child.ItemLocation();
}

bool ItemParameters::IsGroup() const {
    return ItemType == MIT_GROUP_GENERAL;
}

ItemDialogLogic::ItemDialogLogic(const ItemDialogServices& services, const ItemDialogRequest& request)
    : services_(services), request_(request) {
    if (const clsMenuItem* changed = ChangedItem()) {
        targetGroup_ = changed->OwnerName();
        kind_ = KindOfItem(*changed);
        name_ = changed->Caption();
        path_ = changed->FolderPath();
        description_ = changed->UserDescription();
        keyboardIndex_ = KeyboardEntryOfCode(changed->KeyboardCode());
    } else {
        targetGroup_ = request.TargetGroupName;
        kind_ = KindOfRequestedType(request.RequestedType).value_or(ItemKind::ExplorerShortcut);
        path_ = Trim(request.InitialPath);
        // A folder handed over names the new item, as the name box's hint promises for an omitted name.
        name_ = NameFromPath(path_);
    }
    previousKeyboardIndex_ = keyboardIndex_;
    location_ = LocationOfGroup(services_.Collection, targetGroup_);
}

const clsMenuItem* ItemDialogLogic::ChangedItem() const {
    if (request_.DialogMode != ItemDialogRequest::Mode::Change)
        return nullptr;
    return services_.Collection.GetMenuItemFromName(request_.ItemName);
}

std::string ItemDialogLogic::ChangedItemName() const {
    const clsMenuItem* changed = ChangedItem();
    return changed != nullptr ? changed->Name() : std::string();
}

std::string ItemDialogLogic::Caption() const {
    const clsMenuItem* changed = ChangedItem();
    if (changed == nullptr)
        return "New Item";
    if (changed->IsGroup())
        return "Change Group " + changed->Caption();
    if (changed->ItemType() == MIT_OPENALL)
        return "Change Open-All Shortcut";
    return "Change Shortcut " + changed->Caption();
}

int32_t ItemDialogLogic::IconID() const {
    return SampleItem(kind_, ChangedItemName()).IconID();
}

std::string ItemDialogLogic::TypeName() const {
    return SampleItem(kind_, ChangedItemName()).Description();
}

std::string ItemDialogLogic::Name() const {
    return kind_ == ItemKind::OpenAll ? item_dialog_text::OPEN_ALL_NAME : name_;
}

void ItemDialogLogic::ChooseKind(int index) {
    if (index >= 0 && index < static_cast<int>(kKinds.size()))
        kind_ = kKinds[static_cast<size_t>(index)].Kind;
}

void ItemDialogLogic::SetName(std::string name) {
    // The fixed name of an Open-All shortcut is shown, not typed; the user's own name waits for another kind.
    if (kind_ != ItemKind::OpenAll)
        name_ = std::move(name);
}

void ItemDialogLogic::SetPath(std::string path) {
    path_ = std::move(path);
}

void ItemDialogLogic::ResetName() {
    name_ = NameFromPath(path_);
}

void ItemDialogLogic::PathLostFocus() {
    if (Trim(name_).empty())
        ResetName();
}

void ItemDialogLogic::KeyboardFocused() {
    previousKeyboardIndex_ = keyboardIndex_;
}

const clsMenuItem* ItemDialogLogic::HolderOfCode(int32_t code) const {
    const std::string changed = ChangedItemName();
    for (const clsMenuItem& item : services_.Collection) {
        if (item.KeyboardCode() == code && (changed.empty() || item.Name() != changed))
            return &item;
    }
    return nullptr;
}

int ItemDialogLogic::ChooseKeyboard(int index) {
    if (index < 0 || index >= KEYBOARD_ENTRY_COUNT || index == keyboardIndex_)
        return keyboardIndex_;
    const int32_t code = KeyboardCodeOfEntry(index);
    if (const clsMenuItem* holder = code > -1 ? HolderOfCode(code) : nullptr) {
        const std::string question = "Keyboard shortcut " + KeyboardEntryText(index) +
                                     " is already associated with folder shortcut " + holder->Caption() +
                                     "." + kLineBreak +
                                     "Do you want to associate the keyboard shortcut to this item?";
        if (services_.MessageBox.Show(question, kTitle, MessageButtons::YesNoCancel,
                                      MessageIcon::Exclamation) != MessageAnswer::Yes) {
            keyboardIndex_ = previousKeyboardIndex_;
            return keyboardIndex_;
        }
        takenCodes_.insert(code);
    }
    keyboardIndex_ = index;
    previousKeyboardIndex_ = index;
    return keyboardIndex_;
}

void ItemDialogLogic::EraseKeyboard() {
    keyboardIndex_ = 0;
    previousKeyboardIndex_ = 0;
}

bool ItemDialogLogic::Browse() {
    const std::string current = Trim(path_);
    const BrowseForFolderResult result = services_.FolderBrowser.BrowseForFolder({
        .Owner = services_.Owner,
        .Title = "Browse for Targer Folder",
        .Instruction = "Select the target of the folder below:",
        .StartFolder = current.empty() ? std::string("C:\\") : current,
        .OptionText = "Include subfolders",
        .OkText = "OK",
        .CancelText = "Cancel",
        .NewFolderText = "New folder",
    });
    if (result.Path.empty())
        return false;
    path_ = result.Path;
    PathLostFocus();
    return true;
}

bool ItemDialogLogic::DropPaths(const std::vector<std::string>& paths) {
    const auto folder = std::find_if(paths.begin(), paths.end(), [this](const std::string& path) {
        return services_.Files.FolderExists(path);
    });
    if (folder == paths.end())
        return false;
    path_ = *folder;
    PathLostFocus();
    return true;
}

bool ItemDialogLogic::Refuse(const std::string& text) {
    services_.MessageBox.Show(text, kTitle, MessageButtons::Ok, MessageIcon::Critical);
    return false;
}

bool ItemDialogLogic::CheckPath() {
    const std::string path = Trim(path_);
    if (path.empty())
        return Refuse("Please specify a path for the item's Target Folder.");
    if (services_.Files.FolderExists(path))
        return true;
    const std::string question =
        "Folder " + path + " doesn't exist." + kLineBreak + "Do you want to create shortcut to it anyway?";
    return services_.MessageBox.Show(question, kTitle, MessageButtons::YesNoCancel,
                                     MessageIcon::Exclamation) == MessageAnswer::Yes;
}

bool ItemDialogLogic::CheckName(const std::string& name) {
    if (kind_ != ItemKind::OpenAll && name.empty())
        return Refuse(
            "Please specify Name for the item. Each item must have a name that uniquely identifies it "
            "in its group.");
    if (name.find_first_of(kInvalidNameChars) != std::string::npos)
        return Refuse(std::string("An item's Name cannot contain any of the following characters: ") +
                      kLineBreak + "\t" + InvalidNameCharsList());
    return true;
}

bool ItemDialogLogic::CheckPlace(const std::string& name) {
    const clsMenuCollection& collection = services_.Collection;
    const clsMenuItem* changed = ChangedItem();
    const std::string exclude = ChangedItemName();
    if (kind_ == ItemKind::Group) {
        if (collection.CaptionExists(name, targetGroup_, true, exclude))
            return Refuse("Group " + name + " already exists in this group. Please choose another name.");
        return true;
    }
    if (changed != nullptr && changed->IsGroup() && collection.HasChildren(changed->Name()))
        return Refuse("Item " + name + " containts shortcuts. Only groups can contain shortcuts.");
    if (kind_ == ItemKind::OpenAll) {
        for (const clsMenuItem* sibling : collection.Children(targetGroup_)) {
            if (sibling->ItemType() == MIT_OPENALL && sibling->Name() != exclude)
                return Refuse(
                    "Can't add Open-All shortcut in this group. Only one Open-All shortcut can exist in a "
                    "group.");
        }
        return true;
    }
    // The changed shortcut keeps its own caption without clashing with itself.
    if (collection.CaptionExists(name, targetGroup_, false, exclude))
        return Refuse("A folder shortcut " + name +
                      " already exists in this group. Please choose another name.");
    return true;
}

bool ItemDialogLogic::Finish() {
    if (IsFolderKind(kind_) && !CheckPath())
        return false;
    const std::string name = Trim(Name());
    if (!CheckName(name) || !CheckPlace(name))
        return false;
    accepted_ = true;
    return true;
}

ItemParameters ItemDialogLogic::GetParameters() const {
    const ItemKindEntry& entry = EntryOf(kind_);
    ItemParameters parameters;
    parameters.ItemType = entry.ItemType;
    parameters.OpenType = entry.OpenType;
    parameters.Caption = Trim(Name());
    parameters.FolderPath = IsFolderKind(kind_) ? Trim(path_) : std::string();
    parameters.KeyboardCode = KeyboardCodeOfEntry(keyboardIndex_);
    parameters.UserDescription = description_;
    if (takenCodes_.contains(parameters.KeyboardCode)) {
        const std::string changed = ChangedItemName();
        for (const clsMenuItem& item : services_.Collection) {
            if (item.KeyboardCode() == parameters.KeyboardCode && item.Name() != changed)
                parameters.KeyboardTakenFrom.push_back(item.Name());
        }
    }
    return parameters;
}

void TakeKeyboardShortcuts(clsMenuCollection& collection, const ItemParameters& parameters) {
    for (const std::string& name : parameters.KeyboardTakenFrom) {
        if (clsMenuItem* item = collection.GetMenuItemFromName(name))
            item->SetKeyboardCode(-1);
    }
}

clsMenuItem* AddItemFromParameters(clsMenuCollection& collection, std::string_view group,
                                   const ItemParameters& parameters) {
    TakeKeyboardShortcuts(collection, parameters);
    return collection.AddNewMenuItem({
        .Caption = parameters.Caption,
        .OwnerName = std::string(group),
        .FolderPath = parameters.FolderPath,
        .ItemType = parameters.ItemType,
        .OpenType = parameters.OpenType,
        .SubMenu = parameters.IsGroup(),
        .ComputePath = true,
        .KeyboardCode = parameters.KeyboardCode,
        .UserDescription = parameters.UserDescription,
    });
}

bool ChangeItemFromParameters(clsMenuCollection& collection, std::string_view itemName,
                              const ItemParameters& parameters) {
    clsMenuItem* item = collection.GetMenuItemFromName(itemName);
    if (item == nullptr)
        return false;
    TakeKeyboardShortcuts(collection, parameters);
    item->ModifyMenuItem(parameters.Caption, "", "", 0, parameters.FolderPath, parameters.ItemType,
                         parameters.OpenType, parameters.IsGroup(), 0, true, parameters.KeyboardCode,
                         parameters.UserDescription);
    ComputeSubtreePaths(collection, *item);
    return true;
}

} // namespace krv
