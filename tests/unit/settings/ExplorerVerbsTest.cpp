#include "settings/ExplorerVerbs.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr auto HKCR = RegistryRoot::ClassesRoot;
constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr const char* kExe = "\"C:\\Program Files\\Karvello\\Karvello.exe\"";
constexpr const char* kUserFolderVerb = "Software\\Classes\\Directory\\shell\\Organize Folder";
constexpr const char* kUserDriveVerb = "Software\\Classes\\Drive\\shell\\Organize Drive";
constexpr const char* kMachineFolderVerb = "Software\\Classes\\Directory\\shell\\Organize Folder";
constexpr const char* kMachineDriveVerb = "Software\\Classes\\Drive\\shell\\Organize Drive";

// HKEY_CLASSES_ROOT as Windows shows it: the user's classes first, then the machine's (HKEY_LOCAL_MACHINE's
// Software\Classes). Writes go where they are addressed.
class MergedClassesRegistry final : public IRegistry {
public:
    explicit MergedClassesRegistry(FakeRegistry& store) : store_(store) {}
    bool OpenKey(RegistryRoot root, std::string_view path) override {
        if (root == HKCR)
            return store_.OpenKey(HKCU, UserPath(path)) || store_.OpenKey(HKLM, UserPath(path));
        return store_.OpenKey(root, path);
    }
    bool CreateKey(RegistryRoot root, std::string_view path) override { return store_.CreateKey(root, path); }
    std::optional<RegistryValue> QueryValue(RegistryRoot root, std::string_view path,
                                            std::string_view name) override {
        if (root == HKCR)
            return store_.OpenKey(HKCU, UserPath(path)) ? store_.QueryValue(HKCU, UserPath(path), name)
                                                        : store_.QueryValue(HKLM, UserPath(path), name);
        return store_.QueryValue(root, path, name);
    }
    bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                  const RegistryValue& value) override {
        return store_.SetValue(root, path, name, value);
    }
    bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override {
        return store_.DeleteValue(root, path, name);
    }
    bool DeleteKey(RegistryRoot root, std::string_view path, std::string_view subkey) override {
        return store_.DeleteKey(root, path, subkey);
    }

private:
    static std::string UserPath(std::string_view path) { return "Software\\Classes\\" + std::string(path); }
    FakeRegistry& store_;
};

class ExplorerVerbsTest : public ::testing::Test {
protected:
    FakeRegistry store;
    MergedClassesRegistry merged{store};
    clsRegHandler reg{merged};
};

TEST_F(ExplorerVerbsTest, AddingWritesBothVerbsForTheCurrentUser) {
    EXPECT_TRUE(AddExplorerVerbs(reg, kExe));
    const std::string command = std::string(kExe) + " /ADD %L";
    EXPECT_EQ(store.String(HKCU, kUserFolderVerb, ""), "&Organize Folder");
    EXPECT_EQ(store.String(HKCU, std::string(kUserFolderVerb) + "\\command", ""), command);
    EXPECT_EQ(store.String(HKCU, kUserDriveVerb, ""), "&Organize Drive");
    EXPECT_EQ(store.String(HKCU, std::string(kUserDriveVerb) + "\\command", ""), command);
    EXPECT_FALSE(store.KeyExists(HKLM, kMachineFolderVerb));
    EXPECT_EQ(store.ChangeCount(), 4);

    // Explorer now sees the verb, so a second request writes nothing.
    EXPECT_TRUE(AddExplorerVerbs(reg, "\"D:\\Other.exe\""));
    EXPECT_EQ(store.ChangeCount(), 4);
}

TEST_F(ExplorerVerbsTest, AFolderVerbAlreadyShownByExplorerIsLeftAsItIs) {
    // Registered for the whole machine by an administrator: the drive verb is missing but is not added.
    store.PutString(HKLM, kMachineFolderVerb, "", "&Organize Folder");
    const int before = store.ChangeCount();
    EXPECT_TRUE(AddExplorerVerbs(reg, kExe));
    EXPECT_EQ(store.ChangeCount(), before);
    EXPECT_FALSE(store.KeyExists(HKCU, kUserDriveVerb));
}

