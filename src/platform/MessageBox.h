#pragma once
// Message boxes, the only way the programs tell the user about a failure or ask a question.

#include <string_view>

namespace krv {

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
// Closing a box with its close button counts as Cancel (or as No where the box has no Cancel button).
enum class MessageAnswer { Ok, Yes, No, Cancel };

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MessageAnswer Show(std::string_view text, std::string_view title, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

} // namespace krv
