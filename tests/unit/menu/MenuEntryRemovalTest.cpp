#include "menu/MenuEntryRemoval.h"

#include <gtest/gtest.h>

#include "model/clsMenuCollection.h"

namespace krv {
namespace {

// A group and a shortcut renamed after they were stored are removed with the rest of the subtree; before,
// the removal went by the new Name as if it were the key and left both behind.
TEST(MenuEntryRemovalTest, RemovesItemsRenamedAfterStoring) {
    clsMenuCollection c;
    clsMenuItem* group = c.AddNewMenuItem({.Caption = "G", .OwnerName = "-1", .Name = "G", .SubMenu = true});
    c.AddNewMenuItem({.Caption = "Kept", .OwnerName = "-1", .Name = "K"});
    group->SetName("G2");
    clsMenuItem* child = c.AddNewMenuItem({.Caption = "A", .OwnerName = "G2", .Name = "A"});
    child->SetName("A2");
    c.AddNewMenuItem({.Caption = "B", .OwnerName = "G2", .Name = "B"});

    RemoveItemsAndEntries(c, SubtreeNames(c, "G2"), nullptr);

    ASSERT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item(1)->Name(), "K");
}

} // namespace
} // namespace krv
