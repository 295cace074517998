#include "model/MenuItemText.h"

#include <array>
#include <vector>

#include "model/MenuVocabulary.h"

namespace krv {
namespace {

// The texts in FixedText order.
constexpr std::array<std::string_view, FT_COUNT> kFixedTexts = {
    "",
    MIT_PATH,
    MIT_PATH_SHORTCUT,
    MIT_PATH_EXPLORER,
    MIT_OPENALL,
    MIT_GROUP_GENERAL,
    MIT_DRIVE,
    MIT_GROUP_USER,
    MIT_PATHS_DRIVES,
    MIT_HF_DRIVES_SEP,
    MIT_PATHS_SYSTEM,
    MIT_PATHS_SYSTEM_W,
    MIT_PATHS_SYSTEM_P,
    MIT_PATHS_SYSTEM_PSM,
    MIT_PATHS_SYSTEM_A,
    MIT_PATHS_SYSTEM_ASM,
    MIT_HF_ORGANIZE,
    MIT_HF_SETTINGS,
    MIT_HF_HELP,
    MIT_HF_HELP_SEP,
    MIT_HF_ROOT,
    MIT_FL,
    TOP_LEVEL_OWNER,
    REMARK_AUTO,
    "Root",
    "Drives",
    "System Paths",
    "Settings",
    "Help",
    "Organize",
    "Personal Group",
    "Group",
    "Folder Shortcut",
    "Open-All",
    "Local Disk",
    "Remote Disk",
    "3.5-Inch Floppy Disk",
    "Compact Disc",
    "Disk",
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
};

// The table as strings, and its codes by text length for the look-up; built once, never changed after.
struct FixedTable {
    static constexpr size_t kLongest = 32;
    FixedTable() {
        for (size_t code = 0; code < FT_COUNT; ++code) {
            texts[code] = std::string(kFixedTexts[code]);
            byLength[kFixedTexts[code].size()].push_back(static_cast<uint8_t>(code));
        }
    }
    std::array<std::string, FT_COUNT> texts;
    std::array<std::vector<uint8_t>, kLongest> byLength;
};

const FixedTable& Table() {
    static const FixedTable table;
    return table;
}

} // namespace

const std::string& FixedTextOf(uint8_t code) { return Table().texts[code]; }

uint8_t FixedTextCode(std::string_view text) {
    const FixedTable& table = Table();
    if (text.size() >= FixedTable::kLongest)
        return kOwnedText;
    for (uint8_t code : table.byLength[text.size()]) {
        if (kFixedTexts[code] == text)
            return code;
    }
    return kOwnedText;
}

const std::string& EmptyText() { return FixedTextOf(FT_EMPTY); }

SharedText::SharedText(std::string text) : block_(text.empty() ? nullptr : new Block(std::move(text))) {}

SharedText SharedText::Sharing(std::string_view value, const SharedText& likely) {
    if (likely.block_ && likely.block_->text == value)
        return likely;
    return SharedText(std::string(value));
}

SharedText::SharedText(const SharedText& other) noexcept : block_(other.block_) {
    if (block_)
        block_->holders.fetch_add(1, std::memory_order_relaxed);
}

SharedText& SharedText::operator=(const SharedText& other) noexcept {
    if (other.block_)
        other.block_->holders.fetch_add(1, std::memory_order_relaxed);
    Release();
    block_ = other.block_;
    return *this;
}

SharedText& SharedText::operator=(SharedText&& other) noexcept {
    if (this != &other) {
        Release();
        block_ = other.block_;
        other.block_ = nullptr;
    }
    return *this;
}

void SharedText::ShareIfEqual(const SharedText& other) noexcept {
    if (block_ != other.block_ && block_ && other.block_ && block_->text == other.block_->text)
        *this = other;
}

void SharedText::Release() noexcept {
    if (block_ && block_->holders.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete block_;
    block_ = nullptr;
}

} // namespace krv
