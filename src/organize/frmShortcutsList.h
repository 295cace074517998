#pragma once
// frmShortcutsList: the "Folder Shortcuts List" window, opened modally by the Organize window over its
// working collection. It lists the folder shortcuts with their keyboard shortcuts and the state of their
// target folders, and deletes single shortcuts, all keyboard shortcuts or the shortcuts whose folders are
// gone; the decisions are ShortcutsList's.

#include <windows.h>

#include <optional>
#include <string>

#include "organize/ShortcutsList.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32Shell.h"

namespace krv {

class clsRegHandler;

class frmShortcutsList final : public Dialog {
public:
    frmShortcutsList(clsMenuCollection& collection, IFileSystem& fileSystem, clsRegHandler& registry)
        : collection_(collection), fileSystem_(fileSystem), registry_(registry) {}

    // Shows the window modally over owner; true when the collection was changed.
    bool Run(HINSTANCE instance, HWND owner);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnDestroy() override;
    void AddColumns();
    void Fill();
    int SelectedRow() const;

    clsMenuCollection& collection_;
    IFileSystem& fileSystem_;
    clsRegHandler& registry_;
    std::optional<Win32MessageBox> prompts_;
    std::optional<ShortcutsList> list_;
};

} // namespace krv
