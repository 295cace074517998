#include "model/clsMenuCollection.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace krv {
namespace {

// Adds a group or shortcut by the collection's sorted placement and returns its key.
std::string Add(clsMenuCollection& c, const std::string& caption, const std::string& owner,
                bool group = false, const std::string& name = "") {
    clsMenuItem* item =
        c.AddNewMenuItem({.Caption = caption, .OwnerName = owner, .Name = name, .SubMenu = group});
    EXPECT_NE(item, nullptr) << caption;
    return item ? item->Name() : std::string();
}

std::vector<std::string> CaptionsOf(const clsMenuCollection& c, const std::string& owner) {
    std::vector<std::string> captions;
    for (const clsMenuItem& item : c) {
        if (item.OwnerName() == owner)
            captions.push_back(item.Caption());
    }
    return captions;
}

std::vector<std::string> Keys(const clsMenuCollection& c) {
    std::vector<std::string> keys;
    for (auto it = c.begin(); it != c.end(); ++it)
        keys.push_back(it.Key());
    return keys;
}

clsMenuItem Named(const std::string& name, const std::string& owner = "-1") {
    clsMenuItem item;
    item.SetName(name);
    item.SetOwnerName(owner);
    return item;
}

// A personal group with one nested group, as most tests need it.
struct TreeFixture : ::testing::Test {
    clsMenuCollection c;
    std::string work;
    void SetUp() override {
        clsMenuItem personal = Named(MIT_GROUP_USER);
        personal.SetCaption("Personal");
        personal.SetSubMenu(true);
        ASSERT_TRUE(c.AddOne(personal, false, true));
        work = Add(c, "Work", MIT_GROUP_USER, true);
    }
};

TEST(IdentifierTest, HandsOutFiftyUpwardsSkippingUsedIdentifiers) {
    clsMenuCollection c;
    EXPECT_EQ(c.GetNextFreeID(), 50);
    clsMenuItem item = Named("A");
    item.SetID(52);
    c.AddOne(item, true, false);
    EXPECT_EQ(c.GetNextFreeID(), 51);
    EXPECT_EQ(c.GetNextFreeID(), 53);

    c.ResetCounters();
    EXPECT_EQ(c.GetNextFreeID(), 50);
}

TEST(IdentifierTest, FollowsIdentifiersChangedAfterStoring) {
    clsMenuCollection c;
    c.AddOne(Named("A"), true, false);
    c.AddOne(Named("B"), true, false);
    c.GetMenuItemFromName("A")->SetID(50);
    c.GetMenuItemFromName("B")->SetID(51);
    EXPECT_EQ(c.GetNextFreeID(), 52);
    c.GetMenuItemFromName("B")->SetID(1000);
    c.ResetCounters();
    EXPECT_EQ(c.GetNextFreeID(), 51);

    bool notFound = false;
    EXPECT_EQ(c.GetMenuItemFromID(1000, notFound)->Name(), "B");
    EXPECT_FALSE(notFound);
    EXPECT_EQ(c.GetMenuItemFromID(51, notFound), nullptr);
    EXPECT_TRUE(notFound);
}

TEST(IdentifierTest, GetMenuItemFromIDReturnsTheFirstInListOrder) {
    clsMenuCollection c;
    c.AddOne(Named("B"), true, false);
    clsMenuItem a = Named("A");
    c.AddBefore(a, "B", false);
    c.GetMenuItemFromName("B")->SetID(7);
    c.GetMenuItemFromName("A")->SetID(7);
    bool notFound = true;
    EXPECT_EQ(c.GetMenuItemFromID(7, notFound)->Name(), "A");
}

TEST(NameTest, UnnamedItemsGetFreshNames) {
    clsMenuCollection c;
    clsMenuItem first, second, third;
    c.AddOne(first, true, false);
    c.AddOne(Named("N2"), true, false);
    c.AddOne(second, true, false);
    c.AddOne(third, true, false);
    EXPECT_EQ(first.Name(), "N1");
    EXPECT_EQ(second.Name(), "N3");
    EXPECT_EQ(third.Name(), "N4");
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"N1", "N2", "N3", "N4"}));
}

TEST(NameTest, AddOneWithAnExistingKeyAddsNothingAndSucceeds) {
    clsMenuCollection c;
    clsMenuItem original = Named("K");
    original.SetCaption("Original");
    c.AddOne(original, true, false);
    clsMenuItem duplicate = Named("K");
    duplicate.SetCaption("Duplicate");
    EXPECT_TRUE(c.AddOne(duplicate, true, false));
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.GetMenuItemFromName("K")->Caption(), "Original");
}

