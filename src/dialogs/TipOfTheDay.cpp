#include "dialogs/TipOfTheDay.h"

#include <cmath>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {

std::string TipsNotFoundText() {
    return std::string("That the ") + TIP_FILE_NAME + " file was not found? " + "\r\n\r\n" +
           "Create a text file named " + TIP_FILE_NAME + " using NotePad with 1 tip per line. " +
           "Then place it in the same directory as the application. ";
}

std::string TipFilePath(std::string_view programFolder) {
    return std::string(programFolder) + "\\" + TIP_FILE_NAME;
}

std::vector<std::string> SplitTipLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

TipOfTheDay::TipOfTheDay(IFileSystem& files, const ICodePage& codePage, std::function<double()> random)
    : files_(files), codePage_(codePage), random_(std::move(random)) {}

bool TipOfTheDay::LoadTips(std::string_view path) {
    if (path.empty() || !files_.FileExists(path))
        return false;
    const std::optional<std::string> bytes = files_.ReadFile(path);
    if (!bytes)
        return false;
    tips_ = SplitTipLines(codePage_.FromAnsi(*bytes));
    current_ = 0;
    ShowRandomTip();
    return true;
}

void TipOfTheDay::ShowRandomTip() {
    if (tips_.empty())
        return;
    double r = random_();
    // A generator that strays out of [0, 1) must still name a tip of the list.
    if (!(r >= 0.0 && r < 1.0))
        r = 0.0;
    const auto number = static_cast<size_t>(std::floor(r * static_cast<double>(tips_.size()) + 1.0));
    current_ = std::min(number, tips_.size());
}

std::optional<std::string> TipOfTheDay::DisplayCurrentTip() const {
    if (tips_.empty() || current_ == 0)
        return std::nullopt;
    return tips_[current_ - 1];
}

std::optional<std::string> TipOfTheDay::LoadWindow(std::string_view programFolder) {
    if (!LoadTips(TipFilePath(programFolder)))
        return TipsNotFoundText();
    return DisplayCurrentTip();
}

void SetShowTips(Options& options, clsRegHandler& registry, bool checked) {
    options.ShowTips = checked;
    registry.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_TIP, OptionText(checked));
}

} // namespace krv
