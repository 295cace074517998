#include "config/KrvcCommand.h"

#include <gtest/gtest.h>
#include <sstream>

#include "fakes/FakeFileSystem.h"
#include "platform/Text.h"
#include "unit/config/ConfigFileBuilder.h"

namespace krv {
namespace {

using test::FileBuilder;
using test::ItemFields;

class KrvcTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        return RunKrvc(arguments, fs, codePage, out, err);
    }

    static ItemFields Group(std::string name, std::string caption, std::string owner, std::string location) {
        ItemFields f =
            test::GroupFields(std::move(name), std::move(caption), std::move(owner), std::move(location));
        f.TimeCreated = "1|2|2020|3|4|5|";
        return f;
    }
    static ItemFields Shortcut(std::string name, std::string caption, std::string owner, std::string path,
                               std::string location, bool explorer = false) {
        ItemFields f = test::ShortcutFields(std::move(name), std::move(caption), std::move(owner),
                                            std::move(path), std::move(location), explorer);
        f.TimeCreated = "1|2|2020|3|4|5|";
        return f;
    }

    // A file as the program writes it: personal group, System Folders section, one summary block.
    std::string SampleFile() const {
        return FileBuilder()
            .Record("[MIT_GROUP_USER:]")
            .Item(Group("MIT_GROUP_USER", "Personal", "-1", "\\\\"))
            .Item(Group("N1", "Caf\xE9", "MIT_GROUP_USER", "\\\\Personal"))
            .Item(Shortcut("N2", "Menu", "N1", "C:\\Caf\xE9\\Menu", "\\\\Personal\\Caf\xE9", true))
            .Item(Shortcut("N3", "Notes", "MIT_GROUP_USER", "D:\\Notes", "\\\\Personal"))
            .Record("[END:]")
            .Record("[MIT_PATHS_SYSTEM:]")
            .Item(Group("MIT_PATHS_SYSTEM", "System Folders", "-1", "\\\\"))
            .Item(Shortcut("S1", "Windows", "MIT_PATHS_SYSTEM", "C:\\Windows", "\\\\System Folders"))
            .Record("[END:]")
            .SummaryBlock("[SUMMARY_TITLE:]", "Sample")
            .Bytes();
    }

