#include "dialogs/AboutBox.h"

#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"

namespace krv {
namespace {

constexpr auto HKLM = RegistryRoot::LocalMachine;

class AboutBoxTest : public ::testing::Test {
protected:
    void Start() {
        StartSysInfo(registry, files, messageBox,
                     [this](const std::string& program) { started.push_back(program); });
    }

    FakeRegistry registry;
    FakeFileSystem files;
    FakeMessageBox messageBox;
    std::vector<std::string> started;
};

TEST_F(AboutBoxTest, TitleCarriesTheVersionNumbers) {
    EXPECT_EQ(AboutTitle(2, 10, 7), "Tessary\u00ae Karvello\u00ae (2.10.7)");
}

TEST_F(AboutBoxTest, OwnRegistryReadGivesNumbersInHexadecimal) {
    std::string text = "unchanged";
    EXPECT_FALSE(AboutGetKeyValue(registry, HKLM, "SOFTWARE\\X", "V", text));
    registry.PutDWord(HKLM, "SOFTWARE\\X", "V", 0x1F);
    EXPECT_TRUE(AboutGetKeyValue(registry, HKLM, "SOFTWARE\\X", "V", text));
    EXPECT_EQ(text, "&h1F");
    registry.PutString(HKLM, "SOFTWARE\\X", "S", "C:\\Tools");
    EXPECT_TRUE(AboutGetKeyValue(registry, HKLM, "SOFTWARE\\X", "S", text));
    EXPECT_EQ(text, "C:\\Tools");
    registry.PutBinary(HKLM, "SOFTWARE\\X", "B", {1, 2});
    EXPECT_TRUE(AboutGetKeyValue(registry, HKLM, "SOFTWARE\\X", "B", text));
    EXPECT_EQ(text, "C:\\Tools");
}

TEST_F(AboutBoxTest, SystemInformationIsFoundWhereTheSystemNamesIt) {
    // The shared-tools folder counts only when the program is really there.
    registry.PutString(HKLM, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\Common\\MSInfo");
    Start();
    EXPECT_TRUE(started.empty());
    ASSERT_EQ(messageBox.Shown().size(), 1u);
    EXPECT_EQ(messageBox.Shown()[0].text, "System Information is unavailable at this time.");
    EXPECT_EQ(messageBox.Shown()[0].title, "Karvello");
    EXPECT_EQ(messageBox.Shown()[0].icon, MessageIcon::Exclamation);

    files.AddFolder("C:\\Common\\MSInfo");
    files.AddFile("C:\\Common\\MSInfo\\MSINFO32.EXE", "MZ");
    Start();
    EXPECT_EQ(started, (std::vector<std::string>{"C:\\Common\\MSInfo\\MSINFO32.EXE"}));

    // The program's own key comes first and is taken as it is.
    registry.PutString(HKLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\Win\\msinfo32.exe");
    Start();
    EXPECT_EQ(started.back(), "C:\\Win\\msinfo32.exe");
    EXPECT_EQ(messageBox.Shown().size(), 1u);
}

TEST_F(AboutBoxTest, AnEmptyPathNamesNoProgram) {
    registry.PutString(HKLM, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "");
    Start();
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(messageBox.Shown().size(), 1u);
}

} // namespace
} // namespace krv
