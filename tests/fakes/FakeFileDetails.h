#pragma once
// File details for unit tests: whatever the test puts in, by path compared without regard to ASCII case.

#include <map>
#include <string>

#include "platform/FileDetails.h"
#include "platform/Text.h"

namespace krv {

class FakeFileDetails final : public IFileDetails {
public:
    std::optional<FileDetails> GetDetails(std::string_view path) override {
        const auto found = details.find(Utf8ToUpper(path));
        if (found == details.end())
            return std::nullopt;
        return found->second;
    }
    void Set(std::string_view path, const FileDetails& value) { details[Utf8ToUpper(path)] = value; }

    std::map<std::string, FileDetails> details;
};

} // namespace krv
