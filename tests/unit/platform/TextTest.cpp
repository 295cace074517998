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
    const char* texts[] = {"", "a", "A", "ab", "B", "\xC3\xA9", "\xC3\x89", "Z", "zz", "\xD0\xB4"};
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

} // namespace
} // namespace krv
