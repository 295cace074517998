#pragma once
// The system's ANSI code page (CP_ACP), in which the configuration file, its listing and Desktop.ini are
// kept.

#include "platform/Text.h"

namespace krv {

class Win32AnsiCodePage final : public ICodePage {
public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view bytes) const override;
    bool Holds(std::string_view utf8) const override;
};

} // namespace krv