TEST(NameTest, AddBeforeAndAfterIgnoreDuplicatesAndUnknownNeighbours) {
    clsMenuCollection c;
    c.AddOne(Named("A"), true, false);
    c.AddOne(Named("C"), true, false);
    clsMenuItem b = Named("B");
    c.AddAfter(b, "A", false);
    clsMenuItem z = Named("Z");
    c.AddBefore(z, "missing", false);
    clsMenuItem again = Named("A");
    c.AddBefore(again, "C", false);
    clsMenuItem last = Named("D");
    c.AddAfter(last, "", false);
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST(NameTest, ItemExistsFollowsTheNameFieldWhileTheKeyStays) {
    clsMenuCollection c;
    c.AddOne(Named("N1"), true, false);
    c.ModifyMenuItem(1, "", "", "Renamed", 0, "", "", "", false, 0, false, -1);
    EXPECT_TRUE(c.ItemExists("Renamed"));
    EXPECT_FALSE(c.ItemExists("N1"));
    EXPECT_TRUE(c.KeyExists("N1"));
    EXPECT_NE(c.GetMenuItemFromName("N1"), nullptr);
    EXPECT_EQ(c.GetMenuItemFromName("Renamed"), nullptr);
}

TEST_F(TreeFixture, SortedPlacementPutsGroupsFirstThenShortcutsByCaption) {
    Add(c, "B", work);
    Add(c, "a", work);
    Add(c, "C", work);
    Add(c, "z", work, true);
    EXPECT_EQ(CaptionsOf(c, work), (std::vector<std::string>{"z", "a", "B", "C"}));
    Add(c, "m", work, true);
    Add(c, "Y", work, true);
    EXPECT_EQ(CaptionsOf(c, work), (std::vector<std::string>{"m", "Y", "z", "a", "B", "C"}));
}

TEST_F(TreeFixture, SortedPlacementUpperCasesNonAsciiLetters) {
    Add(c, "\xC3\x89t\xC3\xA9", work); // Été
    Add(c,
        "\xC3\xA9"
        "cole",
        work); // école
    Add(c, "Zebra", work);
    Add(c,
        "\xC3\x89"
        "cart",
        work); // Écart
    // É (U+00C9) sorts after Z by code; "école" upper-cases to "ÉCOLE" and sorts between ÉCART and ÉTÉ.
    EXPECT_EQ(CaptionsOf(c, work), (std::vector<std::string>{"Zebra",
                                                             "\xC3\x89"
                                                             "cart",
                                                             "\xC3\xA9"
                                                             "cole",
                                                             "\xC3\x89t\xC3\xA9"}));
}

TEST_F(TreeFixture, EqualCaptionsKeepTheirOrderOfArrival) {
    const std::string first = Add(c, "Same", work);
    const std::string second = Add(c, "same", work);
    EXPECT_EQ(c.GetNextMenuItem(*c.GetMenuItemFromName(first)), second);
}

TEST_F(TreeFixture, OpenAllGoesAfterAllSiblings) {
    Add(c, "B", work);
    clsMenuItem* openAll = c.AddNewMenuItem({.Caption = "AAA", .OwnerName = work, .ItemType = MIT_OPENALL});
    ASSERT_NE(openAll, nullptr);
    EXPECT_EQ(openAll->Caption(), "Open-All");
    EXPECT_EQ(openAll->IconID(), 12);
    EXPECT_EQ(CaptionsOf(c, work), (std::vector<std::string>{"B", "Open-All"}));
}

TEST_F(TreeFixture, GroupWithoutLaterGroupGoesBeforeTheFirstShortcut) {
    Add(c, "Shortcut", work);
    Add(c, "G1", work, true);
    Add(c, "G2", work, true);
    EXPECT_EQ(CaptionsOf(c, work), (std::vector<std::string>{"G1", "G2", "Shortcut"}));
}

TEST(PlacementTest, PersonalGroupGoesBeforeTheFirstTopLevelItem) {
    clsMenuCollection c;
    clsMenuItem sep = Named(MIT_HF_DRIVES_SEP);
    sep.SetSeparator(true);
    c.AddOne(sep, false, false);
    c.AddOne(Named(MIT_HF_ORGANIZE), false, false);
    clsMenuItem personal = Named(MIT_GROUP_USER);
    personal.SetSubMenu(true);
    c.AddOne(personal, false, false);
    EXPECT_EQ(Keys(c), (std::vector<std::string>{MIT_GROUP_USER, MIT_HF_DRIVES_SEP, MIT_HF_ORGANIZE}));
    EXPECT_EQ(c.GetMenuItemFromName(MIT_GROUP_USER)->Description(), "Personal Group");
}

TEST(PlacementTest, TopLevelItemsAndDrivesKeepTheirOrderOfArrival) {
    clsMenuCollection c;
    Add(c, "Zulu", "-1");
    Add(c, "Alpha", "-1");
    Add(c, "Drives", "-1", true, MIT_PATHS_DRIVES);
    c.AddNewMenuItem({.Caption = "E:", .OwnerName = MIT_PATHS_DRIVES, .KeepCaptionCharacters = true});
    c.AddNewMenuItem({.Caption = "C:", .OwnerName = MIT_PATHS_DRIVES, .KeepCaptionCharacters = true});
    EXPECT_EQ(CaptionsOf(c, "-1"), (std::vector<std::string>{"Zulu", "Alpha", "Drives"}));
    EXPECT_EQ(CaptionsOf(c, MIT_PATHS_DRIVES), (std::vector<std::string>{"E:", "C:"}));
}

TEST_F(TreeFixture, ModifiedOwnersMoveBetweenSiblingLists) {
    const std::string docs = Add(c, "Docs", MIT_GROUP_USER);
    EXPECT_EQ(c.ChildrenNumber(MIT_GROUP_USER), 2);
    c.ModifyMenuItem(0, "", work, docs, 0, "", "", "", false, 0, false, -1);
    EXPECT_EQ(c.ChildrenNumber(MIT_GROUP_USER), 1);
    EXPECT_TRUE(c.HasChildren(work));
    // Sorted placement in Work now sees Docs as a sibling.
    Add(c, "Archive", work);
    EXPECT_EQ(CaptionsOf(c, work), (std::vector<std::string>{"Archive", "Docs"}));
    EXPECT_EQ(c.GetMenuItemFromName(docs)->ItemLocation(), "\\\\Personal\\Work");
}

TEST_F(TreeFixture, RemovingAGroupLeavesItsChildren) {
    Add(c, "Inside", work);
    c.Remove(work);
    EXPECT_FALSE(c.KeyExists(work));
    EXPECT_TRUE(c.HasChildren(work));
    EXPECT_EQ(c.Count(), 2);
    c.Remove("no such key");
    EXPECT_EQ(c.Count(), 2);
}

TEST_F(TreeFixture, CopiesGetNumberedCaptions) {
    Add(c, "Docs", work);
    for (const char* expected : {"Copy of Docs", "Copy (1) of Docs", "Copy (2) of Docs"}) {
        clsMenuItem copy;
        copy.SetCaption("Docs");
        copy.SetOwnerName(work);
        c.GetNewItemCaption(copy);
        EXPECT_EQ(copy.Caption(), expected);
        c.AddOne(copy, false, false);
    }
}

TEST_F(TreeFixture, NumberCaptionAppendsTwoThreeFour) {
    EXPECT_EQ(c.AddNewMenuItem({.Caption = "New", .OwnerName = work, .NumberCaption = true})->Caption(),
              "New");
    EXPECT_EQ(c.AddNewMenuItem({.Caption = "New", .OwnerName = work, .NumberCaption = true})->Caption(),
              "New2");
    EXPECT_EQ(c.AddNewMenuItem({.Caption = "New", .OwnerName = work, .NumberCaption = true})->Caption(),
              "New3");
    // A group may share a shortcut's caption.
    EXPECT_EQ(c.AddNewMenuItem({.Caption = "New", .OwnerName = work, .SubMenu = true, .NumberCaption = true})
                  ->Caption(),
              "New");
}

TEST_F(TreeFixture, CaptionLookupsRespectOwnerKindAndExclusion) {
    const std::string docs = Add(c, "Docs", work);
    Add(c, "Docs", work, true);
    EXPECT_TRUE(c.CaptionExists("Docs", work, false, ""));
    EXPECT_FALSE(c.CaptionExists("Docs", work, false, docs));
    EXPECT_FALSE(c.CaptionExists("docs", work, false, ""));
    EXPECT_FALSE(c.CaptionExists("Docs", MIT_GROUP_USER, false, ""));
    EXPECT_EQ(c.CaptionExists2("Docs", work, false, "")->Name(), docs);
    EXPECT_EQ(c.CountSameCaption("Docs", work, ""), 2);
    EXPECT_EQ(c.CountSameCaption("Docs", work, docs), 1);
}

TEST_F(TreeFixture, ItemPathAndLocationFollowTheOwners) {
    const std::string deep = Add(c, "Deep", work, true);
    clsMenuItem* shortcut = c.AddNewMenuItem({.Caption = "Docs", .OwnerName = deep, .ComputePath = true});
    EXPECT_EQ(shortcut->ItemPath(), "\\Work\\Deep");
    EXPECT_EQ(shortcut->ItemLocation(), "\\\\Personal\\Work\\Deep");
    EXPECT_EQ(shortcut->GetNestingLevel(), 3);

    clsMenuItem* group = c.GetMenuItemFromName(work);
    c.ItemFullPath(*group);
    EXPECT_EQ(group->ItemPath(), "\\Work");
    EXPECT_EQ(group->ItemLocation(), "\\\\Personal");

    clsMenuItem* personal = c.GetMenuItemFromName(MIT_GROUP_USER);
    EXPECT_EQ(personal->ItemPath(), "\\Personal");
    EXPECT_EQ(personal->ItemLocation(), "\\\\");
    EXPECT_EQ(personal->GetNestingLevel(), 0);

    clsMenuItem* direct =
        c.AddNewMenuItem({.Caption = "Direct", .OwnerName = MIT_GROUP_USER, .ComputePath = true});
    EXPECT_EQ(direct->ItemPath(), "");
    EXPECT_EQ(direct->ItemLocation(), "\\\\Personal");
}

TEST(PathTest, FixedTopEntriesKeepTheirItemPath) {
    clsMenuCollection c;
    clsMenuItem organize = Named(MIT_HF_ORGANIZE);
    organize.SetCaption("Organize Folders");
    organize.SetSubMenu(true); // even a group-like fixed entry gets no path
    organize.SetItemPath("kept");
    c.AddOne(organize, true, true);
    EXPECT_EQ(c.GetMenuItemFromName(MIT_HF_ORGANIZE)->ItemPath(), "kept");
    EXPECT_EQ(c.GetMenuItemFromName(MIT_HF_ORGANIZE)->ItemLocation(), "\\\\");

    clsMenuItem* system = c.AddNewMenuItem({.Caption = "System Folders",
                                            .OwnerName = "-1",
                                            .Name = MIT_PATHS_SYSTEM,
                                            .SubMenu = true,
                                            .ComputePath = true});
    clsMenuItem* sub = c.AddNewMenuItem(
        {.Caption = "Windows", .OwnerName = MIT_PATHS_SYSTEM, .SubMenu = true, .ComputePath = true});
    EXPECT_EQ(system->ItemPath(), "\\System Folders");
    EXPECT_EQ(sub->ItemPath(), "\\System Folders\\Windows");
}

TEST_F(TreeFixture, RootNodeAndSiblingNavigation) {
    const std::string a = Add(c, "A", work);
    const std::string b = Add(c, "B", work);
    const std::string topShortcut = Add(c, "Top", MIT_GROUP_USER);
    EXPECT_EQ(c.GetItemRootNode(*c.GetMenuItemFromName(a)), MIT_GROUP_USER);
    EXPECT_EQ(c.GetItemRootNode(*c.GetMenuItemFromName(MIT_GROUP_USER)), "-1");

    EXPECT_EQ(c.GetNextMenuItem(*c.GetMenuItemFromName(a)), b);
    EXPECT_EQ(c.GetNextMenuItem(*c.GetMenuItemFromName(b)), ""); // the next item (Top) is in Personal
    EXPECT_EQ(c.GetPrevMenuItem(*c.GetMenuItemFromName(b)), a);
    EXPECT_EQ(c.GetPrevMenuItem(*c.GetMenuItemFromName(a)), "");
    EXPECT_EQ(c.GetPrevMenuItem(*c.GetMenuItemFromName(topShortcut)), work);

    EXPECT_EQ(c.GetSecondChild(work, a)->Name(), b);
    EXPECT_EQ(c.GetSecondChild(work, "")->Name(), a);
    EXPECT_EQ(c.GetSecondChild("missing", ""), nullptr);
}

TEST(LookupTest, GetIDFromNameUsesTheMenuHandleForTheTopLevel) {
    clsMenuCollection c;
    c.SetFileMenuHandle(4242);
    bool notFound = true;
    EXPECT_EQ(c.GetIDFromName("-1", notFound), 4242);
    EXPECT_FALSE(notFound);
    EXPECT_EQ(c.GetIDFromName("nothing", notFound), -1);
    EXPECT_TRUE(notFound);
    c.AddOne(Named("G"), true, false);
    c.GetMenuItemFromName("G")->SetID(99);
    EXPECT_EQ(c.GetIDFromName("G", notFound), 99);
    EXPECT_FALSE(notFound);
}

TEST(LookupTest, ItemByPositionWalksInBothDirections) {
    clsMenuCollection c;
    for (int i = 0; i < 50; ++i)
        c.AddOne(Named("K" + std::to_string(i)), true, false);
    EXPECT_EQ(c.Item(1)->Name(), "K0");
    EXPECT_EQ(c.Item(50)->Name(), "K49");
    EXPECT_EQ(c.Item(20)->Name(), "K19");
    EXPECT_EQ(c.Item(21)->Name(), "K20");
    EXPECT_EQ(c.Item(19)->Name(), "K18");
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(51), nullptr);
    c.Remove("K18");
    EXPECT_EQ(c.Item(19)->Name(), "K19");
}

