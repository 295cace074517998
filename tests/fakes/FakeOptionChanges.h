#pragma once
// Records what applying options asks of the menu, the generated groups, the Organized Folders, the Explorer
// verbs and the keyboard hook, in one log in call order. Collections are named in the log by the names the
// test gives them ("other" for any collection it did not name).

#include <map>
#include <string>
#include <vector>

#include "settings/OptionChanges.h"

namespace krv {

class FakeOptionChanges final : public IMenuSkeleton,
                                public IGeneratedGroups,
                                public IOrganizedFolders,
                                public IExplorerVerbs,
                                public IKeyboardHook {
public:
    OptionChangeServices Services() { return {*this, *this, *this, *this, *this}; }
    void Name(const clsMenuCollection& collection, std::string name) {
        names_[&collection] = std::move(name);
    }
    const std::vector<std::string>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    // What RemoveExplorerVerbs answers.
    ExplorerVerbRemoval verbRemoval = ExplorerVerbRemoval::Removed;

    // The tree actions add and remove a marker item of the same name, so that tests see which collection
    // they changed.
    void AddHelpEntries(clsMenuCollection& collection) override;
    void RemoveHelpEntries(clsMenuCollection& collection) override;
    void AddOptionsEntry(clsMenuCollection& collection) override;
    void RemoveOptionsEntry(clsMenuCollection& collection) override;
    // Works on a scratch copy as the program does: copy, clear, change, copy back, build.
    void RebuildPopupMenu(clsMenuCollection& menuItems,
                          const std::function<void(clsMenuCollection& scratch)>& change) override;

    void AddSystemFolders(clsMenuCollection& collection) override;
    void RemoveSystemFolders(clsMenuCollection& collection) override;
    void AddDrives(clsMenuCollection& collection) override;
    void RemoveDrives(clsMenuCollection& collection) override;

    void DeleteOrganizedFoldersDir(OrganizedFoldersLocation location) override;
    void RestoreOrganizedFolders(OrganizedFoldersLocation location, const clsMenuCollection& collection,
                                 bool withSystemFolders) override;

    bool AddExplorerVerbs() override;
    ExplorerVerbRemoval RemoveExplorerVerbs() override;

    void InstallKeyboardHook() override;
    void RemoveKeyboardHook() override;

private:
    static void CopyCollection(const clsMenuCollection& source, clsMenuCollection& target);
    std::string NameOf(const clsMenuCollection& collection) const;
    void Record(const std::string& call, const clsMenuCollection& collection);
    void AddMarker(const char* call, clsMenuCollection& collection, const char* name);
    void RemoveMarker(const char* call, clsMenuCollection& collection, const char* name);

    std::map<const clsMenuCollection*, std::string> names_;
    std::vector<std::string> log_;
};

} // namespace krv
