#pragma once
// A working collection as the Organize window holds it, with the fixed groups, nested groups, shortcuts
// with keyboard shortcuts and an Open-All shortcut, and helpers that describe it for comparisons.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "fakes/FakeShell.h"
#include "model/clsMenuCollection.h"
#include "organize/modOrganize.h"

namespace krv {

// Every item under its key with every field, in list order, and the counters: two collections that
// describe alike are the same tree to everything that reads them.
inline std::vector<std::string> DescribeCollection(const clsMenuCollection& c) {
    std::vector<std::string> lines;
    for (auto it = c.begin(); it != c.end(); ++it) {
        const clsMenuItem& i = *it;
        lines.push_back(it.Key() + "|" + i.Name() + "|" + i.OwnerName() + "|" + i.Caption() + "|" +
                        std::to_string(i.ID()) + "|" + std::to_string(i.IconID()) + "|" + i.ItemType() + "|" +
                        i.OpenType() + "|" + i.FolderPath() + "|" + std::to_string(i.KeyboardCode()) + "|" +
                        i.ItemPath() + "|" + i.ItemLocation() + "|" + i.Description() + "|" +
                        std::to_string(i.TimeCreated().Year) + "-" + std::to_string(i.TimeCreated().Second) +
                        "|" + std::to_string(i.TimeModified().Year));
    }
    lines.push_back("counters " + std::to_string(c.IDCounter()) + " " + std::to_string(c.MenuNameCounter()));
    return lines;
}

struct OrganizeTreeFixture : ::testing::Test {
    clsMenuCollection work;
    FakeMessageBox prompts;
    std::vector<std::string> conflicts; // "existing caption > incoming caption" of each question
    std::vector<ConflictAnswer> answers;

    // Personal: Music, Work (Sub, Docs), Photos, Open-All; System Folders (Desktop); Drives (C:).
    void SetUp() override {
        Group("Personal", "-1", MIT_GROUP_USER);
        Group("Music", MIT_GROUP_USER, "M");
        Group("Work", MIT_GROUP_USER, "W");
        Group("Sub", "W", "S");
        Shortcut("Docs", "W", "D", "C:\\Docs", 49);
        Shortcut("Photos", MIT_GROUP_USER, "P", "C:\\Photos");
        work.AddNewMenuItem({.OwnerName = MIT_GROUP_USER, .Name = "O", .ItemType = MIT_OPENALL});
        Group("System Folders", "-1", MIT_PATHS_SYSTEM);
        Shortcut("Desktop", MIT_PATHS_SYSTEM, "SD", "C:\\Desktop");
        Group("Drives", "-1", MIT_PATHS_DRIVES);
        Shortcut("C:", MIT_PATHS_DRIVES, "DC", "C:\\");
    }

    void Group(const std::string& caption, const std::string& owner, const std::string& name) {
        ASSERT_NE(
            work.AddNewMenuItem(
                {.Caption = caption, .OwnerName = owner, .Name = name, .SubMenu = true, .ComputePath = true}),
            nullptr);
    }
    void Shortcut(const std::string& caption, const std::string& owner, const std::string& name,
                  const std::string& path, int key = -1) {
        ASSERT_NE(work.AddNewMenuItem({.Caption = caption,
                                       .OwnerName = owner,
                                       .Name = name,
                                       .FolderPath = path,
                                       .ComputePath = true,
                                       .KeyboardCode = key}),
                  nullptr);
    }

    ConflictPrompt Conflict() {
        return [this](const clsMenuItem& existing, const clsMenuItem& incoming) {
            conflicts.push_back(existing.Caption() + " > " + incoming.Caption());
            if (answers.empty())
                return ConflictAnswer::Cancel;
            const ConflictAnswer answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }

    // The captions of a group's children in list order.
    std::vector<std::string> Captions(const std::string& owner) const {
        std::vector<std::string> captions;
        for (const clsMenuItem* item : work.Children(owner))
            captions.push_back(item->Caption());
        return captions;
    }
    const clsMenuItem* ByCaption(const std::string& caption, const std::string& owner) const {
        for (const clsMenuItem* item : work.Children(owner)) {
            if (item->Caption() == caption)
                return item;
        }
        return nullptr;
    }
    // The one message shown, as "title|text".
    std::string OnlyMessage() const {
        if (prompts.Shown().size() != 1)
            return "shown " + std::to_string(prompts.Shown().size()) + " messages";
        return prompts.Shown().front().title + "|" + prompts.Shown().front().text;
    }
};

} // namespace krv
