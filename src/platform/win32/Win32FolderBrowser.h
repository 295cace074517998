#pragma once
// The folder browse dialog on Windows: the shell's folder picker (the common item dialog in folder mode)
// with the caller's texts, or the older folder browser where the picker cannot be created.

#include "dialogs/modBFF.h"

namespace krv {

class Win32FolderBrowser final : public IFolderBrowser {
public:
    BrowseForFolderResult BrowseForFolder(const BrowseForFolderRequest& request) override;
};

// A folder that does not exist yet inside parent, named base, or base with " (2)", " (3)" ... appended;
// created. Empty when none could be created.
std::string CreateNumberedFolder(const std::string& parent, const std::string& base);

} // namespace krv
