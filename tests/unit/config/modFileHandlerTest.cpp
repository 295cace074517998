#include "config/modFileHandler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"
#include "unit/config/ConfigFileBuilder.h"

namespace krv {
namespace {

using test::FileBuilder;
using test::ItemFields;

constexpr const char* kFile = "C:\\Users\\Ann\\tree.krvc";
constexpr DateTime kCreated{2026, 12, 7, 8, 5, 3};
constexpr DateTime kModified{2027, 1, 31, 23, 59, 59};

class FileHandlerTest : public ::testing::Test {
protected:
    FileHandlerTest() {
        InitOptionNames(options);
        LoadOptions(options, regHandler, false); // the defaults: Show System Folders on
        fs.AddFolder("C:\\Users\\Ann");
    }

    void SetShowSystemFolders(bool on) { options.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS] = on; }

    // Adds an item in list order without path computation, with fixed times so that files can be compared.
    clsMenuItem& Add(clsMenuCollection& tree, std::string name, std::string caption, std::string owner,
                     bool group = false, std::string type = MIT_PATH) {
        clsMenuItem item;
        item.SetName(std::move(name));
        item.SetCaption2(caption);
        item.SetOwnerName(std::move(owner));
        item.SetItemType(std::move(type));
        item.SetSubMenu(group);
        item.SetTimeCreated(kCreated);
        EXPECT_TRUE(tree.AddOne(item, true, false));
        return *tree.GetMenuItemFromName(item.Name());
    }

