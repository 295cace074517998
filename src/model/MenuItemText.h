#pragma once
// How a menu item keeps its texts in little memory while handing each out as a const std::string&:
//   - FixedText: the vocabulary (item and open types, fixed names, drive type digits) and the descriptions
//     the program gives, as one byte naming an entry of an immutable table built once;
//   - SharedText: a text that equal fields of many items share (the owner's name, a group's paths), held
//     once with a count of its holders.

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace krv {

// The entries of the fixed text table. An item field holding kOwnedText keeps its text itself.
enum FixedText : uint8_t {
    FT_EMPTY,
    FT_MIT_PATH,
    FT_MIT_PATH_SHORTCUT,
    FT_MIT_PATH_EXPLORER,
    FT_MIT_OPENALL,
    FT_MIT_GROUP_GENERAL,
    FT_MIT_DRIVE,
    FT_MIT_GROUP_USER,
    FT_MIT_PATHS_DRIVES,
    FT_MIT_HF_DRIVES_SEP,
    FT_MIT_PATHS_SYSTEM,
    FT_MIT_PATHS_SYSTEM_W,
    FT_MIT_PATHS_SYSTEM_P,
    FT_MIT_PATHS_SYSTEM_PSM,
    FT_MIT_PATHS_SYSTEM_A,
    FT_MIT_PATHS_SYSTEM_ASM,
    FT_MIT_HF_ORGANIZE,
    FT_MIT_HF_SETTINGS,
    FT_MIT_HF_HELP,
    FT_MIT_HF_HELP_SEP,
    FT_MIT_HF_ROOT,
    FT_MIT_FL,
    FT_TOP_LEVEL_OWNER,
    FT_REMARK_AUTO,
    // Descriptions (SetIconIDDescription).
    FT_ROOT,
    FT_DRIVES,
    FT_SYSTEM_PATHS,
    FT_SETTINGS,
    FT_HELP,
    FT_ORGANIZE,
    FT_PERSONAL_GROUP,
    FT_GROUP,
    FT_FOLDER_SHORTCUT,
    FT_OPEN_ALL,
    FT_LOCAL_DISK,
    FT_REMOTE_DISK,
    FT_FLOPPY_DISK,
    FT_COMPACT_DISC,
    FT_DISK,
    // Drive types as decimal text, "0" to "9" (FT_DIGIT_0 + n).
    FT_DIGIT_0,
    FT_DIGIT_9 = FT_DIGIT_0 + 9,
    FT_COUNT,
};
inline constexpr uint8_t kOwnedText = 0xFF;

// The entry of a drive type's decimal text, digit 0..9.
constexpr uint8_t DigitText(int digit) { return static_cast<uint8_t>(int{FT_DIGIT_0} + digit); }

// The table entry's text; code must be below FT_COUNT.
const std::string& FixedTextOf(uint8_t code);
// The entry whose text is text, or kOwnedText when there is none.
uint8_t FixedTextCode(std::string_view text);
// The empty text every unset field hands out.
const std::string& EmptyText();

// An immutable text held by any number of items. Copies share it; assigning a new value lets go of the old
// one. The count is atomic, so items that share a text may be copied and destroyed on different threads, as
// independent strings could.
class SharedText {
public:
    SharedText() = default;
    explicit SharedText(std::string text);
    SharedText(const SharedText& other) noexcept;
    SharedText(SharedText&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    SharedText& operator=(const SharedText& other) noexcept;
    SharedText& operator=(SharedText&& other) noexcept;
    ~SharedText() { Release(); }

    // value as a text, held in likely's block when likely holds value: a reader that passes the previous
    // item's text makes no copy of a text that many items in a row hold.
    static SharedText Sharing(std::string_view value, const SharedText& likely);

    const std::string& str() const { return block_ ? block_->text : EmptyText(); }
    // Makes this hold other's text when both texts are equal, so that one copy serves both.
    void ShareIfEqual(const SharedText& other) noexcept;

private:
    struct Block {
        explicit Block(std::string value) : text(std::move(value)) {}
        std::atomic<uint32_t> holders{1};
        const std::string text;
    };
    void Release() noexcept;
    Block* block_ = nullptr; // nullptr for the empty text
};

} // namespace krv