TEST(LookupTest, GetNextFreeItemPositionCountsEarlierSiblingsByOwnerID) {
    clsMenuCollection c;
    for (const char* name : {"A", "B", "C", "D"})
        c.AddOne(Named(name), true, false);
    const int32_t ids[] = {50, 51, 52, 53};
    const int32_t owners[] = {1, 2, 1, 1};
    for (int i = 0; i < 4; ++i) {
        c.Item(i + 1)->SetID(ids[i]);
        c.Item(i + 1)->SetOwnerID(owners[i]);
    }
    EXPECT_EQ(c.GetNextFreeItemPosition(50, 1), 0);
    EXPECT_EQ(c.GetNextFreeItemPosition(52, 1), 1);
    EXPECT_EQ(c.GetNextFreeItemPosition(53, 1), 2);
    EXPECT_EQ(c.GetNextFreeItemPosition(99, 1), 3);
}

TEST(CountTest, CountsShortcutKindsGroupsAndOpenAll) {
    clsMenuCollection c;
    Add(c, "G", "-1", true, "G");
    c.AddNewMenuItem(
        {.Caption = "S1", .OwnerName = "G", .ItemType = MIT_PATH, .OpenType = MIT_PATH_SHORTCUT});
    c.AddNewMenuItem(
        {.Caption = "S2", .OwnerName = "G", .ItemType = MIT_PATH, .OpenType = MIT_PATH_SHORTCUT});
    c.AddNewMenuItem(
        {.Caption = "E1", .OwnerName = "G", .ItemType = MIT_PATH, .OpenType = MIT_PATH_EXPLORER});
    c.AddNewMenuItem({.Caption = "x", .OwnerName = "G", .ItemType = MIT_OPENALL});
    c.AddNewMenuItem({.OwnerName = "G", .Separator = true});
    c.AddNewMenuItem({.Caption = "C:", .OwnerName = "G", .ItemType = MIT_DRIVE});
    const CollectionCounts counts = c.CountCollection();
    EXPECT_EQ(counts.Total, 3);
    EXPECT_EQ(counts.Shortcuts, 2);
    EXPECT_EQ(counts.ExplorerShortcuts, 1);
    EXPECT_EQ(counts.OpenAll, 1);
    EXPECT_EQ(counts.Groups, 1);
}

