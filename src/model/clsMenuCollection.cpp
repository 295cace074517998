#include "model/clsMenuCollection.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <type_traits>
#include <utility>

#include "platform/Text.h"

namespace krv {
namespace {

constexpr uint64_t kLabelGap = uint64_t{1} << 32;

bool IsFixedTopEntry(const std::string& name) {
    return name == MIT_HF_SETTINGS || name == MIT_HF_HELP || name == MIT_HF_ORGANIZE;
}

} // namespace

clsMenuCollection::clsMenuCollection() : byKey_(nodes_), cachedIt_(nodes_.end()) {}

clsMenuCollection::~clsMenuCollection() = default;

// ---------------------------------------------------------------------------------------------------------
// Storage and indexes

clsMenuCollection::Node& clsMenuCollection::NodeOf(const clsMenuItem& item) {
    // Only stored items carry this collection as their listener, and every stored item is a Node.
    return static_cast<Node&>(const_cast<clsMenuItem&>(item));
}

size_t clsMenuCollection::KeyIndex::SlotOf(std::string_view key, size_t hash) const {
    const size_t mask = slots_.size() - 1;
    const uint8_t tag = TagOf(hash);
    size_t slot = hash & mask;
    while (tags_[slot] != 0 && (tags_[slot] != tag || slots_[slot]->Key() != key))
        slot = (slot + 1) & mask;
    return slot;
}

clsMenuCollection::NodeList::iterator clsMenuCollection::KeyIndex::Find(std::string_view key) const {
    // The list's own iterators are mutable through the collection that owns both.
    auto& list = const_cast<NodeList&>(list_);
    if (slots_.empty())
        return list.end();
    const size_t slot = SlotOf(key, HashOf(key));
    return tags_[slot] == 0 ? list.end() : slots_[slot];
}

void clsMenuCollection::KeyIndex::Place(NodeList::iterator it) {
    const size_t hash = HashOf(it->Key());
    const size_t slot = SlotOf(it->Key(), hash);
    slots_[slot] = it;
    tags_[slot] = TagOf(hash);
}

void clsMenuCollection::KeyIndex::Insert(NodeList::iterator it) {
    if ((size_ + 1) * 2 > slots_.size()) {
        Rebuild(std::max<size_t>(16, slots_.size() * 2)); // it among the others
        return;
    }
    Place(it);
    ++size_;
}

void clsMenuCollection::KeyIndex::Erase(std::string_view key) {
    if (slots_.empty())
        return;
    size_t hole = SlotOf(key, HashOf(key));
    if (tags_[hole] == 0)
        return;
    // Moves back each later entry of the run that the hole would cut off from its home slot.
    const size_t mask = slots_.size() - 1;
    for (size_t next = (hole + 1) & mask; tags_[next] != 0; next = (next + 1) & mask) {
        const size_t home = HashOf(slots_[next]->Key()) & mask;
        const bool homeAfterHole = ((next - home) & mask) < ((next - hole) & mask);
        if (!homeAfterHole) {
            slots_[hole] = slots_[next];
            tags_[hole] = tags_[next];
            hole = next;
        }
    }
    tags_[hole] = 0;
    --size_;
}

void clsMenuCollection::KeyIndex::Reserve(size_t count) {
    size_t capacity = 16;
    while (capacity < count * 2)
        capacity *= 2;
    if (capacity > slots_.size())
        Rebuild(capacity);
}

void clsMenuCollection::KeyIndex::Clear() {
    std::vector<NodeList::iterator>().swap(slots_);
    std::vector<uint8_t>().swap(tags_);
    size_ = 0;
}

void clsMenuCollection::KeyIndex::Rebuild(size_t capacity) {
    auto& list = const_cast<NodeList&>(list_);
    slots_.assign(capacity, list.end());
    tags_.assign(capacity, 0);
    size_ = 0;
    for (auto it = list.begin(); it != list.end(); ++it) {
        Place(it);
        ++size_;
    }
}

clsMenuCollection::Node* clsMenuCollection::FindKey(std::string_view key) const {
    auto it = byKey_.Find(key);
    return it == nodes_.end() ? nullptr : &*it;
}

clsMenuCollection::NodeList::iterator clsMenuCollection::IteratorOf(const Node* node) {
    return byKey_.Find(node->Key());
}

std::vector<clsMenuCollection::Node*>::iterator clsMenuCollection::InsertByLabel(std::vector<Node*>& nodes,
                                                                                 Node* node) {
    auto pos = std::lower_bound(nodes.begin(), nodes.end(), node->label,
                                [](const Node* n, uint64_t label) { return n->label < label; });
    return nodes.insert(pos, node);
}

void clsMenuCollection::EraseByLabel(std::vector<Node*>& nodes, const Node* node) {
    auto pos = std::lower_bound(nodes.begin(), nodes.end(), node->label,
                                [](const Node* n, uint64_t label) { return n->label < label; });
    if (pos != nodes.end() && *pos == node)
        nodes.erase(pos);
}

void clsMenuCollection::IndexID(Node& node, int32_t id) {
    auto& bucket = byID_[id];
    node.idSlot = static_cast<uint32_t>(bucket.size());
    bucket.push_back(&node);
}

void clsMenuCollection::UnindexID(Node& node) {
    auto it = byID_.find(node.ID());
    if (it == byID_.end())
        return;
    auto& bucket = it->second;
    bucket[node.idSlot] = bucket.back();
    bucket[node.idSlot]->idSlot = node.idSlot;
    bucket.pop_back();
    if (bucket.empty())
        byID_.erase(it);
}

void clsMenuCollection::NoteName(Node& node, const std::string& name, bool add) {
    if (name == node.Key())
        return;
    if (add) {
        InsertByLabel(renamed_[name], &node);
        return;
    }
    if (auto it = renamed_.find(name); it != renamed_.end()) {
        EraseByLabel(it->second, &node);
        if (it->second.empty())
            renamed_.erase(it);
    }
}

clsMenuCollection::Node* clsMenuCollection::FindName(std::string_view name) const {
    Node* stored = FindKey(name);
    if (stored && stored->Name() != name)
        stored = nullptr;
    auto it = renamed_.find(std::string(name));
    if (it == renamed_.end())
        return stored;
    Node* renamed = it->second.front();
    return stored && stored->label < renamed->label ? stored : renamed;
}

void clsMenuCollection::Index(Node& node) {
    NoteName(node, node.Name(), true);
    IndexID(node, node.ID());
    std::vector<Node*>& siblings = children_[node.OwnerName()];
    const auto at = InsertByLabel(siblings, &node);
    if (at != siblings.begin())
        node.ShareTextsWith(**std::prev(at));
}

void clsMenuCollection::Unindex(Node& node) {
    NoteName(node, node.Name(), false);
    UnindexID(node);
    if (auto it = children_.find(node.OwnerName()); it != children_.end()) {
        EraseByLabel(it->second, &node);
        if (it->second.empty())
            children_.erase(it);
    }
}

void clsMenuCollection::OnNameChanging(const clsMenuItem& item, const std::string& newName) {
    Node& node = NodeOf(item);
    // The key stays what it was; from now on it is kept apart from the Name.
    if (!node.keyApart)
        node.keyApart = std::make_unique<std::string>(node.Name());
    NoteName(node, item.Name(), false);
    NoteName(node, newName, true);
}

void clsMenuCollection::OnOwnerNameChanging(const clsMenuItem& item, const std::string& newOwner) {
    Node& node = NodeOf(item);
    if (auto it = children_.find(item.OwnerName()); it != children_.end()) {
        EraseByLabel(it->second, &node);
        if (it->second.empty())
            children_.erase(it);
    }
    InsertByLabel(children_[newOwner], &node);
}

void clsMenuCollection::OnIDChanging(const clsMenuItem& item, int32_t newID) {
    Node& node = NodeOf(item);
    UnindexID(node);
    IndexID(node, newID);
}

void clsMenuCollection::Relabel() {
    uint64_t label = 0;
    for (Node& node : nodes_) {
        label += kLabelGap;
        node.label = label;
    }
}

void clsMenuCollection::AssignLabel(NodeList::iterator it) {
    const uint64_t low = it == nodes_.begin() ? 0 : std::prev(it)->label;
    const auto next = std::next(it);
    if (next == nodes_.end()) {
        if (low <= std::numeric_limits<uint64_t>::max() - kLabelGap) {
            it->label = low + kLabelGap;
            return;
        }
    } else if (next->label - low > 1) {
        it->label = low + (next->label - low) / 2;
        return;
    }
    SpreadLabelsAround(it);
}

void clsMenuCollection::SpreadLabelsAround(NodeList::iterator it) {
    // No room between the neighbours: spread the labels of a neighbourhood evenly, doubling it until its
    // label range leaves a comfortable gap per node. Repeated insertions at one place thus cost a local
    // relabelling now and then instead of a pass over the whole list. Relative order never changes, so the
    // label-sorted indexes stay valid.
    constexpr uint64_t kComfortableGap = uint64_t{1} << 12;
    auto first = it;
    auto last = it;
    uint64_t count = 1;
    for (uint64_t wanted = 2;; wanted *= 2) {
        while (count < wanted && (first != nodes_.begin() || std::next(last) != nodes_.end())) {
            if (first != nodes_.begin()) {
                --first;
                ++count;
            }
            if (count < wanted && std::next(last) != nodes_.end()) {
                ++last;
                ++count;
            }
        }
        const bool wholeList = first == nodes_.begin() && std::next(last) == nodes_.end();
        if (wholeList) {
            Relabel();
            return;
        }
        const uint64_t low = first == nodes_.begin() ? 0 : std::prev(first)->label;
        const uint64_t high =
            std::next(last) == nodes_.end() ? low + kLabelGap * (count + 1) : std::next(last)->label;
        const uint64_t gap = (high - low) / (count + 1);
        if (gap >= kComfortableGap) {
            uint64_t label = low;
            for (auto node = first;; ++node) {
                label += gap;
                node->label = label;
                if (node == last)
                    break;
            }
            return;
        }
    }
}

clsMenuCollection::Node* clsMenuCollection::Store(NodeList::iterator before, clsMenuItem&& item) {
    if (Count() >= kMaxItems)
        return nullptr;
    auto it = nodes_.emplace(before, std::move(item));
    AssignLabel(it);
    Node& node = *it;
    // Items that follow one another in the list, and siblings (in Index), mostly hold the same owner,
    // paths and description.
    if (it != nodes_.begin())
        node.ShareTextsWith(*std::prev(it));
    byKey_.Insert(it);
    Index(node);
    node.slot_.listener = this;
    cachedIndex_ = 0;
    return &node;
}

void clsMenuCollection::Remove(std::string_view key) {
    Node* node = FindKey(key);
    if (!node)
        return;
    auto it = IteratorOf(node);
    Unindex(*node);
    byKey_.Erase(node->Key());
    nodes_.erase(it);
    cachedIndex_ = 0;
}

// Only the key index: items come without identifiers (a loaded file stores none), so the identifier index
// holds one entry until the menu is built, and a table sized for every item would stay empty.
void clsMenuCollection::Reserve(size_t count) {
    byKey_.Reserve(count);
}

void clsMenuCollection::Clear() {
    nodes_.clear();
    byKey_.Clear();
    renamed_.clear();
    byID_.clear();
    children_.clear();
    cachedIndex_ = 0;
}

const std::vector<clsMenuCollection::Node*>* clsMenuCollection::ChildNodes(std::string_view ownerName) const {
    auto it = children_.find(std::string(ownerName));
    return it == children_.end() ? nullptr : &it->second;
}

// ---------------------------------------------------------------------------------------------------------
// Adding

void clsMenuCollection::EnsureName(clsMenuItem& item) {
    if (item.Name().empty())
        item.SetName(GetNextFreeMenuName());
}

clsMenuCollection::NodeList::iterator clsMenuCollection::SortedInsertionPoint(const clsMenuItem& item) {
    if (item.Separator() || item.OwnerName() == TOP_LEVEL_OWNER || item.OwnerName() == MIT_PATHS_DRIVES)
        return nodes_.end();
    const auto* siblings = ChildNodes(item.OwnerName());
    if (!siblings)
        return nodes_.end();

    const bool isGroup = item.SubMenu();
    Node* firstShortcut = nullptr; // A
    Node* firstGroup = nullptr;    // B
    Node* firstSibling = nullptr;  // C
    for (Node* sibling : *siblings) {
        if (sibling->Separator())
            continue;
        if (!firstSibling)
            firstSibling = sibling;
        if (sibling->SubMenu()) {
            if (!firstGroup)
                firstGroup = sibling;
        } else if (!firstShortcut) {
            firstShortcut = sibling;
        }
        if (sibling->SubMenu() == isGroup && CompareUpperCase(sibling->Caption(), item.Caption()) > 0)
            return IteratorOf(sibling);
    }
    if (isGroup) {
        if (!firstGroup && firstSibling)
            return IteratorOf(firstSibling);
        if (firstGroup && firstShortcut)
            return IteratorOf(firstShortcut);
    }
    return nodes_.end();
}

clsMenuCollection::NodeList::iterator clsMenuCollection::PlaceForAddOne(const clsMenuItem& item,
                                                                        bool append) {
    if (append || item.ItemType() == MIT_OPENALL)
        return nodes_.end();
    if (item.Name() == MIT_GROUP_USER) {
        const auto* topLevel = ChildNodes(TOP_LEVEL_OWNER);
        return topLevel && !topLevel->empty() ? IteratorOf(topLevel->front()) : nodes_.end();
    }
    return SortedInsertionPoint(item);
}

template <typename T> bool clsMenuCollection::AddOneImpl(T&& item, bool append, bool computePath) {
    if (item.Name().empty()) {
        EnsureName(item);
    } else if (KeyExists(item.Name())) {
        if (computePath)
            ItemFullPath(item);
        return true;
    }
    item.SetIconIDDescription();
    const auto before = PlaceForAddOne(item, append);
    if (computePath)
        ItemFullPath(item);
    Node* stored = nullptr;
    if constexpr (std::is_lvalue_reference_v<T>)
        stored = Store(before, clsMenuItem(item));
    else
        stored = Store(before, std::move(item));
    return stored != nullptr;
}

bool clsMenuCollection::AddOne(clsMenuItem& item, bool append, bool computePath) {
    return AddOneImpl(item, append, computePath);
}

bool clsMenuCollection::AddOne(clsMenuItem&& item, bool append, bool computePath) {
    return AddOneImpl(std::move(item), append, computePath);
}

clsMenuItem* clsMenuCollection::AddBesideImpl(clsMenuItem& item, std::string_view neighbourKey,
                                              Placement placement, bool computePath) {
    EnsureName(item);
    if (KeyExists(item.Name()))
        return nullptr;
    NodeList::iterator at = nodes_.end();
    if (!neighbourKey.empty()) {
        Node* neighbour = FindKey(neighbourKey);
        if (!neighbour)
            return nullptr;
        at = IteratorOf(neighbour);
        if (placement == Placement::After)
            ++at;
    }
    item.SetIconIDDescription();
    if (computePath)
        ItemFullPath(item);
    return Store(at, clsMenuItem(item));
}

void clsMenuCollection::AddBefore(clsMenuItem& item, std::string_view beforeKey, bool computePath) {
    AddBesideImpl(item, beforeKey, Placement::Before, computePath);
}

void clsMenuCollection::AddAfter(clsMenuItem& item, std::string_view afterKey, bool computePath) {
    AddBesideImpl(item, afterKey, Placement::After, computePath);
}

clsMenuItem* clsMenuCollection::AddNewMenuItem(const NewMenuItemArgs& args) {
    clsMenuItem item;
    if (args.ItemType == MIT_OPENALL)
        item.SetCaption("Open-All");
    else if (args.KeepCaptionCharacters)
        item.SetCaption2(args.Caption);
    else
        item.SetCaption(args.Caption);
    item.SetOwnerName(args.OwnerName);
    if (!args.Name.empty())
        item.SetName(args.Name);
    if (args.IconID > 0)
        item.SetIconID(args.IconID);
    if (!args.FolderPath.empty())
        item.SetFolderPath(args.FolderPath);
    if (!args.ItemType.empty())
        item.SetItemType(args.ItemType);
    if (!args.OpenType.empty())
        item.SetOpenType(args.OpenType);
    if (args.DriveType > 0)
        item.SetDriveType(args.DriveType);
    item.SetSubMenu(args.SubMenu);
    item.SetSeparator(args.Separator);
    if (!args.Remark.empty())
        item.SetRemark(args.Remark);
    if (args.KeyboardCode > -1)
        item.SetKeyboardCode(args.KeyboardCode);
    if (!args.UserDescription.empty())
        item.SetUserDescription(args.UserDescription);
    item.SetTimeCreated(DateTime::Now());

    clsMenuItem* stored = nullptr;
    if (!args.BeforeKey.empty()) {
        stored = AddBesideImpl(item, args.BeforeKey, Placement::Before, args.ComputePath);
    } else {
        // A name that is already a key stores nothing, although AddOne reports success.
        const bool taken = !item.Name().empty() && KeyExists(item.Name());
        if (AddOne(item, false, args.ComputePath) && !taken)
            stored = GetMenuItemFromName(item.Name());
    }
    if (stored && args.NumberCaption)
        GetNewItemCaption2(*stored);
    return stored;
}

void clsMenuCollection::ModifyMenuItem(int32_t index, std::string_view caption, std::string_view ownerName,
                                       std::string_view name, int32_t iconId, std::string_view folderPath,
                                       std::string_view itemType, std::string_view openType, bool subMenu,
                                       int32_t driveType, bool setIcon, int32_t keyboardCode) {
    clsMenuItem* item = nullptr;
    if (index >= 1)
        item = Item(index);
    else if (!name.empty())
        item = GetMenuItemFromName(name);
    if (!item)
        return;
    if (!caption.empty())
        item->SetCaption(itemType == MIT_OPENALL ? std::string_view("Open-All") : caption);
    if (!ownerName.empty())
        item->SetOwnerName(std::string(ownerName));
    if (!name.empty())
        item->SetName(std::string(name));
    if (!folderPath.empty())
        item->SetFolderPath(std::string(folderPath));
    if (!itemType.empty())
        item->SetItemType(std::string(itemType));
    if (!openType.empty())
        item->SetOpenType(std::string(openType));
    if (iconId > 0)
        item->SetIconID(iconId);
    if (driveType > 0)
        item->SetDriveType(driveType);
    item->SetSubMenu(subMenu);
    if (setIcon)
        item->SetIconIDDescription();
    item->SetKeyboardCode(keyboardCode);
    item->SetTimeModified(DateTime::Now());
    ItemFullPath(*item);
}

// ---------------------------------------------------------------------------------------------------------
// Lookups

clsMenuItem* clsMenuCollection::Item(int32_t index) {
    return const_cast<clsMenuItem*>(std::as_const(*this).Item(index));
}

const clsMenuItem* clsMenuCollection::Item(int32_t index) const {
    const int32_t count = Count();
    if (index < 1 || index > count)
        return nullptr;
    auto& list = const_cast<NodeList&>(nodes_);
    // Start from whichever is nearest: the front, the back, or the last position asked for.
    int32_t from = 1;
    auto it = list.begin();
    if (count - index < index - 1) {
        from = count;
        it = std::prev(list.end());
    }
    if (cachedIndex_ >= 1 && std::abs(cachedIndex_ - index) < std::abs(from - index)) {
        from = cachedIndex_;
        it = cachedIt_;
    }
    for (; from < index; ++from)
        ++it;
    for (; from > index; --from)
        --it;
    cachedIndex_ = index;
    cachedIt_ = it;
    return &*it;
}

clsMenuItem* clsMenuCollection::GetMenuItemFromName(std::string_view name, bool& notFound) {
    clsMenuItem* item = FindKey(name);
    notFound = item == nullptr;
    return item;
}

clsMenuItem* clsMenuCollection::GetMenuItemFromName(std::string_view name) {
    return FindKey(name);
}

const clsMenuItem* clsMenuCollection::GetMenuItemFromName(std::string_view name) const {
    return FindKey(name);
}

clsMenuItem* clsMenuCollection::GetMenuItemFromID(int32_t id, bool& notFound) {
    auto it = byID_.find(id);
    notFound = it == byID_.end();
    if (notFound)
        return nullptr;
    return *std::min_element(it->second.begin(), it->second.end(),
                             [](const Node* a, const Node* b) { return a->label < b->label; });
}

int32_t clsMenuCollection::GetIDFromName(std::string_view name, bool& notFound) const {
    notFound = false;
    if (name == TOP_LEVEL_OWNER)
        return fileMenuHandle_;
    if (const Node* node = FindKey(name))
        return node->ID();
    notFound = true;
    return -1;
}

bool clsMenuCollection::ItemExists(std::string_view name) const {
    return FindName(name) != nullptr;
}

bool clsMenuCollection::KeyExists(std::string_view key) const {
    return FindKey(key) != nullptr;
}

bool clsMenuCollection::HasChildren(std::string_view name) const {
    const auto* children = ChildNodes(name);
    return children && !children->empty();
}

int16_t clsMenuCollection::ChildrenNumber(std::string_view name) const {
    const auto* children = ChildNodes(name);
    return children ? static_cast<int16_t>(children->size()) : 0;
}

int16_t clsMenuCollection::CountSameCaption(std::string_view caption, std::string_view ownerName,
                                            std::string_view excludeName) const {
    int16_t count = 0;
    if (const auto* siblings = ChildNodes(ownerName)) {
        for (const Node* node : *siblings) {
            if (node->Caption() == caption && node->Name() != excludeName)
                ++count;
        }
    }
    return count;
}

bool clsMenuCollection::CaptionExists(std::string_view caption, std::string_view ownerName, bool subMenu,
                                      std::string_view excludeName) const {
    return const_cast<clsMenuCollection*>(this)->CaptionExists2(caption, ownerName, subMenu, excludeName) !=
           nullptr;
}

clsMenuItem* clsMenuCollection::CaptionExists2(std::string_view caption, std::string_view ownerName,
                                               bool subMenu, std::string_view excludeName) {
    if (const auto* siblings = ChildNodes(ownerName)) {
        for (Node* node : *siblings) {
            if (node->Caption() == caption && node->SubMenu() == subMenu && node->Name() != excludeName)
                return node;
        }
    }
    return nullptr;
}

bool clsMenuCollection::MenuItemsEqual(const clsMenuItem& a, const clsMenuItem& b) {
    return a.Caption() == b.Caption() && a.ItemType() == b.ItemType() && a.SubMenu() == b.SubMenu() &&
           a.Separator() == b.Separator();
}

std::string clsMenuCollection::GetNextMenuItem(const clsMenuItem& item) const {
    const Node* node = FindName(item.Name());
    if (!node)
        return {};
    auto it = byKey_.Find(node->Key());
    ++it;
    if (it == nodes_.end() || it->OwnerName() != item.OwnerName())
        return {};
    return it->Name();
}

std::string clsMenuCollection::GetPrevMenuItem(const clsMenuItem& item) const {
    const Node* node = FindName(item.Name());
    const auto* siblings = ChildNodes(item.OwnerName());
    if (!node || !siblings)
        return {};
    // The nearest earlier sibling is the last one whose label is below the item's own.
    auto pos = std::lower_bound(siblings->begin(), siblings->end(), node->label,
                                [](const Node* n, uint64_t label) { return n->label < label; });
    if (pos == siblings->begin())
        return {};
    return (*std::prev(pos))->Name();
}

clsMenuItem* clsMenuCollection::GetSecondChild(std::string_view groupName, std::string_view excludeName) {
    const Node* group = FindName(groupName);
    const auto* children = ChildNodes(groupName);
    if (!group || !children)
        return nullptr;
    for (Node* child : *children) {
        if (child->label > group->label && child->Name() != excludeName)
            return child;
    }
    return nullptr;
}

template <typename Visit> void clsMenuCollection::ClimbOwners(const clsMenuItem& item, Visit visit) const {
    // Groups stand before their descendants, so one pass from the end of the list towards its start meets
    // every owner in turn; an owner stored after the point reached so far is not met, as in that pass.
    uint64_t scanLimit = std::numeric_limits<uint64_t>::max();
    std::string owner = item.OwnerName();
    while (owner != TOP_LEVEL_OWNER) {
        const Node* node = FindName(owner);
        // The pass goes on before the owner just met, so an owner at or after it (an item that owns itself,
        // or owners that form a loop) ends the climb instead of repeating it for ever.
        if (!node || node->label >= scanLimit)
            return;
        if (!visit(*node))
            return;
        scanLimit = node->label;
        owner = node->OwnerName();
    }
}

std::string clsMenuCollection::GetItemRootNode(const clsMenuItem& item) const {
    if (item.IsTopLevel())
        return TOP_LEVEL_OWNER;
    std::string root;
    ClimbOwners(item, [&](const clsMenuItem& owner) {
        if (owner.IsTopLevel())
            root = owner.Name();
        return true;
    });
    return root;
}

int32_t clsMenuCollection::GetNextFreeItemPosition(int32_t id, int32_t ownerId) const {
    int32_t position = 0;
    for (const Node& node : nodes_) {
        if (node.ID() == id)
            return position;
        if (node.OwnerID() == ownerId)
            ++position;
    }
    return position;
}

CollectionCounts clsMenuCollection::CountCollection() const {
    CollectionCounts counts;
    for (const Node& node : nodes_) {
        if (node.Separator())
            continue;
        if (node.SubMenu()) {
            ++counts.Groups;
        } else if (node.ItemType() == MIT_OPENALL) {
            ++counts.OpenAll;
        } else if (node.ItemType() == MIT_PATH) {
            if (node.OpenType() == MIT_PATH_SHORTCUT)
                ++counts.Shortcuts;
            else if (node.OpenType() == MIT_PATH_EXPLORER)
                ++counts.ExplorerShortcuts;
        }
    }
    counts.Total = static_cast<int16_t>(counts.Shortcuts + counts.ExplorerShortcuts);
    return counts;
}

std::vector<clsMenuItem*> clsMenuCollection::Children(std::string_view ownerName) const {
    std::vector<clsMenuItem*> result;
    if (const auto* children = ChildNodes(ownerName))
        result.assign(children->begin(), children->end());
    return result;
}

// ---------------------------------------------------------------------------------------------------------
// Identifiers, names, captions and paths

void clsMenuCollection::ResetCounters() {
    idCounter_ = 49;
    menuNameCounter_ = 0;
}

int32_t clsMenuCollection::GetNextFreeID() {
    // Equivalent to repeated passes over the list: the result is the smallest identifier above the counter
    // that no item uses.
    ++idCounter_;
    while (byID_.count(idCounter_) != 0)
        ++idCounter_;
    return idCounter_;
}

std::string clsMenuCollection::GetNextFreeMenuName() {
    std::string name;
    do {
        ++menuNameCounter_;
        name = "N" + std::to_string(menuNameCounter_);
    } while (KeyExists(name));
    return name;
}

template <typename Next>
void clsMenuCollection::MakeCaptionUnique(clsMenuItem& item, Next nextCaption) const {
    const std::string base = item.Caption();
    int counter = 0;
    while (CaptionExists(item.Caption(), item.OwnerName(), item.SubMenu(), item.Name())) {
        item.SetCaption(nextCaption(base, counter));
        ++counter;
    }
}

void clsMenuCollection::GetNewItemCaption(clsMenuItem& item) const {
    MakeCaptionUnique(item, [](const std::string& base, int counter) {
        return counter == 0 ? "Copy of " + base : "Copy (" + std::to_string(counter) + ") of " + base;
    });
}

void clsMenuCollection::GetNewItemCaption2(clsMenuItem& item) const {
    MakeCaptionUnique(
        item, [](const std::string& base, int counter) { return base + std::to_string(counter + 2); });
}

void clsMenuCollection::ItemFullPath(clsMenuItem& item) const {
    // ItemPath: the captions of the owning groups below the personal group, for the Organized Folders.
    const bool fixedTopEntry = item.IsTopLevel() && (item.Separator() || IsFixedTopEntry(item.Name()));
    if (!fixedTopEntry) {
        std::string path = item.SubMenu() ? item.Caption() : std::string();
        if (!item.IsTopLevel()) {
            ClimbOwners(item, [&](const clsMenuItem& owner) {
                if (owner.Name() == MIT_GROUP_USER)
                    return false;
                path = path.empty() ? owner.Caption() : owner.Caption() + "\\" + path;
                return true;
            });
        }
        if (!path.empty())
            item.SetItemPath("\\" + path);
    }

    // ItemLocation: the captions of every owning group, from the top down.
    std::string location;
    if (!item.IsTopLevel()) {
        ClimbOwners(item, [&](const clsMenuItem& owner) {
            location = location.empty() ? owner.Caption() : owner.Caption() + "\\" + location;
            return true;
        });
    }
    item.SetItemLocation("\\\\" + location);
}

} // namespace krv
