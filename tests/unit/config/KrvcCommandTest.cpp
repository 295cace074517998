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