    FakeFileSystem fs;
    Windows1252CodePage codePage;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(KrvcTest, ListWritesTheTextListingOfTheFile) {
    fs.AddFile("work/sample.krvc", SampleFile());
    ASSERT_EQ(Run({"list", "work/sample.krvc"}), KRVC_OK) << err.str();
    const std::string counters = "Number of shortcuts: 3\r\n"
                                 "Number of Folder Shortcuts: 2\r\n"
                                 "Number of Windows Explorer Shortcuts: 1\r\n"
                                 "Number of Open-All shortcuts: 0\r\n"
                                 "Number of groups: 3\r\n";
    EXPECT_EQ(out.str(), "work/sample.krvc\r\n"
                         "\r\n" +
                             counters +
                             "\r\n"
                             "[Personal]\r\n"
                             " [Caf\xE9]\r\n"
                             "  Menu (C:\\Caf\xE9\\Menu)\r\n"
                             " Notes (D:\\Notes)\r\n"
                             "[System Folders]\r\n"
                             " Windows (C:\\Windows)\r\n");
    EXPECT_EQ(err.str(), "");

    ASSERT_EQ(Run({"stats", "work/sample.krvc"}), KRVC_OK);
    EXPECT_EQ(out.str(), counters);

    // Without System Folders the section is neither loaded nor listed.
    ASSERT_EQ(Run({"stats", "work/sample.krvc", "--system-folders", "off"}), KRVC_OK);
    EXPECT_EQ(out.str(), "Number of shortcuts: 2\r\n"
                         "Number of Folder Shortcuts: 1\r\n"
                         "Number of Windows Explorer Shortcuts: 1\r\n"
                         "Number of Open-All shortcuts: 0\r\n"
                         "Number of groups: 2\r\n");
}

TEST_F(KrvcTest, CheckTellsWhetherTheFileLoads) {
    fs.AddFile("good.krvc", SampleFile());
    EXPECT_EQ(Run({"check", "good.krvc"}), KRVC_OK);
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(Run({"check", "missing.krvc"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: cannot read missing.krvc\n");

    fs.AddFile("empty.krvc", "");
    EXPECT_EQ(Run({"check", "empty.krvc"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: empty.krvc is empty\n");
    EXPECT_TRUE(fs.Exists("empty.krvc")); // looked at, not deleted
}

TEST_F(KrvcTest, RewriteSavesTheLoadedTree) {
    fs.AddFile("in.krvc", SampleFile());
    fs.AddFolder("outdir");
    ASSERT_EQ(Run({"rewrite", "in.krvc", "outdir/out.krvc"}), KRVC_OK) << err.str();
    EXPECT_EQ(fs.Content("outdir/out.krvc"), SampleFile());

    ASSERT_EQ(Run({"rewrite", "in.krvc", "outdir/nosys.krvc", "--system-folders", "off"}), KRVC_OK);
    const std::string withoutSystem = *fs.Content("outdir/nosys.krvc");
    EXPECT_EQ(withoutSystem.find("[MIT_PATHS_SYSTEM:]"), std::string::npos);
    EXPECT_NE(withoutSystem.find("[SUMMARY_TITLE:]"), std::string::npos);

    EXPECT_EQ(Run({"rewrite", "in.krvc", "nowhere/out.krvc"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: cannot save nowhere/out.krvc\n");
}

// krvc reads its file once and hands that content to the reader; a second command sees the file as it is then,
// and a rewrite over the file it read replaces it.
TEST_F(KrvcTest, EachCommandReadsTheFileAsItIsThen) {
    fs.AddFile("w/in.krvc", SampleFile());
    ASSERT_EQ(Run({"rewrite", "w/in.krvc", "w/in.krvc", "--system-folders", "off"}), KRVC_OK) << err.str();
    EXPECT_EQ(fs.Content("w/in.krvc")->find("[MIT_PATHS_SYSTEM:]"), std::string::npos);
    ASSERT_EQ(Run({"stats", "w/in.krvc"}), KRVC_OK) << err.str();
    EXPECT_EQ(out.str(), "Number of shortcuts: 2\r\n"
                         "Number of Folder Shortcuts: 1\r\n"
                         "Number of Windows Explorer Shortcuts: 1\r\n"
                         "Number of Open-All shortcuts: 0\r\n"
                         "Number of groups: 2\r\n");
    fs.AddFile("w/in.krvc", "");
    EXPECT_EQ(Run({"stats", "w/in.krvc"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: w/in.krvc is empty\n");
}

// Files that are no configuration files of the program are not taken for empty trees.
TEST_F(KrvcTest, FilesWithoutAPersonalGroupFailTheCheckAndAreNotRewritten) {
    std::string utf16;
    for (char c : SampleFile())
        utf16 += std::string{c, '\0'};
    const std::pair<const char*, std::string> cases[] = {
        {"random bytes", std::string("\x13\xfe\x00\x9a\x00\x00zq\x81", 9)},
        {"NULs", std::string(100, '\0')},
        {"UTF-16", utf16},
        {"text", "Personal\r\n  Docs (C:\\Docs)\r\n"},
    };
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        fs.AddFile("w/in.krvc", content);
        EXPECT_EQ(Run({"check", "w/in.krvc"}), KRVC_FAILED);
        EXPECT_EQ(err.str(), "krvc: w/in.krvc holds no Personal group section\n");
        EXPECT_EQ(Run({"rewrite", "w/in.krvc", "w/in.krvc"}), KRVC_FAILED);
        EXPECT_NE(err.str().find("--force"), std::string::npos) << err.str();
        EXPECT_EQ(fs.Content("w/in.krvc"), content);
        EXPECT_FALSE(fs.Exists("w/in.krvc.bad")); // looking at a file writes nothing beside it

        // Forced, the input is kept beside the new content before that replaces it.
        EXPECT_EQ(Run({"rewrite", "w/in.krvc", "w/in.krvc", "--force"}), KRVC_OK) << err.str();
        EXPECT_EQ(fs.Content("w/in.krvc.bad"), content);
        EXPECT_NE(fs.Content("w/in.krvc"), content);
        fs = FakeFileSystem();
    }
}

// A rewrite over its own input whose new content cannot be written whole (a full disk) leaves the input as it
// was, also when it is forced over a file that did not load, whose copy then cannot be made either.
TEST_F(KrvcTest, ARewriteThatCannotFinishLeavesItsInputAsItWas) {
    const std::pair<const char*, std::string> inputs[] = {
        {"configuration file", SampleFile()},
        {"random bytes", std::string("\x13\xfe\x00\x9a\x00\x00zq\x81", 9)},
    };
    for (const auto& [name, content] : inputs) {
        for (const size_t written : {size_t{0}, size_t{7}, content.size() / 2}) {
            SCOPED_TRACE(std::string(name) + ", " + std::to_string(written) + " bytes");
            fs = FakeFileSystem();
            fs.AddFile("w/in.krvc", content);
            const std::vector<std::string> before = fs.AllPaths();
            fs.FailReplaceAfterBytes(written);

            EXPECT_EQ(Run({"rewrite", "w/in.krvc", "w/in.krvc", "--force"}), KRVC_FAILED);

            EXPECT_EQ(err.str(), "krvc: cannot save w/in.krvc\n");
            EXPECT_EQ(fs.Content("w/in.krvc"), content);
            EXPECT_EQ(fs.AllPaths(), before);
        }
    }
}

TEST_F(KrvcTest, ACutOffFileFailsTheCheck) {
    const std::string cut = SampleFile().substr(0, SampleFile().find("[MIT_PATHS_SYSTEM:]") - 8);
    fs.AddFile("cut.krvc", cut);
    EXPECT_EQ(Run({"check", "cut.krvc"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: cut.krvc ends in the middle of its items\n");
}

TEST_F(KrvcTest, ItemsASaveWouldDropAreReported) {
    fs.AddFile("lost.krvc", FileBuilder()
                                .Record("[MIT_GROUP_USER:]")
                                .Item(Group("MIT_GROUP_USER", "Personal", "-1", "\\"))
                                .Item(Group("N5", "Loop A", "N6", ""))
                                .Item(Group("N6", "Loop B", "N5", ""))
                                .Item(Shortcut("N7", "Orphan", "N99", "C:\\x", ""))
                                .Item(Shortcut("N8", "Kept", "MIT_GROUP_USER", "C:\\y", ""))
                                .Record("[END:]")
                                .Bytes());
    EXPECT_EQ(Run({"check", "lost.krvc"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: 3 items are not reachable from a group and would be lost\n");
}

// The program's load gives a shortcut digit to the first item that holds it; a later one loses it.
TEST_F(KrvcTest, RewriteLoadsAsTheProgramDoesAndDropsADigitTakenEarlier) {
    ItemFields first = Shortcut("N1", "First", "MIT_GROUP_USER", "C:\\a", "");
    first.KeyboardCode = "49";
    ItemFields second = Shortcut("N2", "Second", "MIT_GROUP_USER", "C:\\b", "");
    second.KeyboardCode = "49";
    const auto file = [&](const ItemFields& secondRecord) {
        return FileBuilder()
            .Record("[MIT_GROUP_USER:]")
            .Item(Group("MIT_GROUP_USER", "Personal", "-1", "\\"))
            .Item(first)
            .Item(secondRecord)
            .Record("[END:]")
            .Bytes();
    };
    fs.AddFile("w/keys.krvc", file(second));
    ASSERT_EQ(Run({"rewrite", "w/keys.krvc", "w/out.krvc", "--system-folders", "off"}), KRVC_OK) << err.str();
    second.KeyboardCode = "-1";
    EXPECT_EQ(fs.Content("w/out.krvc"), file(second));
}

TEST_F(KrvcTest, BackupsAreListedAndRestored) {
    fs.AddFile("w/t.krvc", SampleFile());
    const std::string v0 = SampleFile();
    ASSERT_EQ(Run({"rewrite", "w/t.krvc", "w/t.krvc", "--system-folders", "off"}), KRVC_OK) << err.str();
    const std::string v1 = *fs.Content("w/t.krvc");
    fs.SetClock({2026, 12, 9, 11, 5, 7});
    fs.AddFile("w/t.krvc.bak2", v0); // an older backup
    ASSERT_EQ(Run({"backup", "w/t.krvc"}), KRVC_OK) << err.str();
    EXPECT_EQ(out.str(), "1  2026-12-09 10:00:00  6 items  w/t.krvc.bak1\n"
                         "2  2026-12-09 11:05:07  6 items  w/t.krvc.bak2\n");

    ASSERT_EQ(Run({"restore", "w/t.krvc", "1"}), KRVC_OK) << err.str();
    EXPECT_EQ(fs.Content("w/t.krvc"), v0);
    EXPECT_EQ(fs.Content("w/t.krvc.bak1"), v1); // the current file was kept first
    EXPECT_EQ(fs.Content("w/t.krvc.bak2"), v0);
    EXPECT_EQ(fs.Content("w/t.krvc.bak3"), v0);

    EXPECT_EQ(Run({"restore", "w/t.krvc", "4"}), KRVC_USAGE);
    fs.DeleteFile("w/t.krvc.bak3");
    EXPECT_EQ(Run({"restore", "w/t.krvc", "3"}), KRVC_FAILED);
    EXPECT_EQ(err.str(), "krvc: cannot read w/t.krvc.bak3\n");
    EXPECT_EQ(fs.Content("w/t.krvc"), v0);
}

TEST_F(KrvcTest, UnclearCommandLinesShowTheUsage) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {},
             {"list"},
             {"show", "a.krvc"},
             {"list", "a.krvc", "b.krvc"},
             {"rewrite", "a.krvc"},
             {"list", "a.krvc", "--system-folders"},
             {"list", "a.krvc", "--system-folders", "maybe"},
             {"list", "a.krvc", "--verbose"},
         }) {
        EXPECT_EQ(Run(arguments), KRVC_USAGE);
        EXPECT_EQ(err.str().rfind("usage: krvc", 0), 0u);
        EXPECT_EQ(out.str(), "");
    }
}

} // namespace
} // namespace krv
