#pragma once
// clsMenuCollection: the ordered, keyed list of menu items that forms one folder tree.
//
// The list order is the menu order of siblings; the tree link is OwnerName. Besides the list the collection
// keeps indexes (by key, by Name, by ID, children by owner) in step with every add, remove and field change,
// so that lookups cost O(1) on average and building a tree of 32,767 items stays linear.

#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/clsMenuItem.h"

namespace krv {

// The arguments of AddNewMenuItem, in the documented order. Designated initializers name what is set
// (every member has a default, so designated initializers may leave any of them out):
//   collection.AddNewMenuItem({.Caption = "Docs", .OwnerName = MIT_GROUP_USER, .FolderPath = "C:\\Docs"});
struct NewMenuItemArgs {
    std::string Caption{};
    std::string OwnerName{};
    std::string Name{};
    int32_t IconID = 0;
    std::string FolderPath{};
    std::string ItemType{};
    std::string OpenType{};
    int32_t DriveType = 0;
    bool SubMenu = false;
    bool Separator = false;
    std::string Remark{};
    std::string BeforeKey{};
    bool NumberCaption = false;
    bool KeepCaptionCharacters = false;
    bool ComputePath = false;
    int32_t KeyboardCode = -1;
    std::string UserDescription{};
};

// The five counters of CountCollection.
struct CollectionCounts {
    int16_t Total = 0;
    int16_t Shortcuts = 0;
    int16_t ExplorerShortcuts = 0;
    int16_t OpenAll = 0;
    int16_t Groups = 0;
};

class clsMenuCollection final : private MenuItemListener {
    // A stored item with its key and its order label (strictly increasing along the list, so that two
    // list positions compare in O(1)). Every item that reports to this collection is a Node.
    struct Node : clsMenuItem {
        explicit Node(clsMenuItem&& item) : clsMenuItem(std::move(item)) {}
        // The key is the Name the item was stored with; it is kept apart only once the item is renamed.
        const std::string& Key() const { return keyApart ? *keyApart : Name(); }
        std::unique_ptr<std::string> keyApart;
        uint64_t label = 0;
        uint32_t idSlot = 0; // position in its identifier bucket
    };
    using NodeList = std::list<Node>;

    // The stored items by key: open addressing with linear probing, at most half full. Beside each slot a
    // one-byte tag from the key's hash (0 for an empty slot) lets a probe pass other keys without reading
    // their items, and the index is rebuilt by walking the list in its order; in a large tree both spare
    // a cache miss per step.
    class KeyIndex {
    public:
        explicit KeyIndex(const NodeList& list) : list_(list) {}
        // The item stored under key, or the list's end.
        NodeList::iterator Find(std::string_view key) const;
        // Indexes it, the last item of the list not yet indexed.
        void Insert(NodeList::iterator it);
        void Erase(std::string_view key);
        void Reserve(size_t count);
        void Clear();

    private:
        static size_t HashOf(std::string_view key) { return std::hash<std::string_view>{}(key); }
        static uint8_t TagOf(size_t hash) {
            return static_cast<uint8_t>(hash >> (sizeof(size_t) * 8 - 7)) | 0x80;
        }
        // The key's slot, or the empty one where it would go.
        size_t SlotOf(std::string_view key, size_t hash) const;
        void Place(NodeList::iterator it);
        // Indexes every item of the list in a table of the given number of slots.
        void Rebuild(size_t capacity);

        const NodeList& list_;
        std::vector<NodeList::iterator> slots_;
        std::vector<uint8_t> tags_;
        size_t size_ = 0;
    };

public:
    // Positions are 1-based; the list holds at most this many items.
    static constexpr int32_t kMaxItems = 32767;

    clsMenuCollection();
    ~clsMenuCollection();
    clsMenuCollection(const clsMenuCollection&) = delete;
    clsMenuCollection& operator=(const clsMenuCollection&) = delete;