TEST(ModifyTest, CollectionModifyAppliesFieldsAndRecomputesPaths) {
    clsMenuCollection c;
    Add(c, "Personal", "-1", true, MIT_GROUP_USER);
    const std::string s = Add(c, "Old", MIT_GROUP_USER);
    c.ModifyMenuItem(0, "New", "", s, 0, "E:\\", "", MIT_PATH_EXPLORER, false, 0, true, 4);
    const clsMenuItem* item = c.GetMenuItemFromName(s);
    EXPECT_EQ(item->Caption(), "New");
    EXPECT_EQ(item->FolderPath(), "E:\\");
    EXPECT_EQ(item->IconID(), 4);
    EXPECT_EQ(item->KeyboardCode(), 4);
    EXPECT_EQ(item->ItemLocation(), "\\\\Personal");
    EXPECT_FALSE(item->TimeModified().IsZero());

    c.ModifyMenuItem(0, "Ignored", "", s, 0, "", MIT_OPENALL, "", false, 0, false, -1);
    EXPECT_EQ(item->Caption(), "Open-All");
    c.ModifyMenuItem(0, "", "", "", 0, "", "", "", false, 0, false, 9); // no index, no name: nothing
    EXPECT_EQ(item->KeyboardCode(), -1);
}

TEST(CapacityTest, AddingPastTheLimitFailsCleanly) {
    clsMenuCollection c;
    for (int32_t i = 0; i < clsMenuCollection::kMaxItems; ++i)
        ASSERT_TRUE(c.AddOne(clsMenuItem(), true, false));
    EXPECT_EQ(c.Count(), 32767);
    clsMenuItem extra;
    EXPECT_FALSE(c.AddOne(extra, true, false));
    clsMenuItem before = Named("before");
    c.AddBefore(before, "N1", false);
    c.AddAfter(before, "N1", false);
    EXPECT_EQ(c.AddNewMenuItem({.Caption = "x", .OwnerName = "-1"}), nullptr);
    EXPECT_EQ(c.Count(), 32767);
    EXPECT_FALSE(c.KeyExists("before"));
    // The indexes are intact: removing one makes room again.
    c.Remove("N100");
    EXPECT_TRUE(c.AddOne(Named("again"), false, false));
    EXPECT_EQ(c.Item(32767)->Name(), "again");
}

