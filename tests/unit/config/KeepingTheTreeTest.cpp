// The configuration file is the user's tree: a file that did not load is kept before anything is saved over
// it, every save keeps the previous versions, leftovers of killed saves never block a save, and texts the
// code page cannot hold survive a save.
#include <gtest/gtest.h>
#include <memory>

#include "config/modFileHandler.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/TestTrees.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"
#include "unit/config/ConfigFileBuilder.h"

namespace krv {
namespace {

using test::FileBuilder;
using test::ItemFields;

constexpr const char* kFile = "C:\\Users\\Ann\\tree.krvc";

ItemFields Shortcut(std::string name, std::string caption, std::string path) {
    return test::ShortcutFields(std::move(name), std::move(caption), "MIT_GROUP_USER", std::move(path), "");
}

std::string GoodFile(std::string caption = "Docs") {
    return FileBuilder()
        .Record("[MIT_GROUP_USER:]")
        .Item(test::GroupFields("MIT_GROUP_USER", "Personal", "-1", ""))
        .Item(Shortcut("N1", std::move(caption), "C:\\Docs"))
        .Record("[END:]")
        .Bytes();
}

class KeepingTheTreeTest : public ::testing::Test {
protected:
    KeepingTheTreeTest() {
        InitOptionNames(options);
        LoadOptions(options, regHandler, false);
        fs.AddFolder("C:\\Users\\Ann");
    }

    std::unique_ptr<clsMenuCollection> Load(const std::string& path = kFile) {
        auto tree = std::make_unique<clsMenuCollection>();
        handler.LoadConfigFile(*tree, path);
        return tree;
    }

    FakeFileSystem fs;
    Windows1252CodePage codePage;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    Options options;
    FakeMessageBox messages;
    modFileHandler handler{fs, codePage, regHandler, "C:\\Program Files\\Karvello", options, nullptr};
};

TEST_F(KeepingTheTreeTest, AFileThatDidNotLoadIsKeptBeforeTheFirstSaveOverIt) {
    std::string utf16;
    for (char c : GoodFile())
        utf16 += std::string{c, '\0'};
    const struct {
        const char* name;
        std::string content;
        LoadProblem problem;
    } cases[] = {
        {"random bytes", std::string("\x8f\x13\xfe\x00\x41\x00\xc3\x07garbage", 16),
         LoadProblem::NoPersonalGroup},
        {"a UTF-16 copy", utf16, LoadProblem::NoPersonalGroup},
        {"a text file", "[Settings]\r\nConfigFile=x\r\n", LoadProblem::NoPersonalGroup},
        {"NULs only", std::string(64, '\0'), LoadProblem::NoPersonalGroup},
        {"a cut-off file", GoodFile().substr(0, GoodFile().size() - 10), LoadProblem::CutOff},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs = FakeFileSystem();
        fs.AddFile(kFile, c.content);
        Load();
        const ConfigLoadStatus& status = handler.LastLoadStatus();
        EXPECT_EQ(status.Problem, c.problem);
        EXPECT_EQ(status.KeptCopy, std::string(kFile) + ".bad");
        EXPECT_EQ(fs.Content(std::string(kFile) + ".bad"), c.content);

        ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("New"), kFile, false));
        EXPECT_EQ(fs.Content(std::string(kFile) + ".bad"), c.content);
        EXPECT_NE(fs.Content(kFile), c.content);

        const std::string message = LoadProblemMessage(status);
        EXPECT_NE(message.find(kFile), std::string::npos) << message;
        EXPECT_NE(message.find(status.KeptCopy), std::string::npos) << message;
    }
}

TEST_F(KeepingTheTreeTest, AFileThatLoadedCleanlyIsNeitherCopiedNorReported) {
    fs.AddFile(kFile, GoodFile());
    Load();
    EXPECT_TRUE(handler.LastLoadStatus().Clean());
    ReportLoadProblem(messages, handler.LastLoadStatus());
    EXPECT_TRUE(messages.Shown().empty());
    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("New"), kFile, false));
    EXPECT_FALSE(fs.Exists(std::string(kFile) + ".bad"));
}

