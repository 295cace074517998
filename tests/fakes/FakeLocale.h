#pragma once
// Locale items for unit tests: whatever the test puts in, empty for everything else.

#include <map>
#include <string>

#include "platform/Locale.h"

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