TEST(OrderTest, ManyInsertionsAtOnePlaceKeepTheOrder) {
    // Repeated insertion before the same key exhausts the label gaps and forces relabelling.
    clsMenuCollection c;
    c.AddOne(Named("first"), true, false);
    c.AddOne(Named("end"), true, false);
    for (int i = 0; i < 100; ++i) {
        clsMenuItem item = Named("k" + std::to_string(i), "G");
        c.AddBefore(item, "end", false);
    }
    std::vector<std::string> keys = Keys(c);
    ASSERT_EQ(keys.size(), 102u);
    EXPECT_EQ(keys.front(), "first");
    EXPECT_EQ(keys.back(), "end");
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(keys[i + 1], "k" + std::to_string(i));
    EXPECT_EQ(c.GetPrevMenuItem(*c.GetMenuItemFromName("k50")), "k49");
    EXPECT_EQ(c.GetNextMenuItem(*c.GetMenuItemFromName("k50")), "k51");
}

TEST(OrderTest, AssigningOverAStoredItemKeepsTheIndexesRight) {
    clsMenuCollection c;
    c.AddOne(Named("A", "G1"), true, false);
    clsMenuItem replacement = Named("A2", "G2");
    replacement.SetID(77);
    *c.GetMenuItemFromName("A") = replacement;
    EXPECT_FALSE(c.HasChildren("G1"));
    EXPECT_TRUE(c.HasChildren("G2"));
    EXPECT_TRUE(c.ItemExists("A2"));
    bool notFound = true;
    EXPECT_NE(c.GetMenuItemFromID(77, notFound), nullptr);
    // The key stays the key the item was added under.
    EXPECT_TRUE(c.KeyExists("A"));
}

} // namespace
} // namespace krv