    FakeFileSystem fs;
    Windows1252CodePage codePage;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    Options options;
    std::vector<bool> completions; // the generateSystemFolders flag of every completion, in order
    modFileHandler handler{
        fs,         codePage,
        regHandler, "C:\\Program Files\\Karvello",
        options,    [this](clsMenuCollection&, bool generate) { completions.push_back(generate); }};
};

// The personal group of the golden file, as the layout stores it.
ItemFields PersonalGroupRecord() {
    ItemFields f = test::GroupFields("MIT_GROUP_USER", "Personal", "-1", "\\\\");
    f.ItemPath = "\\Personal";
    f.TimeCreated = "7|12|2026|8|5|3|";
    return f;
}

TEST_F(FileHandlerTest, SaveWritesTheLayoutByteForByte) {
    clsMenuCollection tree;
    Add(tree, MIT_HF_ORGANIZE, "Organize Folders", "-1", false, MIT_HF_ORGANIZE);
    Add(tree, MIT_HF_DRIVES_SEP, "", "-1").SetSeparator(true);
    Add(tree, MIT_PATHS_DRIVES, "Drives", "-1", true);
    Add(tree, "DRV_C", "Local Disk (C:)", MIT_PATHS_DRIVES, false, MIT_DRIVE);
    clsMenuItem& personal = Add(tree, MIT_GROUP_USER, "Personal", "-1", true);
    personal.SetItemPath("\\Personal");
    personal.SetItemLocation("\\\\");
    clsMenuItem& work = Add(tree, "N1", "Work \xC3\xA9t\xC3\xA9", MIT_GROUP_USER, true); // "Work été"
    work.SetPosition(2);
    work.Setflags(16);
    work.SetItemLocation("\\\\Personal");
    clsMenuItem docs = clsMenuItem();
    docs.SetName("N2");
    docs.SetCaption("Docs");
    docs.SetOwnerName("N1");
    docs.SetOpenType(MIT_PATH_EXPLORER);
    docs.SetFolderPath("D:\\Docs");
    docs.SetNetworkPath("\\\\srv\\docs");
    docs.SetKeyboardCode(49);
    docs.SetUserDescription("my \xE2\x82\xAC"); // "my €"
    docs.SetRemark("r");
    docs.SetTimeCreated(kCreated);
    docs.SetTimeModified(kModified);
    docs.SetTimeAccessed(kModified);
    tree.AddOne(docs, true, false);
    Add(tree, "N3", "", "N1", false, MIT_OPENALL);
    Add(tree, "SEP_IN_GROUP", "", "N1").SetSeparator(true);
    Add(tree, MIT_PATHS_SYSTEM, "System Folders", "-1", true).SetItemType(MIT_PATHS_SYSTEM);
    Add(tree, "SYS1", "Windows", MIT_PATHS_SYSTEM).SetFolderPath("C:\\Windows");
    handler.Summary().SummaryTitle = "T";
    handler.Summary().SummaryComments = "line one\r\nline two";

    ASSERT_TRUE(handler.SaveConfigFile(tree, kFile, false));

    ItemFields workRecord = test::GroupFields("N1", "Work \xE9t\xE9", "MIT_GROUP_USER", "\\\\Personal");
    workRecord.Position = "2";
    workRecord.flags = "16";
    workRecord.TimeCreated = "7|12|2026|8|5|3|";
    ItemFields docsRecord = test::ShortcutFields("N2", "Docs", "N1", "D:\\Docs", "", true);
    docsRecord.NetworkPath = "\\\\srv\\docs";
    docsRecord.Remark = "r";
    docsRecord.KeyboardCode = "49";
    docsRecord.UserDescription = "my \x80";
    docsRecord.TimeCreated = "7|12|2026|8|5|3|";
    docsRecord.TimeModified = "31|1|2027|23|59|59|";
    docsRecord.TimeAccessed = "31|1|2027|23|59|59|";
    ItemFields openAllRecord;
    openAllRecord.Name = "N3";
    openAllRecord.Caption = "Open-All";
    openAllRecord.OwnerName = "N1";
    openAllRecord.IconID = "12";
    openAllRecord.ItemType = "MIT_OPENALL";
    openAllRecord.Description = "Open-All";
    openAllRecord.TimeCreated = "7|12|2026|8|5|3|";
    ItemFields systemRecord = test::GroupFields("MIT_PATHS_SYSTEM", "System Folders", "-1", "");
    systemRecord.ItemType = "MIT_PATHS_SYSTEM"; // described as a group before its type was set
    systemRecord.TimeCreated = "7|12|2026|8|5|3|";
    ItemFields windowsRecord = test::ShortcutFields("SYS1", "Windows", "MIT_PATHS_SYSTEM", "C:\\Windows", "");
    windowsRecord.TimeCreated = "7|12|2026|8|5|3|";

    const std::string expected = FileBuilder()
                                     .Record("[MIT_GROUP_USER:]")
                                     .Item(PersonalGroupRecord())
                                     .Item(workRecord)
                                     .Item(docsRecord)
                                     .Item(openAllRecord)
                                     .Record("[END:]")
                                     .Record("[MIT_PATHS_SYSTEM:]")
                                     .Item(systemRecord)
                                     .Item(windowsRecord)
                                     .Record("[END:]")
                                     .SummaryBlock("[SUMMARY_TITLE:]", "T")
                                     .SummaryBlock("[SUMMARY_COMMENTS:]", "line one\r\nline two")
                                     .Bytes();
    EXPECT_EQ(fs.Content(kFile), expected);

    // With Show System Folders off the System Folders section is not written.
    SetShowSystemFolders(false);
    handler.Summary() = {};
    ASSERT_TRUE(handler.SaveConfigFile(tree, kFile, false));
    EXPECT_EQ(fs.Content(kFile), FileBuilder()
                                     .Record("[MIT_GROUP_USER:]")
                                     .Item(PersonalGroupRecord())
                                     .Item(workRecord)
                                     .Item(docsRecord)
                                     .Item(openAllRecord)
                                     .Record("[END:]")
                                     .Bytes());
}

// The texts the code page cannot hold: their records carry '?', and the UTF-8 block after the summary holds
// them whole, in the order they were written; a NUL inside a text is left out.
TEST_F(FileHandlerTest, SaveWritesTheUtf8BlockByteForByte) {
    clsMenuCollection tree;
    clsMenuItem& personal = Add(tree, MIT_GROUP_USER, "Personal", "-1", true);
    personal.SetItemPath("\\Personal");
    personal.SetItemLocation("\\\\");
    clsMenuItem& city = Add(tree, "N1", "\xC5\x81\xC3\xB3\x64\xC5\xBA", MIT_GROUP_USER); // "Łódź"
    city.SetFolderPath("C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA");
    city.SetRemark(std::string("a\0b", 3));
    city.SetUserDescription("\xE2\x82\xAC 5"); // "€ 5": the code page holds it
    handler.Summary().SummaryTitle = "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"; // "Αθήνα"

    ASSERT_TRUE(handler.SaveConfigFile(tree, kFile, false));

    ItemFields cityRecord =
        test::ShortcutFields("N1", "?\xF3\x64?", "MIT_GROUP_USER", "C:\\?\xF3\x64?", "");
    cityRecord.Remark = "ab";
    cityRecord.UserDescription = "\x80 5";
    cityRecord.TimeCreated = "7|12|2026|8|5|3|";
    const std::string expected = FileBuilder()
                                     .Record("[MIT_GROUP_USER:]")
                                     .Item(PersonalGroupRecord())
                                     .Item(cityRecord)
                                     .Record("[END:]")
                                     .Record("[MIT_PATHS_SYSTEM:]")
                                     .Record("[END:]")
                                     .SummaryBlock("[SUMMARY_TITLE:]", "?????")
                                     .Record("[UTF8_TEXTS:]")
                                     .Record("N1")
                                     .Record("3")
                                     .Record("\xC5\x81\xC3\xB3\x64\xC5\xBA")
                                     .Record("N1")
                                     .Record("13")
                                     .Record("C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA")
                                     .Record("")
                                     .Record("1")
                                     .Record("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1")
                                     .Record("[END:]")
                                     .Bytes();
    EXPECT_EQ(fs.Content(kFile), expected);
}

// The writer looks at a text eight bytes at a time to tell whether it can be copied as it is; a NUL or a
// character outside ASCII at any place of a text, short or long, must still be seen.
TEST_F(FileHandlerTest, EveryNulAndEveryCharacterOutsideAsciiIsSeenWhereverItStands) {
    clsMenuCollection tree;
    clsMenuItem& personal = Add(tree, MIT_GROUP_USER, "Personal", "-1", true);
    const auto remarkRecord = [&](const std::string& remark) {
        personal.SetRemark(remark);
        return std::string(SplitConfigRecords(handler.ConfigurationBytes(tree)).at(17));
    };
    for (size_t length = 1; length <= 20; ++length) {
        for (size_t at = 0; at < length; ++at) {
            SCOPED_TRACE(testing::Message() << length << " " << at);
            std::string withNul(length, 'x');
            withNul[at] = '\0';
            EXPECT_EQ(remarkRecord(withNul), std::string(length - 1, 'x'));
            std::string withAccent(length, 'x');
            withAccent.replace(at, 1, "\xC3\xA9"); // "é"
            EXPECT_EQ(remarkRecord(withAccent), std::string(at, 'x') + "\xE9" + std::string(length - at - 1, 'x'));
        }
    }
}

TEST_F(FileHandlerTest, LoadReadsTheLayoutAndDropsWhatTheProgramMakesItself) {
    ItemFields group;
    group.Position = "1";
    group.Name = "N7";
    group.Caption = "Pro:je\xE7ts"; // the colon goes, the byte is ç in Windows-1252
    group.OwnerName = "MIT_GROUP_USER";
    group.SubMenu = "True";
    group.ItemType = "MIT_GROUP_GENERAL";
    group.ItemPath = "\\Projects";
    group.ItemLocation = "\\\\Personal";
    group.TimeCreated = "1|2|2003|4|5|6|";
    ItemFields shortcut;
    shortcut.Name = "N8";
    shortcut.Caption = "Src";
    shortcut.flags = "256";
    shortcut.OwnerName = "N7";
    shortcut.IconID = "4";
    shortcut.OpenType = "MIT_PATH_EXPLORER";
    shortcut.DriveType = "5";
    shortcut.Description = "Folder Shortcut";
    shortcut.FolderPath = "C:\\Src";
    shortcut.NetworkPath = "ignored";
    shortcut.Remark = "REMARK_AUTO";
    shortcut.KeyboardCode = "50";
    shortcut.UserDescription = "sources";
    shortcut.TimeModified = "29|2|2024|0|0|0|";
    shortcut.TimeAccessed = "31|2|2026|25|61|61|";
    ItemFields separator;
    separator.Name = "N9";
    separator.OwnerName = "N7";
    separator.Separator = "True";
    ItemFields organize;
    organize.Name = "MIT_HF_ORGANIZE";
    organize.OwnerName = "-1";
    ItemFields drive;
    drive.Name = "N10";
    drive.OwnerName = "N7";
    drive.ItemType = "MIT_DRIVE";

    fs.AddFile(kFile, FileBuilder()
                          .Record("stray before any section")
                          .Record("[END:]")
                          .SummaryBlock("[SUMMARY_AUTHOR:]", "Ann \xC9")
                          .Record("[MIT_GROUP_USER:]")
                          .Item(PersonalGroupRecord())
                          .Item(group)
                          .Item(separator)
                          .Item(organize)
                          .Item(drive)
                          .Item(shortcut)
                          .Record("[END:]")
                          .Raw("trailing bytes without NUL")
                          .Bytes());
    handler.Summary().SummaryTitle = "kept";

    clsMenuCollection tree;
    ASSERT_TRUE(handler.LoadConfigFile(tree, kFile));
    EXPECT_EQ(handler.LoadedConfigFile(), kFile);
    EXPECT_EQ(completions, std::vector<bool>{true}); // no System Folders section: generate it
    EXPECT_EQ(handler.Summary().SummaryAuthor, "Ann \xC3\x89");
    EXPECT_EQ(handler.Summary().SummaryTitle, "kept");

    ASSERT_EQ(tree.Count(), 3);
    EXPECT_EQ(tree.Item(1)->Name(), MIT_GROUP_USER);
    const clsMenuItem& projects = *tree.Item(2);
    EXPECT_EQ(projects.Name(), "N7");
    EXPECT_EQ(projects.Caption(), "Proje\xC3\xA7ts");
    EXPECT_EQ(projects.Position(), 1);
    EXPECT_TRUE(projects.SubMenu());
    EXPECT_EQ(projects.ItemType(), MIT_GROUP_GENERAL);
    EXPECT_EQ(projects.IconID(), ICON_GROUP);
    EXPECT_EQ(projects.ItemPath(), "\\Projects");
    EXPECT_EQ(projects.ItemLocation(), "\\\\Personal");
    EXPECT_EQ(projects.TimeCreated(), (DateTime{2003, 2, 1, 4, 5, 6}));
    EXPECT_TRUE(projects.TimeModified().IsZero());

    const clsMenuItem& src = *tree.Item(3);
    EXPECT_EQ(src.Name(), "N8");
    EXPECT_EQ(src.flags(), 256);
    EXPECT_EQ(src.OwnerName(), "N7");
    EXPECT_EQ(src.OpenType(), MIT_PATH_EXPLORER);
    EXPECT_EQ(src.IconID(), ICON_EXPLORER_SHORTCUT);
    EXPECT_EQ(src.DriveType(), 5);
    EXPECT_EQ(src.FolderPath(), "C:\\Src");
    EXPECT_EQ(src.NetworkPath(), "");
    EXPECT_EQ(src.Remark(), REMARK_AUTO);
    EXPECT_EQ(src.KeyboardCode(), 50);
    EXPECT_EQ(src.UserDescription(), "sources");
    EXPECT_TRUE(src.TimeCreated().IsZero()); // an empty record is the zero date-time
    EXPECT_EQ(src.TimeModified(), (DateTime{2024, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(src.TimeAccessed().IsZero()); // 31 February
}

TEST_F(FileHandlerTest, SystemFoldersSectionFollowsTheOption) {
    ItemFields system;
    system.Name = "MIT_PATHS_SYSTEM";
    system.OwnerName = "-1";
    system.SubMenu = "True";
    system.ItemType = "MIT_PATHS_SYSTEM";
    const std::string file = FileBuilder()
                                 .Record("[MIT_GROUP_USER:]")
                                 .Item(PersonalGroupRecord())
                                 .Record("[END:]")
                                 .Record("[MIT_PATHS_SYSTEM:]")
                                 .Item(system)
                                 .Record("[END:]")
                                 .Bytes();
    fs.AddFile(kFile, file);

    clsMenuCollection withSystem;
    ASSERT_TRUE(handler.LoadConfigFile(withSystem, kFile));
    EXPECT_EQ(withSystem.Count(), 2);
    EXPECT_EQ(completions, std::vector<bool>{false}); // read from the file: nothing to generate

    SetShowSystemFolders(false);
    clsMenuCollection without;
    ASSERT_TRUE(handler.LoadConfigFile(without, kFile));
    EXPECT_EQ(without.Count(), 1);
    EXPECT_FALSE(without.ItemExists(MIT_PATHS_SYSTEM));
    EXPECT_EQ(completions, (std::vector<bool>{false, false}));
    // The next save drops the section.
    ASSERT_TRUE(handler.SaveConfigFile(without, kFile, false));
    EXPECT_EQ(fs.Content(kFile)->find("[MIT_PATHS_SYSTEM:]"), std::string::npos);
}

TEST_F(FileHandlerTest, ItemsCutShortByTheEndOfTheFileAreNotAdded) {
    ItemFields second;
    second.Name = "N2";
    second.OwnerName = "MIT_GROUP_USER";
    // The last item has no "[END:]" after it.
    fs.AddFile(kFile,
               FileBuilder().Record("[MIT_GROUP_USER:]").Item(PersonalGroupRecord()).Item(second).Bytes());
    clsMenuCollection tree;
    ASSERT_TRUE(handler.LoadConfigFile(tree, kFile));
    ASSERT_EQ(tree.Count(), 1);
    EXPECT_EQ(tree.Item(1)->Name(), MIT_GROUP_USER);

    // The file breaks off inside an item.
    std::string truncated = FileBuilder().Record("[MIT_GROUP_USER:]").Item(PersonalGroupRecord()).Bytes();
    truncated += FileBuilder().Item(second).Bytes().substr(0, 20);
    fs.AddFile(kFile, truncated);
    clsMenuCollection tree2;
    ASSERT_TRUE(handler.LoadConfigFile(tree2, kFile));
    ASSERT_EQ(tree2.Count(), 1); // the personal group had a record after it
    EXPECT_FALSE(tree2.ItemExists("N2"));
    EXPECT_EQ(completions.size(), 2u);
}

TEST_F(FileHandlerTest, AnEmptySectionDoesNotSwallowTheNextOne) {
    ItemFields system;
    system.Name = "MIT_PATHS_SYSTEM";
    system.OwnerName = "-1";
    system.SubMenu = "True";
    ItemFields child;
    child.Name = "SYS1";
    child.OwnerName = "MIT_PATHS_SYSTEM";
    fs.AddFile(kFile, FileBuilder()
                          .Record("[MIT_GROUP_USER:]")
                          .Record("[END:]")
                          .Record("[MIT_PATHS_SYSTEM:]")
                          .Item(system)
                          .Item(child)
                          .Record("[END:]")
                          .SummaryBlock("[SUMMARY_TITLE:]", "after")
                          .Bytes());
    clsMenuCollection tree;
    ASSERT_TRUE(handler.LoadConfigFile(tree, kFile));
    ASSERT_EQ(tree.Count(), 2);
    EXPECT_EQ(tree.Item(2)->Name(), "SYS1");
    EXPECT_EQ(handler.Summary().SummaryTitle, "after");
    EXPECT_EQ(completions, std::vector<bool>{false});

    // An empty System Folders section brings no group, so the group must still be made.
    fs.AddFile(kFile, FileBuilder()
                          .Record("[MIT_GROUP_USER:]")
                          .Item(PersonalGroupRecord())
                          .Record("[END:]")
                          .Record("[MIT_PATHS_SYSTEM:]")
                          .Record("[END:]")
                          .SummaryBlock("[SUMMARY_TITLE:]", "kept")
                          .Bytes());
    clsMenuCollection withEmptySystem;
    ASSERT_TRUE(handler.LoadConfigFile(withEmptySystem, kFile));
    EXPECT_EQ(withEmptySystem.Count(), 1);
    EXPECT_EQ(handler.Summary().SummaryTitle, "kept");
    EXPECT_EQ(completions, (std::vector<bool>{false, true}));
}

TEST_F(FileHandlerTest, MissingEmptyAndUnreadableFilesFailToLoad) {
    clsMenuCollection tree;
    EXPECT_FALSE(handler.LoadConfigFile(tree, "C:\\Users\\Ann\\none.krvc"));
    EXPECT_EQ(handler.LoadedConfigFile(), "C:\\Users\\Ann\\none.krvc");

    fs.AddFile(kFile, "");
    EXPECT_FALSE(handler.LoadConfigFile(tree, kFile));
    EXPECT_FALSE(fs.Exists(kFile)); // an empty file is deleted

    fs.AddFile(kFile, FileBuilder().Record("[MIT_GROUP_USER:]").Bytes());
    fs.FailReadOf(kFile);
    EXPECT_FALSE(handler.LoadConfigFile(tree, kFile));
    EXPECT_TRUE(fs.Exists(kFile));
    EXPECT_TRUE(completions.empty());

    // An empty path means the current file.
    handler.SetCurrentConfigFile("C:\\Users\\Ann\\current.krvc");
    fs.AddFile("C:\\Users\\Ann\\current.krvc", FileBuilder().Record("[END:]").Bytes());
    EXPECT_TRUE(handler.LoadConfigFile(tree, ""));
    EXPECT_EQ(handler.LoadedConfigFile(), "C:\\Users\\Ann\\current.krvc");
}

TEST_F(FileHandlerTest, AFullCollectionFailsTheLoadAndKeepsWhatWasAdded) {
    clsMenuCollection tree;
    for (int32_t i = 0; i < clsMenuCollection::kMaxItems - 1; ++i) {
        clsMenuItem filler;
        tree.AddOne(std::move(filler), true, false);
    }
    ItemFields a;
    a.Name = "A";
    a.OwnerName = "MIT_GROUP_USER";
    ItemFields b = a;
    b.Name = "B";
    fs.AddFile(kFile, FileBuilder().Record("[MIT_GROUP_USER:]").Item(a).Item(b).Record("[END:]").Bytes());
    EXPECT_FALSE(handler.LoadConfigFile(tree, kFile));
    EXPECT_TRUE(tree.ItemExists("A"));
    EXPECT_FALSE(tree.ItemExists("B"));
    EXPECT_TRUE(completions.empty());
}

TEST_F(FileHandlerTest, BadFieldTextsKeepTheirDefaults) {
    ItemFields bad;
    bad.Position = "twelve";
    bad.Name = "N1";
    bad.flags = "99999999999";
    bad.OwnerName = "MIT_GROUP_USER";
    bad.IconID = "70000";
    bad.Separator = "perhaps";
    bad.SubMenu = "";
    bad.DriveType = "x";
    bad.KeyboardCode = "-";
    bad.TimeCreated = "garbage";
    bad.TimeModified = "1|1|2000|xx|0|0|";
    bad.TimeAccessed = "||||||";
    fs.AddFile(kFile, FileBuilder().Record("[MIT_GROUP_USER:]").Item(bad).Record("[END:]").Bytes());
    clsMenuCollection tree;
    ASSERT_TRUE(handler.LoadConfigFile(tree, kFile));
    ASSERT_EQ(tree.Count(), 1);
    const clsMenuItem& item = *tree.Item(1);
    EXPECT_EQ(item.Position(), 0);
    EXPECT_EQ(item.flags(), 0);
    EXPECT_EQ(item.IconID(), ICON_FOLDER_SHORTCUT);
    EXPECT_FALSE(item.Separator());
    EXPECT_FALSE(item.SubMenu());
    EXPECT_EQ(item.DriveType(), 3);
    EXPECT_EQ(item.KeyboardCode(), -1);
    EXPECT_TRUE(item.TimeCreated().IsZero());
    EXPECT_EQ(item.TimeModified(), (DateTime{2000, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(item.TimeAccessed().IsZero());
}

TEST_F(FileHandlerTest, ItemsThatOwnThemselvesAreLoadedAndSavedWithoutHanging) {
    ItemFields selfOwned;
    selfOwned.Name = "N1";
    selfOwned.OwnerName = "N1";
    ItemFields loopA;
    loopA.Name = "N2";
    loopA.OwnerName = "N3";
    ItemFields loopB = loopA;
    loopB.Name = "N3";
    loopB.OwnerName = "N2";
    ItemFields selfGroup = PersonalGroupRecord();
    selfGroup.OwnerName = "MIT_GROUP_USER";
    fs.AddFile(kFile, FileBuilder()
                          .Record("[MIT_GROUP_USER:]")
                          .Item(selfGroup)
                          .Item(selfOwned)
                          .Item(loopA)
                          .Item(loopB)
                          .Record("[END:]")
                          .Bytes());
    clsMenuCollection tree;
    ASSERT_TRUE(handler.LoadConfigFile(tree, kFile));
    EXPECT_EQ(tree.Count(), 4);
    // Only the group itself belongs to its section: nothing else reaches it.
    EXPECT_EQ(handler.ConfigurationBytes(tree),
              FileBuilder().Record("[MIT_GROUP_USER:]").Item(selfGroup).Record("[END:]").Bytes() +
                  FileBuilder().Record("[MIT_PATHS_SYSTEM:]").Record("[END:]").Bytes());
    EXPECT_EQ(handler.TextListingBytes(tree).substr(handler.TextListingBytes(tree).rfind("\r\n\r\n") + 4),
              "[Personal]\r\n");
}

// The records as the layout defines them: the texts before each NUL, nothing after the last one.
std::vector<std::string_view> RecordsOneByOne(std::string_view bytes) {
    std::vector<std::string_view> records;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0') {
            records.push_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    }
    return records;
}

// The cursor finds the NULs many bytes at a time, so records that end at, just before and just after such a
// step, and records longer than one, must come out as they are.
TEST(RecordCursor, FindsEveryRecordAndNothingAfterTheLastNul) {
    const auto nuls = [](std::string text, std::initializer_list<size_t> at) {
        for (size_t i : at)
            text[i] = '\0';
        return text;
    };
    const std::string cases[] = {
        "",
        std::string(1, '\0'),
        std::string(40, '\0'),
        std::string(100, 'x'),
        nuls(std::string(64, 'a'), {15, 16, 17, 31, 32, 47}),
        nuls(std::string(64, 'b'), {0, 63}),
        nuls(std::string(70, 'c'), {40}) + "tail without a NUL",
        nuls(std::string(33, 'd'), {32}),
        nuls(std::string(500, 'e'), {3, 250, 251, 499}),
        std::string("\xFF\x80\x01", 3) + std::string(1, '\0') + "\x7F",
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes.size()));
        std::vector<std::string_view> walked;
        RecordCursor cursor(bytes);
        for (std::string_view record; cursor.Next(record);)
            walked.push_back(record);
        std::string_view after;
        EXPECT_FALSE(cursor.Next(after)); // and stays at the end
        EXPECT_EQ(walked, RecordsOneByOne(bytes));
        EXPECT_EQ(SplitConfigRecords(bytes), RecordsOneByOne(bytes));
    }
}

TEST(FileDate, FormatAndParse) {
    EXPECT_EQ(FormatFileDate(DateTime{2026, 12, 7, 8, 5, 3}), "7|12|2026|8|5|3|");
    EXPECT_EQ(FormatFileDate(DateTime::Zero()), "");
    EXPECT_EQ(ParseFileDate("7|12|2026|8|5|3|"), (DateTime{2026, 12, 7, 8, 5, 3}));
    EXPECT_EQ(ParseFileDate("07|12|2026|08|05|03"), (DateTime{2026, 12, 7, 8, 5, 3}));
    EXPECT_EQ(ParseFileDate("7|12|2026"), (DateTime{2026, 12, 7, 0, 0, 0}));
    EXPECT_EQ(ParseFileDate("7|12|2026|24|0|0|"), (DateTime{2026, 12, 7, 0, 0, 0}));
    EXPECT_TRUE(ParseFileDate("").IsZero());
    EXPECT_TRUE(ParseFileDate("31|2|2026|25|61|61|").IsZero());
    EXPECT_TRUE(ParseFileDate("29|2|2100|1|1|1|").IsZero());
    EXPECT_TRUE(ParseFileDate("1|1|99|1|1|1|").IsZero());
    EXPECT_TRUE(ParseFileDate("|").IsZero());
    EXPECT_TRUE(ParseFileDate("1|1|99999999999999999999|").IsZero());
}

TEST_F(FileHandlerTest, HostileContentLoadsWithoutHarm) {
    clsMenuCollection tree;
    fs.AddFile(kFile, std::string(4096, '\0'));
    EXPECT_TRUE(handler.LoadConfigFile(tree, kFile));
    EXPECT_EQ(tree.Count(), 0);

    std::string binary;
    for (int i = 0; i < 70000; ++i)
        binary += static_cast<char>((i * 7919 + 13) % 256);
    fs.AddFile(kFile, binary);
    EXPECT_TRUE(handler.LoadConfigFile(tree, kFile));

    // Thousands of empty records inside a section make items of empty fields (named by the collection).
    FileBuilder empties;
    empties.Record("[MIT_GROUP_USER:]");
    for (int i = 0; i < 22 * 1000; ++i)
        empties.Record("");
    empties.Record("[END:]");
    fs.AddFile(kFile, empties.Bytes());
    clsMenuCollection emptyItems;
    EXPECT_TRUE(handler.LoadConfigFile(emptyItems, kFile));
    EXPECT_EQ(emptyItems.Count(), 1000);

    ItemFields huge;
    huge.Name = "N1";
    huge.Caption = std::string(1 << 20, '\xE9');
    huge.OwnerName = "MIT_GROUP_USER";
    fs.AddFile(kFile, FileBuilder().Record("[MIT_GROUP_USER:]").Item(huge).Record("[END:]").Bytes());
    clsMenuCollection hugeTree;
    ASSERT_TRUE(handler.LoadConfigFile(hugeTree, kFile));
    ASSERT_EQ(hugeTree.Count(), 1);
    EXPECT_EQ(hugeTree.Item(1)->Caption().size(), size_t{2} << 20); // é is two bytes in UTF-8
}

// Builds a tree as a user would, through the collection's own operations.
void BuildUserTree(clsMenuCollection& tree) {
    tree.AddNewMenuItem({.Caption = "Personal",
                         .OwnerName = "-1",
                         .Name = MIT_GROUP_USER,
                         .SubMenu = true,
                         .ComputePath = true});
    clsMenuItem* work = tree.AddNewMenuItem(
        {.Caption = "Work", .OwnerName = MIT_GROUP_USER, .SubMenu = true, .ComputePath = true});
    clsMenuItem* deep = tree.AddNewMenuItem({.Caption = "D\xC3\xA9j\xC3\xA0 vu \xE2\x80\x93 \xC5\x93uvre",
                                             .OwnerName = work->Name(),
                                             .SubMenu = true,
                                             .ComputePath = true,
                                             .UserDescription = "nested"}); // "Déjà vu – œuvre"
    tree.AddNewMenuItem({.Caption = "Reports",
                         .OwnerName = deep->Name(),
                         .FolderPath = "C:\\Reports",
                         .OpenType = MIT_PATH_EXPLORER,
                         .ComputePath = true,
                         .KeyboardCode = 51,
                         .UserDescription = "quarterly \xE2\x82\xAC"});
    tree.AddNewMenuItem({.Caption = "Mail",
                         .OwnerName = work->Name(),
                         .FolderPath = "\\\\server\\mail",
                         .ComputePath = true,
                         .KeyboardCode = 49});
    tree.AddNewMenuItem({.OwnerName = work->Name(), .ItemType = MIT_OPENALL, .ComputePath = true});
    tree.AddNewMenuItem({.Caption = "Music",
                         .OwnerName = MIT_GROUP_USER,
                         .FolderPath = "E:\\M\xC3\xBCsik",
                         .ComputePath = true});
    tree.AddNewMenuItem({.Caption = "System Folders",
                         .OwnerName = "-1",
                         .Name = MIT_PATHS_SYSTEM,
                         .ItemType = MIT_PATHS_SYSTEM,
                         .SubMenu = true,
                         .ComputePath = true});
    tree.AddNewMenuItem({.Caption = "Windows",
                         .OwnerName = MIT_PATHS_SYSTEM,
                         .FolderPath = "C:\\Windows",
                         .ComputePath = true});
    int second = 0;
    for (clsMenuItem& item : tree) {
        item.SetTimeCreated(DateTime{2025, 3, 4, 5, 6, second++});
        if (item.Caption() == "Mail")
            item.SetTimeModified(DateTime{2026, 1, 2, 23, 59, 58});
    }
}

void ExpectSameItems(const clsMenuCollection& expected, const clsMenuCollection& actual) {
    ASSERT_EQ(expected.Count(), actual.Count());
    for (int32_t i = 1; i <= expected.Count(); ++i) {
        const clsMenuItem& a = *expected.Item(i);
        const clsMenuItem& b = *actual.Item(i);
        SCOPED_TRACE(a.Name());
        EXPECT_EQ(a.Name(), b.Name());
        EXPECT_EQ(a.Caption(), b.Caption());
        EXPECT_EQ(a.CaptionMenu(), b.CaptionMenu());
        EXPECT_EQ(a.OwnerName(), b.OwnerName());
        EXPECT_EQ(a.ItemType(), b.ItemType());
        EXPECT_EQ(a.OpenType(), b.OpenType());
        EXPECT_EQ(a.SubMenu(), b.SubMenu());
        EXPECT_EQ(a.IconID(), b.IconID());
        EXPECT_EQ(a.Description(), b.Description());
        EXPECT_EQ(a.FolderPath(), b.FolderPath());
        EXPECT_EQ(a.ItemPath(), b.ItemPath());
        EXPECT_EQ(a.ItemLocation(), b.ItemLocation());
        EXPECT_EQ(a.KeyboardCode(), b.KeyboardCode());
        EXPECT_EQ(a.UserDescription(), b.UserDescription());
        EXPECT_EQ(a.TimeCreated(), b.TimeCreated());
        EXPECT_EQ(a.TimeModified(), b.TimeModified());
        EXPECT_EQ(a.TimeAccessed(), b.TimeAccessed());
    }
}

TEST_F(FileHandlerTest, RoundTripKeepsEveryItemInOrder) {
    clsMenuCollection tree;
    BuildUserTree(tree);
    handler.Summary() = {"Title", "Author \xC3\x85", "Category", "Key, words", "Comments"};
    ASSERT_TRUE(handler.SaveConfigFile(tree, kFile, false));

    modFileHandler reader{fs, codePage, regHandler, "C:\\Program Files\\Karvello", options, nullptr};
    clsMenuCollection loaded;
    ASSERT_TRUE(reader.LoadConfigFile(loaded, kFile));
    ExpectSameItems(tree, loaded);
    EXPECT_EQ(reader.Summary(), handler.Summary());

    // And the file it writes is the file it read.
    const std::string first = *fs.Content(kFile);
    ASSERT_TRUE(reader.SaveConfigFile(loaded, kFile, false));
    EXPECT_EQ(fs.Content(kFile), first);
}

TEST_F(FileHandlerTest, AFailedSaveLeavesThePreviousFileAsItWas) {
    clsMenuCollection tree;
    BuildUserTree(tree);
    const std::string previous = FileBuilder().Record("[MIT_GROUP_USER:]").Record("[END:]").Bytes();
    fs.AddFile(kFile, previous);
    fs.FailReplaceAfterBytes(300);
    EXPECT_FALSE(handler.SaveConfigFile(tree, kFile, false));
    EXPECT_EQ(fs.Content(kFile), previous);
    EXPECT_FALSE(handler.SaveConfigFile(tree, kFile, true));
    EXPECT_EQ(fs.Content(kFile), previous);
    EXPECT_EQ(fs.AllPaths(), (std::vector<std::string>{"C:", "C:\\Users", "C:\\Users\\Ann", kFile}));

    fs.FailReplaceAfterBytes(std::nullopt);
    EXPECT_FALSE(handler.SaveConfigFile(tree, "C:\\No\\Such\\Folder\\x.krvc", false));
    EXPECT_FALSE(handler.SaveConfigFile(tree, "", false)); // no current file yet
}

TEST_F(FileHandlerTest, TextListingIsTheTreeDepthFirst) {
    clsMenuCollection tree;
    BuildUserTree(tree);
    tree.AddNewMenuItem({.Caption = "Drives",
                         .OwnerName = "-1",
                         .Name = MIT_PATHS_DRIVES,
                         .ItemType = MIT_PATHS_DRIVES,
                         .SubMenu = true});
    handler.SetLoadedConfigFile("C:\\Users\\Ann\\Mes r\xC3\xA9glages.krvc");
    ASSERT_TRUE(handler.SaveConfigFile(tree, "C:\\Users\\Ann\\list.txt", true));
    const std::string expected = "C:\\Users\\Ann\\Mes r\xE9glages.krvc\r\n"
                                 "\r\n"
                                 "Number of shortcuts: 4\r\n"
                                 "Number of Folder Shortcuts: 3\r\n"
                                 "Number of Windows Explorer Shortcuts: 1\r\n"
                                 "Number of Open-All shortcuts: 1\r\n"
                                 "Number of groups: 5\r\n"
                                 "\r\n"
                                 "[Personal]\r\n"
                                 " [Work]\r\n"
                                 "  [D\xE9j\xE0 vu \x96 \x9Cuvre]\r\n"
                                 "   Reports (C:\\Reports)\r\n"
                                 "  Mail (\\\\server\\mail)\r\n"
                                 "  Open-All ()\r\n"
                                 " Music (E:\\M\xFCsik)\r\n"
                                 "[System Folders]\r\n"
                                 " Windows (C:\\Windows)\r\n";
    EXPECT_EQ(fs.Content("C:\\Users\\Ann\\list.txt"), expected);

    SetShowSystemFolders(false);
    const std::string listing = handler.TextListingBytes(tree);
    EXPECT_EQ(listing, expected.substr(0, expected.find("[System Folders]")));
}

TEST_F(FileHandlerTest, UpdateSummaryReplacesOnlyTheSummaryBlocks) {
    ItemFields tricky;
    tricky.Name = "N1";
    tricky.OwnerName = "MIT_GROUP_USER";
    tricky.UserDescription = "[SUMMARY_TITLE:]"; // text that reads like a tag, inside an item
    const std::string items = FileBuilder()
                                  .Record("[MIT_GROUP_USER:]")
                                  .Item(PersonalGroupRecord())
                                  .Item(tricky)
                                  .Record("[END:]")
                                  .Bytes();
    fs.AddFile(kFile, FileBuilder()
                          .Raw(items)
                          .SummaryBlock("[SUMMARY_TITLE:]", "old title")
                          .SummaryBlock("[SUMMARY_KEYWORDS:]", "old keywords")
                          .Bytes());
    handler.Summary().SummaryAuthor = "New author";
    handler.Summary().SummaryTitle = "New title";
    EXPECT_TRUE(handler.UpdateSummary(kFile));
    EXPECT_EQ(fs.Content(kFile), FileBuilder()
                                     .Raw(items)
                                     .SummaryBlock("[SUMMARY_TITLE:]", "New title")
                                     .SummaryBlock("[SUMMARY_AUTHOR:]", "New author")
                                     .Bytes());

    // A tag without "[END:]" after it: the block runs to the end of the file. Bytes after the last NUL go
    // too.
    fs.AddFile(kFile,
               FileBuilder().Raw(items).Record("[SUMMARY_COMMENTS:]").Record("unfinished").Raw("xx").Bytes());
    handler.Summary() = {};
    EXPECT_TRUE(handler.UpdateSummary(kFile));
    EXPECT_EQ(fs.Content(kFile), items);

    // No file: nothing is written.
    EXPECT_TRUE(handler.UpdateSummary("C:\\Users\\Ann\\none.krvc"));
    EXPECT_FALSE(fs.Exists("C:\\Users\\Ann\\none.krvc"));

    // A failed write keeps the file and reports it.
    handler.Summary().SummaryTitle = "x";
    fs.FailReplaceAfterBytes(10);
    EXPECT_FALSE(handler.UpdateSummary(kFile));
    EXPECT_EQ(fs.Content(kFile), items);
}

// The names of the items of every section of a saved file, by section tag, in the order written.
std::map<std::string, std::vector<std::string>> NamesBySection(const std::string& bytes) {
    std::map<std::string, std::vector<std::string>> sections;
    const std::vector<std::string_view> records = SplitConfigRecords(bytes);
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i] != TAG_GROUP_USER && records[i] != TAG_PATHS_SYSTEM)
            continue;
        std::vector<std::string>& names = sections[std::string(records[i])];
        for (++i; i + 1 < records.size() && records[i] != TAG_END; i += kFieldsPerItem)
            names.emplace_back(records[i + 1]);
    }
    return sections;
}

// Each stored item goes to the section of the top-level group its owners lead to, as the tree tells it;
// owners that are missing, form a loop or end at another top-level item keep it out of the file.
TEST_F(FileHandlerTest, EveryItemIsSavedInTheSectionItsOwnersLeadTo) {
    clsMenuCollection tree;
    Add(tree, MIT_GROUP_USER, "Personal", "-1", true);
    Add(tree, "G1", "Work", MIT_GROUP_USER, true);
    Add(tree, "S1", "Deep", "G2", false); // its owner comes later in the list
    Add(tree, "G2", "Inner", "G1", true);
    Add(tree, "S2", "In G1", "G1");
    Add(tree, MIT_PATHS_SYSTEM, "System Folders", "-1", true);
    Add(tree, "S3", "Windows", MIT_PATHS_SYSTEM);
    Add(tree, "S4", "Lost", "NO_SUCH_GROUP");
    Add(tree, "L1", "Loop one", "L2", true);
    Add(tree, "L2", "Loop two", "L1", true);
    Add(tree, "T1", "Other top", "-1", true);
    Add(tree, "S5", "Under other", "T1");
    Add(tree, "S6", "In G2", "G2");
    Add(tree, "S7", "Also in G1", "G1");

    ASSERT_TRUE(handler.SaveConfigFile(tree, kFile, false));
    const auto sections = NamesBySection(*fs.Content(kFile));
    const std::map<std::string, std::vector<std::string>> expected = {
        {TAG_GROUP_USER, {MIT_GROUP_USER, "G1", "S1", "G2", "S2", "S6", "S7"}},
        {TAG_PATHS_SYSTEM, {MIT_PATHS_SYSTEM, "S3"}},
    };
    EXPECT_EQ(sections, expected);
    // The items left out are the ones counted as dropped.
    EXPECT_EQ(handler.CountItemsASaveWouldDrop(tree), 5); // S4, L1, L2, T1, S5
    for (const clsMenuItem& item : tree) {
        const std::string root = item.Name() == MIT_GROUP_USER || item.Name() == MIT_PATHS_SYSTEM
                                     ? item.Name()
                                     : tree.GetItemRootNode(item);
        const std::string tag = "[" + root + ":]";
        const bool saved = sections.contains(tag) &&
                           std::ranges::count(sections.at(tag), item.Name()) == 1;
        EXPECT_EQ(saved, root == MIT_GROUP_USER || root == MIT_PATHS_SYSTEM) << item.Name();
    }
}

// Whatever a tree holds, the file it is saved to loads back into a tree that is saved to the same bytes.
TEST_F(FileHandlerTest, SavingWhatWasLoadedWritesTheSameBytes) {
    const auto textsOutsideTheCodePage = [this](clsMenuCollection& tree) {
        Add(tree, MIT_GROUP_USER, "Personal", "-1", true);
        Add(tree, "N1", "\xC5\x81\xC3\xB3\x64\xC5\xBA", MIT_GROUP_USER).SetFolderPath("C:\\\xE6\x9D\xB1");
        Add(tree, "N2", "caf\xC3\xA9 \xE2\x82\xAC", MIT_GROUP_USER).SetRemark("\xF0\x9F\x93\xB7");
        handler.Summary().SummaryKeywords = "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1";
    };
    const auto manyGroups = [this](clsMenuCollection& tree) {
        Add(tree, MIT_GROUP_USER, "Personal", "-1", true);
        for (int g = 1; g <= 20; ++g) {
            const std::string group = "G" + std::to_string(g);
            Add(tree, group, "Group " + std::to_string(g), g % 4 == 0 ? "G" + std::to_string(g - 1) : MIT_GROUP_USER,
                true);
            for (int i = 1; i <= 30; ++i) {
                clsMenuItem& item = Add(tree, group + "_" + std::to_string(i), "Item " + std::to_string(i), group);
                item.SetFolderPath("D:\\Data\\" + group + "\\" + std::to_string(i));
                item.SetKeyboardCode(i % 7 == 0 ? 48 + i % 10 : -1);
                item.SetTimeModified(kModified);
            }
        }
    };
    const auto bothSections = [this](clsMenuCollection& tree) {
        BuildUserTree(tree);
        Add(tree, "SYS2", "Temp", MIT_PATHS_SYSTEM).SetFolderPath("C:\\Temp");
        handler.Summary() = {"Title", "Author", "", "Key, words", "line one\r\nline two"};
    };
    const struct {
        const char* name;
        std::function<void(clsMenuCollection&)> build;
    } cases[] = {
        {"texts outside the code page", textsOutsideTheCodePage},
        {"many groups", manyGroups},
        {"both sections", bothSections},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        handler.Summary() = {};
        clsMenuCollection tree;
        c.build(tree);
        ASSERT_TRUE(handler.SaveConfigFile(tree, kFile, false));
        const std::string first = *fs.Content(kFile);

        clsMenuCollection loaded;
        ASSERT_TRUE(handler.LoadConfigFile(loaded, kFile));
        EXPECT_TRUE(handler.LastLoadStatus().Clean());
        EXPECT_EQ(loaded.Count(), tree.Count() - handler.CountItemsASaveWouldDrop(tree));
        EXPECT_EQ(handler.ConfigurationBytes(loaded), first);
    }
}

TEST_F(FileHandlerTest, ConfigFileNameComesFromTheRegistryOrBesideTheProgram) {
    handler.GetConfigFileName(false);
    EXPECT_EQ(handler.CurrentConfigFile(), "C:\\Program Files\\Karvello\\default.krvc");

    registry.PutString(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, "ConfigFile", "D:\\mine.krvc");
    handler.GetConfigFileName(false);
    EXPECT_EQ(handler.CurrentConfigFile(), "D:\\mine.krvc");
    handler.GetConfigFileName(true);
    EXPECT_EQ(handler.CurrentConfigFile(), "C:\\Program Files\\Karvello\\default.krvc");

    registry.PutString(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, "ConfigFile", "");
    handler.GetConfigFileName(false);
    EXPECT_EQ(handler.CurrentConfigFile(), "C:\\Program Files\\Karvello\\default.krvc");

    EXPECT_TRUE(handler.SaveConfigFileName(""));
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, "ConfigFile"),
              "C:\\Program Files\\Karvello\\default.krvc");
    EXPECT_TRUE(handler.SaveConfigFileName("E:\\other.krvc"));
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, "ConfigFile"), "E:\\other.krvc");

    modFileHandler atRoot{fs, codePage, regHandler, "C:\\", options, nullptr};
    atRoot.GetConfigFileName(true);
    EXPECT_EQ(atRoot.CurrentConfigFile(), "C:\\default.krvc");
}

} // namespace
} // namespace krv