    int32_t IDCounter() const { return idCounter_; }
    void SetIDCounter(int32_t value) { idCounter_ = value; }
    int32_t MenuNameCounter() const { return menuNameCounter_; }
    void SetMenuNameCounter(int32_t value) { menuNameCounter_ = value; }
    // Handle of the top-level popup menu; the OwnerID of top-level items.
    int32_t FileMenuHandle() const { return fileMenuHandle_; }
    void SetFileMenuHandle(int32_t value) { fileMenuHandle_ = value; }

    // --- Adding. The given item is updated as the stored one (Name, icon, paths) and stored as a copy;
    // the && overloads move it in. Look the stored item up by item.Name() afterwards.
    bool AddOne(clsMenuItem& item, bool append, bool computePath);
    bool AddOne(clsMenuItem&& item, bool append, bool computePath);
    void AddBefore(clsMenuItem& item, std::string_view beforeKey, bool computePath);
    void AddAfter(clsMenuItem& item, std::string_view afterKey, bool computePath);
    // Returns the stored item, or nullptr when nothing was stored.
    clsMenuItem* AddNewMenuItem(const NewMenuItemArgs& args);
    void ModifyMenuItem(int32_t index, std::string_view caption, std::string_view ownerName,
                        std::string_view name, int32_t iconId, std::string_view folderPath,
                        std::string_view itemType, std::string_view openType, bool subMenu, int32_t driveType,
                        bool setIcon, int32_t keyboardCode);
    // Removes the one item stored under key (never its descendants); an unknown key does nothing.
    void Remove(std::string_view key);
    void Clear();
    // Sizes the key index for count items at once, so that adding that many does not rebuild it.
    void Reserve(size_t count);

    // --- Lookups. "Nothing" is nullptr.
    clsMenuItem* Item(int32_t index);
    const clsMenuItem* Item(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(nodes_.size()); }
    clsMenuItem* GetMenuItemFromName(std::string_view name, bool& notFound);
    clsMenuItem* GetMenuItemFromName(std::string_view name);
    const clsMenuItem* GetMenuItemFromName(std::string_view name) const;
    clsMenuItem* GetMenuItemFromID(int32_t id, bool& notFound);
    int32_t GetIDFromName(std::string_view name, bool& notFound) const;
    bool ItemExists(std::string_view name) const;
    // True when a key is stored (the key an item was added under).
    bool KeyExists(std::string_view key) const;
    bool HasChildren(std::string_view name) const;
    int16_t ChildrenNumber(std::string_view name) const;
    int16_t CountSameCaption(std::string_view caption, std::string_view ownerName,
                             std::string_view excludeName) const;
    bool CaptionExists(std::string_view caption, std::string_view ownerName, bool subMenu,
                       std::string_view excludeName) const;
    clsMenuItem* CaptionExists2(std::string_view caption, std::string_view ownerName, bool subMenu,
                                std::string_view excludeName);
    static bool MenuItemsEqual(const clsMenuItem& a, const clsMenuItem& b);
    std::string GetNextMenuItem(const clsMenuItem& item) const;
    std::string GetPrevMenuItem(const clsMenuItem& item) const;
    clsMenuItem* GetSecondChild(std::string_view groupName, std::string_view excludeName);
    std::string GetItemRootNode(const clsMenuItem& item) const;
    int32_t GetNextFreeItemPosition(int32_t id, int32_t ownerId) const;
    CollectionCounts CountCollection() const;
    // The children of a group in list order (the stored items whose OwnerName is ownerName).
    std::vector<clsMenuItem*> Children(std::string_view ownerName) const;

    // --- Identifiers, names, captions and paths.
    void ResetCounters();
    int32_t GetNextFreeID();
    std::string GetNextFreeMenuName();
    void GetNewItemCaption(clsMenuItem& item) const;
    void GetNewItemCaption2(clsMenuItem& item) const;
    void ItemFullPath(clsMenuItem& item) const;