namespace krv {
namespace {

// Random adds, removes and owner changes against a plain vector as the reference: the list order, the
// per-owner children, sibling navigation and the identifier lookups must all agree after every step.
TEST(IndexConsistencyTest, RandomEditsAgreeWithAPlainList) {
    struct Ref {
        std::string key;
        std::string owner;
        int32_t id;
    };
    std::vector<Ref> ref;
    clsMenuCollection c;
    uint32_t seed = 12345;
    const auto random = [&](uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    const char* owners[] = {"-1", "G1", "G2", "G3"};
    int nextKey = 0;

    for (int step = 0; step < 3000; ++step) {
        const uint32_t op = ref.empty() ? 0 : random(10);
        if (op < 5) {
            clsMenuItem item = Named("k" + std::to_string(nextKey++), owners[random(4)]);
            item.SetID(static_cast<int32_t>(random(50)));
            const Ref entry{item.Name(), item.OwnerName(), item.ID()};
            if (ref.empty() || op == 0) {
                c.AddOne(item, true, false);
                ref.push_back(entry);
            } else {
                const size_t at = random(static_cast<uint32_t>(ref.size()));
                if (op < 3) {
                    c.AddBefore(item, ref[at].key, false);
                    ref.insert(ref.begin() + static_cast<long>(at), entry);
                } else {
                    c.AddAfter(item, ref[at].key, false);
                    ref.insert(ref.begin() + static_cast<long>(at) + 1, entry);
                }
            }
        } else if (op < 7) {
            const size_t at = random(static_cast<uint32_t>(ref.size()));
            c.Remove(ref[at].key);
            ref.erase(ref.begin() + static_cast<long>(at));
        } else {
            const size_t at = random(static_cast<uint32_t>(ref.size()));
            ref[at].owner = owners[random(4)];
            ref[at].id = static_cast<int32_t>(random(50));
            c.GetMenuItemFromName(ref[at].key)->SetOwnerName(ref[at].owner);
            c.GetMenuItemFromName(ref[at].key)->SetID(ref[at].id);
        }

        if (step % 50 != 0)
            continue;
        ASSERT_EQ(c.Count(), static_cast<int32_t>(ref.size()));
        std::vector<std::string> expectedKeys;
        for (const Ref& r : ref)
            expectedKeys.push_back(r.key);
        ASSERT_EQ(Keys(c), expectedKeys) << "step " << step;
        for (const char* owner : owners) {
            std::vector<std::string> expectedChildren;
            for (const Ref& r : ref) {
                if (r.owner == owner)
                    expectedChildren.push_back(r.key);
            }
            std::vector<std::string> children;
            for (const clsMenuItem* child : c.Children(owner))
                children.push_back(child->Name());
            ASSERT_EQ(children, expectedChildren) << "owner " << owner << " step " << step;
            for (size_t i = 0; i < expectedChildren.size(); ++i) {
                const clsMenuItem& child = *c.GetMenuItemFromName(expectedChildren[i]);
                ASSERT_EQ(c.GetPrevMenuItem(child), i == 0 ? "" : expectedChildren[i - 1]);
            }
        }
        for (int32_t id = 0; id < 50; ++id) {
            auto first = std::find_if(ref.begin(), ref.end(), [&](const Ref& r) { return r.id == id; });
            bool notFound = false;
            const clsMenuItem* found = c.GetMenuItemFromID(id, notFound);
            ASSERT_EQ(notFound, first == ref.end());
            if (found) {
                ASSERT_EQ(found->Name(), first->key);
            }
        }
    }
}

TEST(OrderTest, ThousandsOfInsertionsAtTheFrontKeepTheOrder) {
    clsMenuCollection c;
    c.AddOne(Named("tail"), true, false);
    std::string front = "tail";
    for (int i = 0; i < 5000; ++i) {
        clsMenuItem item = Named("f" + std::to_string(i));
        c.AddBefore(item, front, false);
        front = item.Name();
    }
    const std::vector<std::string> keys = Keys(c);
    ASSERT_EQ(keys.size(), 5001u);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(keys[static_cast<size_t>(i)], "f" + std::to_string(4999 - i));
    EXPECT_EQ(c.GetPrevMenuItem(*c.GetMenuItemFromName("f0")), "f1");
}

} // namespace
} // namespace krv

namespace krv {
namespace {

// Items whose Name changed after they were stored keep their old key; every lookup that goes by Name must
// still find them, or the renamed group's children lose their owner and the renamed item its siblings.
TEST_F(TreeFixture, LookupsByNameFindItemsRenamedAfterStoring) {
    c.GetMenuItemFromName(work)->SetName("W2");
    const std::string a = Add(c, "A", "W2");
    const std::string b = Add(c, "B", "W2");
    c.GetMenuItemFromName(a)->SetName("A2");
    const clsMenuItem& itemA = *c.GetMenuItemFromName(a);
    clsMenuItem& itemB = *c.GetMenuItemFromName(b);

    EXPECT_EQ(c.GetNextMenuItem(itemA), b);
    EXPECT_EQ(c.GetPrevMenuItem(itemB), "A2");
    EXPECT_EQ(c.GetItemRootNode(itemB), MIT_GROUP_USER);
    ASSERT_NE(c.GetSecondChild("W2", ""), nullptr);
    EXPECT_EQ(c.GetSecondChild("W2", "")->Name(), "A2");
    c.ItemFullPath(itemB);
    EXPECT_EQ(itemB.ItemLocation(), "\\\\Personal\\Work");
}

} // namespace
} // namespace krv

namespace krv {
namespace {

// Stored items share equal texts with their neighbours; changing one item's text never changes another's,
// and an item copied out keeps its texts after the tree is gone.
TEST(SharedTextTest, NeighboursShareTextsButChangeThemApart) {
    auto tree = std::make_unique<clsMenuCollection>();
    for (const char* name : {"A", "B", "C"}) {
        clsMenuItem item;
        item.SetName(name);
        item.SetOwnerName(std::string("a group name long enough to be kept on the heap"));
        item.SetItemPath(std::string("\\a path long enough to be kept on the heap"));
        item.SetItemLocation(std::string("\\\\a location long enough to be kept on the heap"));
        item.SetUserDescription(std::string("a description long enough to be kept on the heap"));
        tree->AddOne(std::move(item), true, false);
    }
    clsMenuItem* b = tree->GetMenuItemFromName("B");
    b->SetItemPath("\\changed");
    b->SetUserDescription("");
    b->SetOwnerName("N9");
    const clsMenuItem a = *tree->GetMenuItemFromName("A");
    const clsMenuItem* c = tree->GetMenuItemFromName("C");
    EXPECT_EQ(b->ItemPath(), "\\changed");
    EXPECT_EQ(b->UserDescription(), "");
    EXPECT_EQ(c->ItemPath(), "\\a path long enough to be kept on the heap");
    EXPECT_EQ(c->UserDescription(), "a description long enough to be kept on the heap");
    EXPECT_EQ(tree->ChildrenNumber("a group name long enough to be kept on the heap"), 2);
    EXPECT_EQ(tree->ChildrenNumber("N9"), 1);
    tree.reset();
    EXPECT_EQ(a.OwnerName(), "a group name long enough to be kept on the heap");
    EXPECT_EQ(a.ItemLocation(), "\\\\a location long enough to be kept on the heap");
}

// The reader's setters hold the previous item's text when it is the same, and their own otherwise; an item
// in the tree that gets a new owner through them moves to that owner's children.
TEST(SharedTextTest, SettersLikeANeighbourShareOnlyAnEqualText) {
    const std::string longText = "\\\\Personal\\a location long enough to be kept on the heap";
    const SharedText likely = SharedText::Sharing(longText, SharedText());
    struct Case {
        std::string value;
        bool shared;
    } cases[] = {{longText, true}, {longText + "x", false}, {"", false}, {"\\\\Personal", false}};
    for (const Case& test : cases) {
        clsMenuItem item;
        item.SetItemLocationLike(test.value, likely);
        item.SetItemPathLike(test.value, SharedText());
        EXPECT_EQ(item.ItemLocation(), test.value);
        EXPECT_EQ(&item.ItemLocation() == &likely.str(), test.shared) << test.value;
        EXPECT_EQ(item.ItemPath(), test.value);
    }

    clsMenuCollection tree;
    for (const char* name : {"G1", "G2", "S"}) {
        clsMenuItem item;
        item.SetName(name);
        item.SetOwnerName(std::string(MIT_GROUP_USER));
        tree.AddOne(std::move(item), true, false);
    }
    const SharedText owner = tree.GetMenuItemFromName("G1")->SharedTexts().ownerName;
    tree.GetMenuItemFromName("S")->SetOwnerNameLike("G2", owner);
    EXPECT_EQ(tree.ChildrenNumber("G2"), 1);
    EXPECT_EQ(tree.ChildrenNumber(MIT_GROUP_USER), 2);
    EXPECT_EQ(tree.GetMenuItemFromName("S")->OwnerName(), "G2");
}

// The key index: after many removals in an order unlike the order of adding, every remaining key is found,
// every removed one is not, and renamed items stay under the key they were stored with.
TEST(KeyIndexTest, RemovalsAndRenamesKeepEveryKeyFindable) {
    clsMenuCollection tree;
    constexpr int kItems = 2000;
    for (int i = 0; i < kItems; ++i) {
        clsMenuItem item;
        item.SetName("K" + std::to_string(i));
        tree.AddOne(std::move(item), true, false);
    }
    for (int i = 0; i < kItems; i += 7)
        tree.GetMenuItemFromName("K" + std::to_string(i))->SetName("R" + std::to_string(i));
    for (int i = kItems - 1; i >= 0; --i) {
        if (i % 3 == 0 || i % 5 == 0)
            tree.Remove("K" + std::to_string(i));
    }
    int stored = 0;
    for (int i = 0; i < kItems; ++i) {
        const std::string key = "K" + std::to_string(i);
        const bool kept = i % 3 != 0 && i % 5 != 0;
        stored += kept;
        EXPECT_EQ(tree.KeyExists(key), kept) << key;
        EXPECT_EQ(tree.ItemExists("R" + std::to_string(i)), kept && i % 7 == 0) << key;
        if (kept && i % 7 == 0) {
            EXPECT_EQ(tree.GetMenuItemFromName(key)->Name(), "R" + std::to_string(i));
        }
    }
    EXPECT_EQ(tree.Count(), stored);
    // The keys come back one by one as items are added under them again.
    for (int i = 0; i < kItems; i += 3) {
        clsMenuItem item;
        item.SetName("K" + std::to_string(i));
        tree.AddOne(std::move(item), true, false);
        EXPECT_TRUE(tree.KeyExists("K" + std::to_string(i)));
    }
    std::vector<std::string> keys;
    for (auto it = tree.begin(); it != tree.end(); ++it)
        keys.push_back(it.Key());
    for (const std::string& key : keys)
        EXPECT_TRUE(tree.KeyExists(key)) << key;
}

} // namespace
} // namespace krv
