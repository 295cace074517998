#pragma once
// Locale items for unit tests: whatever the test puts in, empty for everything else.

#include "platform/Locale.h"

#include <map>
#include <string>

namespace krv {

class FakeLocale final : public ILocale {
public:
    std::string LocaleText(uint32_t item) override {
        const auto found = items.find(item);
        return found == items.end() ? std::string() : found->second;
    }

    std::map<uint32_t, std::string> items;
};

} // namespace krv