    // --- Iteration over the stored items in list order.
    template <typename NodeIt, typename Value> class BasicIterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = clsMenuItem;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;
        BasicIterator() = default;
        explicit BasicIterator(NodeIt it) : it_(it) {}
        reference operator*() const { return *it_; }
        pointer operator->() const { return &*it_; }
        BasicIterator& operator++() {
            ++it_;
            return *this;
        }
        BasicIterator operator++(int) {
            auto copy = *this;
            ++it_;
            return copy;
        }
        BasicIterator& operator--() {
            --it_;
            return *this;
        }
        BasicIterator operator--(int) {
            auto copy = *this;
            --it_;
            return copy;
        }
        bool operator==(const BasicIterator& other) const { return it_ == other.it_; }
        // The key the current item is stored under.
        const std::string& Key() const { return it_->Key(); }

    private:
        NodeIt it_{};
    };
    using iterator = BasicIterator<NodeList::iterator, clsMenuItem>;
    using const_iterator = BasicIterator<NodeList::const_iterator, const clsMenuItem>;
    iterator begin() { return iterator(nodes_.begin()); }
    iterator end() { return iterator(nodes_.end()); }
    const_iterator begin() const { return const_iterator(nodes_.begin()); }
    const_iterator end() const { return const_iterator(nodes_.end()); }

private:
    // MenuItemListener: keeps the indexes in step when a stored item's indexed fields change.
    void OnNameChanging(const clsMenuItem& item, const std::string& newName) override;
    void OnOwnerNameChanging(const clsMenuItem& item, const std::string& newOwner) override;
    void OnIDChanging(const clsMenuItem& item, int32_t newID) override;

    enum class Placement { Before, After };
    template <typename T> bool AddOneImpl(T&& item, bool append, bool computePath);
    clsMenuItem* AddBesideImpl(clsMenuItem& item, std::string_view neighbourKey, Placement placement,
                               bool computePath);
    Node* Store(NodeList::iterator before, clsMenuItem&& item);
    Node* FindKey(std::string_view key) const;
    // The first item in list order whose Name is name, whether or not it was renamed after being stored.
    Node* FindName(std::string_view name) const;
    NodeList::iterator IteratorOf(const Node* node);
    NodeList::iterator SortedInsertionPoint(const clsMenuItem& item);
    NodeList::iterator PlaceForAddOne(const clsMenuItem& item, bool append);
    void EnsureName(clsMenuItem& item);
    void AssignLabel(NodeList::iterator it);
    void SpreadLabelsAround(NodeList::iterator it);
    void Relabel();
    static Node& NodeOf(const clsMenuItem& item);
    static std::vector<Node*>::iterator InsertByLabel(std::vector<Node*>& nodes, Node* node);
    static void EraseByLabel(std::vector<Node*>& nodes, const Node* node);
    void IndexID(Node& node, int32_t id);
    void UnindexID(Node& node);
    void NoteName(Node& node, const std::string& name, bool add);
    void Index(Node& node);
    void Unindex(Node& node);
    const std::vector<Node*>* ChildNodes(std::string_view ownerName) const;
    // Walks the owner chain upwards as one pass from the end of the list to its start, calling
    // visit(owner) for each owner met until visit returns false or the top level is reached.
    template <typename Visit> void ClimbOwners(const clsMenuItem& item, Visit visit) const;
    template <typename Next> void MakeCaptionUnique(clsMenuItem& item, Next nextCaption) const;

    int32_t idCounter_ = 49;
    int32_t menuNameCounter_ = 0;
    int32_t fileMenuHandle_ = 0;

    NodeList nodes_;
    KeyIndex byKey_;
    // Stored items whose Name differs from their key (renamed after being stored), by Name, in list order;
    // an item whose Name equals its key is found through byKey_.
    std::unordered_map<std::string, std::vector<Node*>> renamed_;
    // Unordered buckets (most hold one item); the first in list order is found by label when asked.
    std::unordered_map<int32_t, std::vector<Node*>> byID_;
    std::unordered_map<std::string, std::vector<Node*>> children_;

    // Item(index) walks the list from the nearest known position; sequential loops stay O(1) a step.
    mutable int32_t cachedIndex_ = 0;
    mutable NodeList::iterator cachedIt_;
};

} // namespace krv
