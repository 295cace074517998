#include "platform/Text.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

TEST(TextTest, Utf16RoundTripIncludingSurrogatePairs) {
    const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x81"; // Café € 📁
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide.size(), 9u); // the folder emoji takes two units
    EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(TextTest, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("a\xFF" "b")), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xC3")), "\xEF\xBF\xBD");           // truncated sequence
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xC0\xAF")), "\xEF\xBF\xBD\xEF\xBF\xBD"); // overlong slash
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");   // lone surrogate
}

TEST(TextTest, CharacterCountsAndSubstrings) {
    const std::string text = "\xC3\xA9t\xC3\xA9"; // été
    EXPECT_EQ(Utf8Length(text), 3u);
    EXPECT_EQ(Utf8Substr(text, 1, 2), "t\xC3\xA9");
    EXPECT_EQ(Utf8Substr(text, 5, 2), "");
}

TEST(TextTest, UpperCaseCoversLatinGreekAndCyrillic) {
    EXPECT_EQ(Utf8ToUpper("abc xyz"), "ABC XYZ");
    EXPECT_EQ(Utf8ToUpper("\xC3\xA9\xC3\xBF"), "\xC3\x89\xC5\xB8");          // éÿ -> ÉŸ
    EXPECT_EQ(Utf8ToUpper("\xC5\x93\xC5\xBE"), "\xC5\x92\xC5\xBD");          // œž -> ŒŽ
    EXPECT_EQ(Utf8ToUpper("\xCE\xB1\xCF\x82"), "\xCE\x91\xCE\xA3");          // ας -> ΑΣ
    EXPECT_EQ(Utf8ToUpper("\xD0\xB4\xD1\x91"), "\xD0\x94\xD0\x81");          // дё -> ДЁ
    EXPECT_EQ(Utf8ToUpper("\xC3\xB7"), "\xC3\xB7");                          // ÷ has no case
}

TEST(TextTest, CompareUpperCaseAgreesWithComparingUpperCasedTexts) {
    const char* texts[] = {"",   "a",  "A",          "ab",          "B",           "\xC3\xA9",  "\xC3\x89",
                           "Z",  "zz", "\xD0\xB4",   "_",           "a_",          "ab\xC3\xA9", "AB\xC3\x89",
                           "Ab{", "ab[", "ab\xC3\xA9x", "AB\xC3\x89Y", "ab\xC3\xA9z"};
    for (const char* a : texts) {
        for (const char* b : texts) {
            const int expected = Utf8ToUpper(a).compare(Utf8ToUpper(b));
            const int actual = CompareUpperCase(a, b);
            EXPECT_EQ(expected < 0, actual < 0) << a << " vs " << b;
            EXPECT_EQ(expected == 0, actual == 0) << a << " vs " << b;
        }
    }
}

TEST(TextTest, Windows1252MapsTheHighRangeBothWays) {
    Windows1252CodePage cp;
    const std::string bytes = "\x80\x8A\x9F\xE9\xFF";
    const std::string utf8 = cp.FromAnsi(bytes);
    EXPECT_EQ(utf8, "\xE2\x82\xAC\xC5\xA0\xC5\xB8\xC3\xA9\xC3\xBF"); // € Š Ÿ é ÿ
    EXPECT_EQ(cp.ToAnsi(utf8), bytes);
    EXPECT_EQ(cp.ToAnsi("\xE4\xB8\xAD"), "?"); // a character the code page lacks
    EXPECT_EQ(cp.FromAnsi(std::string("\x81", 1)), "\xC2\x81"); // undefined byte keeps its value
}

// Holds is worked out character by character; it must say what the round trip through the code page says,
// for every character near the code page's own and for malformed text.
TEST(TextTest, Windows1252HoldsWhatTheRoundTripKeeps) {
    const Windows1252CodePage cp;
    const auto agrees = [&](const std::string& text) {
        EXPECT_EQ(cp.Holds(text), cp.ICodePage::Holds(text)) << testing::PrintToString(text);
    };
    for (char32_t c = 1; c < 0x3000; ++c) {
        if (c < 0xD800 || c > 0xDFFF)
            agrees(Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(c))));
    }
    agrees(Utf16ToUtf8(u"\xFFFD"));
    agrees("\xF0\x9F\x93\xB7"); // a character beyond the 16-bit range
    const char* malformed[] = {"\x80", "\xC3", "\xC3\x28", "\xE2\x82", "\xED\xA0\x80", "\xC0\xAF", "caf\xE9",
                               "\xF8\x88\x80\x80\x80", "\xFF"};
    for (const char* text : malformed)
        agrees(text);
    // Every byte of the code page stands for a character that converts back to that byte.
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(cp.ToAnsi(cp.FromAnsi(byte)), byte) << b;
        EXPECT_TRUE(cp.Holds(cp.FromAnsi(byte))) << b;
    }
}

} // namespace
} // namespace krv