TEST_F(KeepingTheTreeTest, TheProblemIsShownOnceAsANotice) {
    fs.AddFile(kFile, "not a tree");
    Load();
    EXPECT_TRUE(ReportLoadProblem(messages, handler.LastLoadStatus()));
    EXPECT_FALSE(ReportLoadProblem(messages, handler.LastLoadStatus()));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].title, "Karvello");
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.Shown()[0].text, LoadProblemMessage(handler.LastLoadStatus()));
}

TEST_F(KeepingTheTreeTest, CopiesAreNumberedAndTheSameContentIsKeptOnce) {
    const std::string bad = std::string(kFile) + ".bad";
    fs.AddFile(bad, "someone else's copy");
    fs.AddFile(kFile, "first");
    Load();
    EXPECT_EQ(handler.LastLoadStatus().KeptCopy, bad + "2");
    Load(); // the same file at the next start
    EXPECT_EQ(handler.LastLoadStatus().KeptCopy, bad + "2");
    EXPECT_FALSE(fs.Exists(bad + "3"));
    EXPECT_EQ(fs.Content(bad), "someone else's copy");
}

TEST_F(KeepingTheTreeTest, NothingIsSavedOverAFileThatCouldNotBeKept) {
    const std::string bad = std::string(kFile) + ".bad";
    // The copy cannot be made, and then the file cannot be read: either way the save must not happen.
    fs.AddFile(kFile, "not a tree");
    fs.Lock(bad);
    Load();
    EXPECT_TRUE(handler.LastLoadStatus().KeptCopy.empty());
    EXPECT_NE(LoadProblemMessage(handler.LastLoadStatus()).find("will not save over it"), std::string::npos);
    EXPECT_FALSE(handler.SaveConfigFile(*test::OneShortcutTree("New"), kFile, false));
    EXPECT_FALSE(handler.SaveConfigFile(*test::OneShortcutTree("New"), kFile, true));
    EXPECT_EQ(fs.Content(kFile), "not a tree");

    fs = FakeFileSystem();
    fs.AddFile(kFile, GoodFile());
    fs.FailReadOf(kFile);
    Load();
    EXPECT_EQ(handler.LastLoadStatus().Problem, LoadProblem::Unreadable);
    EXPECT_FALSE(handler.SaveConfigFile(*test::OneShortcutTree("New"), kFile, false));
    EXPECT_EQ(fs.Content(kFile), GoodFile());
}

TEST_F(KeepingTheTreeTest, ACopyMadeLaterLetsTheSaveGoOn) {
    const std::string bad = std::string(kFile) + ".bad";
    fs.AddFile(kFile, "not a tree");
    fs.Lock(bad);
    Load();
    fs = FakeFileSystem(); // the folder accepts the copy again
    fs.AddFile(kFile, "not a tree");
    EXPECT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("New"), kFile, false));
    EXPECT_EQ(fs.Content(bad), "not a tree");
}

TEST_F(KeepingTheTreeTest, EverySaveKeepsThePreviousVersionsNewestFirst) {
    fs.AddFile(kFile, "v0");
    std::vector<std::string> versions{"v0"};
    for (const char* caption : {"A", "B", "C", "D"}) {
        ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree(caption), kFile, false));
        versions.push_back(*fs.Content(kFile));
        EXPECT_EQ(versions.back(),
                  handler.ConfigurationBytes(*test::OneShortcutTree(caption))); // the file's own bytes
    }
    // versions: v0 A B C D; the file holds D, the backups C, B, A.
    for (int n = 1; n <= kBackupCount; ++n)
        EXPECT_EQ(fs.Content(BackupFileName(kFile, n)), versions[versions.size() - 1 - n]) << n;
    EXPECT_FALSE(fs.Exists(BackupFileName(kFile, kBackupCount + 1)));

    // A save that changes nothing keeps the backups as they are.
    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("D"), kFile, false));
    EXPECT_EQ(fs.Content(BackupFileName(kFile, 1)), versions[3]);

    // A backup that cannot be written does not stop the save.
    fs.Lock(BackupFileName(kFile, 1));
    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("E"), kFile, false));
    EXPECT_EQ(fs.Content(kFile), handler.ConfigurationBytes(*test::OneShortcutTree("E")));

    // A backup is a configuration file like any other.
    auto restored = Load(BackupFileName(kFile, 3));
    EXPECT_TRUE(handler.LastLoadStatus().Clean());
    ASSERT_NE(restored->GetMenuItemFromName("N1"), nullptr);
}

