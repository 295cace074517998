#include "groups/modSetupDrives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeMenuHost.h"
#include "fakes/FakeSystemInfo.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

using Strings = std::vector<std::string>;

struct DrivesTest : ::testing::Test {
    FakeSystemInfo system;
    clsMenuCollection c;
    std::vector<clsDrive> driveList;

    void SetUp() override {
        system.AddDrive({.Letter = 'A', .Type = DRIVE_TYPE_REMOVABLE, .HasMedium = false});
        system.AddDrive({.Letter = 'C', .Type = DRIVE_TYPE_FIXED, .Label = "SYSTEM"});
        system.AddDrive({.Letter = 'D', .Type = DRIVE_TYPE_CDROM, .HasMedium = false});
        // A mapped drive whose server is offline: only its remembered connection is known.
        system.AddDrive({.Letter = 'Z', .Type = DRIVE_TYPE_REMOTE, .Label = "never asked",
                         .Share = "\\\\server\\docs"});
        for (const char* name : {MIT_GROUP_USER, MIT_HF_DRIVES_SEP, MIT_HF_ORGANIZE}) {
            clsMenuItem item;
            item.SetName(name);
            item.SetOwnerName(TOP_LEVEL_OWNER);
            item.SetSeparator(std::string(name) == MIT_HF_DRIVES_SEP);
            c.AddOne(item, true, false);
        }
    }

    Strings DriveCaptions() const {
        Strings captions;
        for (const clsMenuItem& item : c) {
            if (item.OwnerName() == MIT_PATHS_DRIVES) {
                captions.push_back(item.Caption());
            }
        }
        return captions;
    }
};

TEST_F(DrivesTest, DriveListReadsLabelsButNeverAsksAFloppyOrANetworkDrive) {
    EXPECT_EQ(ReadDriveList(system), (Strings{"a:", "c: [SYSTEM]", "d:", "z: [\\\\server\\docs]"}));
    EXPECT_EQ(system.VolumeQueries('A'), 0);
    EXPECT_EQ(system.VolumeQueries('Z'), 0);
    EXPECT_EQ(system.VolumeQueries('C'), 1);
}

TEST_F(DrivesTest, CaptionsNameTheLabelOrTheKindOfDrive) {
    EXPECT_EQ(FormatDriveCaption(system, "a:").Caption, "3.5-Inch Floppy Disk (A:)");
    EXPECT_EQ(FormatDriveCaption(system, "c: [SYSTEM]").Caption, "SYSTEM (C:)");
    EXPECT_EQ(FormatDriveCaption(system, "d:").Caption, "Compact Disc (D:)");
    EXPECT_EQ(FormatDriveCaption(system, "z: [\\\\server\\docs]").Caption, "\\\\server\\docs (Z:)");

    const DriveCaption floppy = FormatDriveCaption(system, "a:");
    EXPECT_EQ(floppy.Root, "a:\\");
    EXPECT_EQ(floppy.DriveType, DRIVE_TYPE_REMOVABLE);

    // A disc listed without its label still shows it; a fixed disk without label shows its letter alone.
    system.FindDrive('D')->HasMedium = true;
    system.FindDrive('D')->Label = "MOVIE";
    EXPECT_EQ(FormatDriveCaption(system, "d:").Caption, "MOVIE (D:)");
    system.AddDrive({.Letter = 'E', .Type = DRIVE_TYPE_FIXED});
    EXPECT_EQ(FormatDriveCaption(system, "e:").Caption, "E:");
    EXPECT_EQ(GetVolumeLabel(system, "c:\\"), "SYSTEM");
}

TEST_F(DrivesTest, AddDrivesFillsTheGroupBeforeItsSeparatorInDriveOrder) {
    AddDrives(c, system, driveList);

    const Strings expected{"3.5-Inch Floppy Disk (A:)", "SYSTEM (C:)", "Compact Disc (D:)", "\\\\server\\docs (Z:)"};
    EXPECT_EQ(DriveCaptions(), expected);
    EXPECT_EQ(c.Item(2)->Name(), MIT_PATHS_DRIVES);
    EXPECT_EQ(c.Item(2)->ItemType(), MIT_PATHS_DRIVES);
    EXPECT_EQ(c.Item(2)->Caption(), "Drives");
    EXPECT_TRUE(c.Item(2)->SubMenu());
    EXPECT_EQ(c.Item(2)->Remark(), REMARK_AUTO);

    const std::vector<int32_t> icons{ICON_FLOPPY, ICON_FIXED_DISK, ICON_CDROM, ICON_REMOTE_DISK};
    int i = 0;
    for (const clsMenuItem& item : c) {
        if (item.OwnerName() != MIT_PATHS_DRIVES) {
            continue;
        }
        EXPECT_EQ(item.ItemType(), MIT_DRIVE);
        EXPECT_EQ(item.OpenType(), MIT_PATH_EXPLORER);
        EXPECT_EQ(item.Remark(), REMARK_AUTO);
        EXPECT_EQ(item.KeyboardCode(), -1);
        EXPECT_EQ(item.Name().front(), 'N');
        EXPECT_EQ(item.IconID(), icons[static_cast<size_t>(i)]) << item.Caption();
        ++i;
    }
    EXPECT_EQ(c.GetMenuItemFromName(c.Children(MIT_PATHS_DRIVES)[1]->Name())->FolderPath(), "c:\\");
    ASSERT_EQ(driveList.size(), 4u);
    EXPECT_EQ(driveList[1], (clsDrive{.Name = "SYSTEM (C:)", .DriveType = DRIVE_TYPE_FIXED}));
}

TEST_F(DrivesTest, DrivesChangedNoticesAMediumANewDriveAndNothingElse) {
    AddDrives(c, system, driveList);
    EXPECT_FALSE(DrivesChanged(system, driveList));

    system.FindDrive('D')->HasMedium = true;
    system.FindDrive('D')->Label = "MOVIE";
    EXPECT_TRUE(DrivesChanged(system, driveList));

    RemoveDrives(c, nullptr);
    AddDrives(c, system, driveList);
    EXPECT_FALSE(DrivesChanged(system, driveList));
    EXPECT_EQ(DriveCaptions().size(), 4u);

    system.AddDrive({.Letter = 'F', .Type = DRIVE_TYPE_REMOVABLE, .Label = "STICK"});
    EXPECT_TRUE(DrivesChanged(system, driveList));
    system.RemoveDrive('F');
    EXPECT_FALSE(DrivesChanged(system, driveList));
    system.FindDrive('C')->Type = DRIVE_TYPE_REMOTE;
    system.FindDrive('C')->Share = "SYSTEM";
    EXPECT_TRUE(DrivesChanged(system, driveList)); // same caption, other type
}

TEST_F(DrivesTest, RemoveDrivesTakesTheGroupAndItsDrivesOnly) {
    AddDrives(c, system, driveList);
    RemoveDrives(c, nullptr);

    EXPECT_FALSE(c.ItemExists(MIT_PATHS_DRIVES));
    EXPECT_TRUE(DriveCaptions().empty());
    EXPECT_EQ(c.Count(), 3);
}

TEST_F(DrivesTest, WithoutTheSeparatorNoDriveIsAdded) {
    c.Remove(MIT_HF_DRIVES_SEP);
    AddDrives(c, system, driveList);
    EXPECT_EQ(c.Count(), 2);
    EXPECT_TRUE(driveList.empty());
}

} // namespace
} // namespace krv
