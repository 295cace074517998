#pragma once
// The e2e helper's commands on the controls of another program's window (ControlCommands.cpp).

#include <optional>
#include <string>
#include <vector>

namespace krv {

// Runs arguments (the command's name first) when it is one of these commands; nothing otherwise.
std::optional<int> RunDialogControlCommand(const std::vector<std::wstring>& arguments);
// Their lines of the helper's usage text.
const wchar_t* DialogControlCommandsUsage();

} // namespace krv
