#pragma once
// A resident program over fakes: its state, the seams, and a host that records what it was asked to do.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/Program.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakePauseWindow.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellExecute.h"
#include "fakes/FakeSystemInfo.h"
#include "settings/clsRegHandler.h"

namespace krv {

class RecordingResidentHost final : public IResidentHost {
public:
    explicit RecordingResidentHost(ProgramState& state) : state_(state) {}

    bool LoadOrganizeWindow() override {
        calls.push_back("LoadOrganizeWindow");
        return organizeWindowExists;
    }
    void BringOrganizeWindowToFront() override { calls.push_back("BringOrganizeWindowToFront"); }
    void InitOrganizeWindow(std::string_view command) override {
        calls.push_back("InitOrganizeWindow " + std::string(command));
    }
    void BringItemDialogToFront() override { calls.push_back("BringItemDialogToFront"); }
    void ShowOptionsDialog(clsMenuCollection& collection, bool mainCollection) override {
        calls.push_back(std::string("ShowOptionsDialog ") +
                        (&collection == &state_.MenuItems ? "main" : "other") +
                        (mainCollection ? " true" : " false"));
        optionsWindowOpenDuringDialog = state_.OptionsWindowOpen;
        if (exitFromOptions)
            state_.ExitRequested = true;
    }
    void UnloadMainWindow() override { calls.push_back("UnloadMainWindow"); }
    void RebuildPopupMenu(const std::function<void(clsMenuCollection&)>& change) override {
        calls.push_back("RebuildPopupMenu");
        change(state_.MenuItems);
    }
    bool SaveConfiguration() override {
        calls.push_back("SaveConfiguration");
        return true;
    }

    std::vector<std::string> calls;
    bool organizeWindowExists = true;
    bool exitFromOptions = false;
    bool optionsWindowOpenDuringDialog = false;

private:
    ProgramState& state_;
};

class ResidentTest : public ::testing::Test {
protected:
    ResidentTest() {
        state.ExplorerPath = "C:\\WINDOWS\\EXPLORER.EXE";
        state.PersonalDirectory = "C:\\Users\\Ann\\Documents";
        state.HelpFilePath = "C:\\Karvello\\Karvello.chm";
        state.options.GeneralOptions[GC1_ASK_DELETING_MISSING_FOLDERS] = true;
        fileSystem.AddFolder("C:\\Data");
        fileSystem.AddFolder("C:\\Work");
        systemInfo.AddDrive({.Letter = 'C', .Type = DRIVE_TYPE_FIXED});
        systemInfo.AddDrive({.Letter = 'D', .Type = DRIVE_TYPE_CDROM, .HasMedium = false});
    }

    // A shortcut in group owner, added to the program's tree; the stored item.
    clsMenuItem& AddShortcut(const std::string& caption, const std::string& folder, const std::string& owner,
                             const char* openType = MIT_PATH_SHORTCUT, int32_t keyboardCode = -1) {
        clsMenuItem* item = state.MenuItems.AddNewMenuItem({.Caption = caption,
                                                            .OwnerName = owner,
                                                            .FolderPath = folder,
                                                            .ItemType = MIT_PATH,
                                                            .OpenType = openType,
                                                            .KeyboardCode = keyboardCode});
        EXPECT_NE(item, nullptr);
        return *item;
    }
    clsMenuItem& AddGroup(const std::string& name, const std::string& caption, const std::string& owner) {
        clsMenuItem* item = state.MenuItems.AddNewMenuItem(
            {.Caption = caption, .OwnerName = owner, .Name = name, .SubMenu = true});
        EXPECT_NE(item, nullptr);
        return *item;
    }
    clsMenuItem& AddItem(const std::string& name, const char* type, const std::string& owner) {
        clsMenuItem* item = state.MenuItems.AddNewMenuItem(
            {.Caption = name, .OwnerName = owner, .Name = name, .ItemType = type, .Remark = REMARK_AUTO});
        EXPECT_NE(item, nullptr);
        return *item;
    }

    std::vector<std::string> ExplorerArguments() const {
        std::vector<std::string> arguments;
        for (const ExecutedCommand& command : shell.Executed()) {
            EXPECT_EQ(command.file, state.ExplorerPath);
            EXPECT_EQ(command.verb, "open");
            EXPECT_EQ(command.showCommand, 5);
            arguments.push_back(command.parameters);
        }
        return arguments;
    }

    ProgramState state;
    FakeFileSystem fileSystem;
    FakeSystemInfo systemInfo;
    FakeShell shell;
    FakeMessageBox messageBox;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    RecordingResidentHost host{state};
    FakePauseWindow pauseWindow;
    ProgramContext context{state, fileSystem, systemInfo, shell, messageBox, regHandler, host, pauseWindow};
};

} // namespace krv