TEST_F(KeepingTheTreeTest, LeftoversOfKilledSavesGoAtTheNextSave) {
    const std::vector<std::string> leftovers = {TemporaryFileName(kFile, 17, 0xabc),
                                                TemporaryFileName(kFile, 99, 1),
                                                std::string(kFile) + ".~krv3.tmp"};
    const std::vector<std::string> others = {TemporaryFileName("C:\\Users\\Ann\\other.krvc", 17, 0xabc),
                                             std::string(kFile) + ".~krvnotmine.tmp",
                                             "C:\\Users\\Ann\\notes.tmp"};
    for (const std::string& path : leftovers)
        fs.AddFile(path, "half");
    for (const std::string& path : others)
        fs.AddFile(path, "keep");
    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("A"), kFile, false));
    for (const std::string& path : leftovers)
        EXPECT_FALSE(fs.Exists(path)) << path;
    for (const std::string& path : others)
        EXPECT_TRUE(fs.Exists(path)) << path;
}

// Texts of other scripts than the code page's: Polish, Greek, Japanese and an emoji, in captions, paths,
// descriptions and the summary.
TEST_F(KeepingTheTreeTest, TextsTheCodePageCannotHoldSurviveASave) {
    const struct {
        const char* caption;
        const char* path;
    } cases[] = {
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "C:\\Miasta\\\xC5\x81\xC3\xB3\x64\xC5\xBA"}, // Łódź
        {"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "D:\\\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"}, // Αθήνα
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "E:\\\xE5\x86\x99\xE7\x9C\x9F\\\xE6\x9D\xB1\xE4\xBA\xAC"}, // 東京, 写真
        {"Fotos \xF0\x9F\x93\xB7", "C:\\\xF0\x9F\x93\xB7 caf\xC3\xA9"},                         // 📷, café
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        auto tree = test::OneShortcutTree(c.caption, c.path);
        tree->GetMenuItemFromName("N1")->SetUserDescription(std::string("about ") + c.caption);
        handler.Summary().SummaryTitle = c.caption;
        ASSERT_TRUE(handler.SaveConfigFile(*tree, kFile, false));
        handler.Summary() = {};

        auto loaded = Load();
        EXPECT_TRUE(handler.LastLoadStatus().Clean());
        const clsMenuItem* item = loaded->GetMenuItemFromName("N1");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Caption(), c.caption);
        EXPECT_EQ(item->FolderPath(), c.path);
        EXPECT_EQ(item->UserDescription(), std::string("about ") + c.caption);
        EXPECT_EQ(handler.Summary().SummaryTitle, c.caption);

        // The summary can be changed without losing the items' texts.
        handler.Summary().SummaryAuthor = c.caption;
        ASSERT_TRUE(handler.UpdateSummary(kFile));
        handler.Summary() = {};
        loaded = Load();
        EXPECT_EQ(loaded->GetMenuItemFromName("N1")->FolderPath(), c.path);
        EXPECT_EQ(handler.Summary().SummaryAuthor, c.caption);
        EXPECT_EQ(handler.Summary().SummaryTitle, c.caption);
        handler.Summary() = {};
    }
}