TEST_F(ExplorerVerbsTest, RemovingDeletesBothVerbsWithTheirCommands) {
    ASSERT_TRUE(AddExplorerVerbs(reg, kExe));
    EXPECT_EQ(RemoveExplorerVerbs(reg), ExplorerVerbRemoval::Removed);
    EXPECT_FALSE(store.KeyExists(HKCU, kUserFolderVerb));
    EXPECT_FALSE(store.KeyExists(HKCU, kUserDriveVerb));
    EXPECT_TRUE(store.KeyExists(HKCU, "Software\\Classes\\Directory\\shell"));

    // Nothing left to remove.
    const int before = store.ChangeCount();
    EXPECT_EQ(RemoveExplorerVerbs(reg), ExplorerVerbRemoval::Removed);
    EXPECT_EQ(store.ChangeCount(), before);
}

TEST_F(ExplorerVerbsTest, FailuresAreReportedInTheResult) {
    store.DenyAccess(HKCU, "Software\\Classes\\Drive");
    EXPECT_FALSE(AddExplorerVerbs(reg, kExe));
    // The folder verb was still written: one failed write does not stop the others.
    EXPECT_EQ(store.String(HKCU, kUserFolderVerb, ""), "&Organize Folder");
    EXPECT_EQ(RemoveExplorerVerbs(reg), ExplorerVerbRemoval::Failed);
    EXPECT_FALSE(store.KeyExists(HKCU, kUserFolderVerb));
}

// Verbs of the whole machine stay in Explorer whatever the user's part holds; the user's own go all the same.
TEST_F(ExplorerVerbsTest, VerbsOfTheWholeMachineAreToldApartFromFailures) {
    struct Case {
        const char* what;
        bool userVerbs;
        const char* machineVerb; // nullptr for none
        ExplorerVerbRemoval expected;
    };
    const Case cases[] = {
        {"machine folder verb alone", false, kMachineFolderVerb, ExplorerVerbRemoval::KeptForAllUsers},
        {"user verbs over a machine folder verb", true, kMachineFolderVerb,
         ExplorerVerbRemoval::KeptForAllUsers},
        {"user verbs and a machine drive verb", true, kMachineDriveVerb,
         ExplorerVerbRemoval::KeptForAllUsers},
        {"user verbs alone", true, nullptr, ExplorerVerbRemoval::Removed},
    };
    for (const Case& c : cases) {
        FakeRegistry machine;
        MergedClassesRegistry view{machine};
        clsRegHandler handler{view};
        if (c.userVerbs) {
            ASSERT_TRUE(AddExplorerVerbs(handler, kExe)) << c.what;
        }
        if (c.machineVerb != nullptr)
            machine.PutString(HKLM, c.machineVerb, "", "&Organize");

        EXPECT_EQ(RemoveExplorerVerbs(handler), c.expected) << c.what;

        EXPECT_FALSE(machine.KeyExists(HKCU, kUserFolderVerb)) << c.what;
        EXPECT_FALSE(machine.KeyExists(HKCU, kUserDriveVerb)) << c.what;
        if (c.machineVerb != nullptr) {
            EXPECT_TRUE(machine.KeyExists(HKLM, c.machineVerb)) << c.what;
        }
    }
}

} // namespace
} // namespace krv

namespace krv {
namespace {

TEST(ExplorerVerbsWithoutMergedClasses, TheUsersOwnVerbCountsAsPresent) {
    // A registry whose HKEY_CLASSES_ROOT shows only the machine's classes, as Wine's does.
    FakeRegistry store;
    clsRegHandler reg{store};
    EXPECT_TRUE(AddExplorerVerbs(reg, kExe));
    const int written = store.ChangeCount();
    EXPECT_TRUE(AddExplorerVerbs(reg, kExe));
    EXPECT_EQ(store.ChangeCount(), written);
    EXPECT_EQ(RemoveExplorerVerbs(reg), ExplorerVerbRemoval::Removed);
    EXPECT_FALSE(store.KeyExists(HKCU, kUserFolderVerb));
    EXPECT_FALSE(store.KeyExists(HKCU, kUserDriveVerb));

    // Wine's HKEY_CLASSES_ROOT is the machine's classes: a verb there is the machine's.
    store.PutString(HKLM, kMachineFolderVerb, "", "&Organize Folder");
    store.PutString(HKCR, "Directory\\shell\\Organize Folder", "", "&Organize Folder");
    EXPECT_EQ(RemoveExplorerVerbs(reg), ExplorerVerbRemoval::KeptForAllUsers);
}

} // namespace
} // namespace krv
