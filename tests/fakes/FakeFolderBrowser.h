#pragma once
// A folder browser for unit tests: remembers what it was asked to show and answers with a scripted folder.

#include <vector>

#include "dialogs/modBFF.h"

namespace krv {

class FakeFolderBrowser final : public IFolderBrowser {
public:
    BrowseForFolderResult BrowseForFolder(const BrowseForFolderRequest& request) override {
        requests.push_back(request);
        return answer;
    }

    // What the next browse returns (an empty path stands for Cancel).
    BrowseForFolderResult answer;
    std::vector<BrowseForFolderRequest> requests;
};

} // namespace krv