// The reader of the file layout as it stood before the UTF-8 block: sections of 22-record items, every other
// record skipped.
std::vector<std::vector<std::string>> ReadAsBefore(const std::string& bytes) {
    std::vector<std::string> records;
    size_t start = 0;
    for (size_t nul = bytes.find('\0'); nul != std::string::npos; nul = bytes.find('\0', start)) {
        records.push_back(bytes.substr(start, nul - start));
        start = nul + 1;
    }
    std::vector<std::vector<std::string>> items;
    for (size_t i = 0; i < records.size();) {
        if (records[i] != "[MIT_GROUP_USER:]" && records[i] != "[MIT_PATHS_SYSTEM:]") {
            i += records[i].starts_with("[SUMMARY_") ? 2 : 1;
            continue;
        }
        ++i;
        while (i < records.size() && records[i] != "[END:]" && records.size() - i > kFieldsPerItem) {
            items.emplace_back(records.begin() + static_cast<long>(i),
                               records.begin() + static_cast<long>(i + kFieldsPerItem));
            i += kFieldsPerItem;
        }
        ++i;
    }
    return items;
}

TEST_F(KeepingTheTreeTest, AnOlderReaderLoadsTheFileWithItsLossyTexts) {
    auto tree =
        test::OneShortcutTree("\xC5\x81\xC3\xB3\x64\xC5\xBA", "C:\\\xE6\x9D\xB1\xE4\xBA\xAC"); // Łódź, 東京
    handler.Summary().SummaryTitle = "\xCE\x91";                                               // Α
    const std::string bytes = handler.ConfigurationBytes(*tree);
    const auto items = ReadAsBefore(bytes);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1][1], "N1");
    EXPECT_EQ(items[1][2], "?\xF3"
                           "d?"); // as the code page holds it
    EXPECT_EQ(items[1][12], "C:\\??");
    EXPECT_EQ(items[1][4], "MIT_GROUP_USER");
    // The block comes after the summary blocks and starts with its tag.
    EXPECT_GT(bytes.find(TAG_UTF8_TEXTS), bytes.find("[SUMMARY_TITLE:]"));
}

TEST_F(KeepingTheTreeTest, AFullTextThatNoLongerMatchesItsRecordIsIgnored) {
    // An older program renamed the item after the block was written: its record now says "Plain".
    fs.AddFile(kFile, FileBuilder()
                          .Record("[MIT_GROUP_USER:]")
                          .Item(test::GroupFields("MIT_GROUP_USER", "Personal", "-1", ""))
                          .Item(Shortcut("N1", "Plain", "C:\\?"))
                          .Record("[END:]")
                          .Record(TAG_UTF8_TEXTS)
                          .Record("N1")
                          .Record("3")
                          .Record("\xCE\x91")
                          .Record("N1")
                          .Record("13")
                          .Record("C:\\\xCE\x91")
                          .Record("[END:]")
                          .Bytes());
    auto loaded = Load();
    EXPECT_EQ(loaded->GetMenuItemFromName("N1")->Caption(), "Plain");
    EXPECT_EQ(loaded->GetMenuItemFromName("N1")->FolderPath(), "C:\\\xCE\x91");
}

TEST_F(KeepingTheTreeTest, TheTextListingIsUtf8OnlyWhenTheCodePageCannotHoldIt) {
    const std::string fits = handler.TextListingBytes(*test::OneShortcutTree("caf\xC3\xA9"));
    EXPECT_FALSE(fits.starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(fits.find("caf\xE9 (C:\\Docs)"), std::string::npos);
    const std::string utf8 = handler.TextListingBytes(*test::OneShortcutTree("\xE6\x9D\xB1\xE4\xBA\xAC"));
    EXPECT_TRUE(utf8.starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(utf8.find("\xE6\x9D\xB1\xE4\xBA\xAC (C:\\Docs)"), std::string::npos);
}

TEST_F(KeepingTheTreeTest, ItemsASaveWouldDropAreCounted) {
    auto tree = test::OneShortcutTree("A");
    const auto add = [&](const char* name, const char* owner) {
        clsMenuItem item;
        item.SetName(name);
        item.SetOwnerName(owner);
        tree->AddOne(item, true, false);
    };
    add("N2", "N3"); // N2 and N3 own each other
    add("N3", "N2");
    add("N4", "N99"); // a missing owner
    add("N5", "N4");
    EXPECT_EQ(handler.CountItemsASaveWouldDrop(*tree), 4);
    EXPECT_EQ(handler.CountItemsASaveWouldDrop(*test::OneShortcutTree("A")), 0);
}

} // namespace
} // namespace krv
