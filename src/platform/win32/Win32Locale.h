#pragma once
// The user's default locale through GetLocaleInfoEx.

#include "platform/Locale.h"

namespace krv {

class Win32Locale final : public ILocale {
public:
    std::string LocaleText(uint32_t item) override;
};

} // namespace krv
