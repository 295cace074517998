#include "platform/Text.h"

#include <array>
#include <cstdint>

#if defined(_WIN32)
#include <cwchar>
#endif

namespace krv {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at text[pos], advancing pos; malformed input yields U+FFFD and skips one byte.
char32_t DecodeUtf8(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; 0 marks the five undefined bytes, which map to the C1 control of the same
// value as Windows itself does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Cp1252ToUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0)
        return kCp1252High[b - 0x80];
    return b;
}

// The Windows-1252 byte of a character; -1 when the code page lacks it.
int Cp1252ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int b = 0x80; b <= 0x9F; ++b) {
        if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == cp)
            return b;
    }
    return -1;
}

// Simple upper-case mapping for the ranges where lower and upper case letters pair regularly.
char32_t ToUpperSimple(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c == 0xB5)
        return 0x39C;
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177) ||
        (c >= 0x1DE && c <= 0x1EF) || (c >= 0x1F8 && c <= 0x21F) || (c >= 0x222 && c <= 0x233) ||
        (c >= 0x246 && c <= 0x24F) || (c >= 0x370 && c <= 0x373) || (c >= 0x3D8 && c <= 0x3EF) ||
        (c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F) ||
        (c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) {
        return (c & 1) ? c - 1 : c;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E) || (c >= 0x4C1 && c <= 0x4CE))
        return (c & 1) ? c : c - 1;
    if (c == 0x131)
        return 'I';
    if (c == 0x17F)
        return 'S';
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return c - 32;
    if (c == 0x3C2)
        return 0x3A3;
    if (c == 0x3AC)
        return 0x386;
    if (c >= 0x3AD && c <= 0x3AF)
        return c - 37;
    if (c == 0x3CC)
        return 0x38C;
    if (c == 0x3CD || c == 0x3CE)
        return c - 63;
    if (c >= 0x430 && c <= 0x44F)
        return c - 32;
    if (c >= 0x450 && c <= 0x45F)
        return c - 80;
    if (c == 0x4CF)
        return 0x4C0;
    if (c >= 0x561 && c <= 0x586)
        return c - 48;
    if (c >= 0x24D0 && c <= 0x24E9)
        return c - 26;
    if (c >= 0xFF41 && c <= 0xFF5A)
        return c - 32;
    return c;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t cp = DecodeUtf8(utf8, pos);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

#if defined(_WIN32)
std::wstring Widen(std::string_view utf8) {
    const std::u16string wide = Utf8ToUtf16(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view utf16) {
    const std::u16string wide(utf16.begin(), utf16.end());
    return Utf16ToUtf8(wide);
}
#endif

size_t Utf8Length(std::string_view utf8) {
    size_t count = 0;
    for (size_t pos = 0; pos < utf8.size(); ++count)
        DecodeUtf8(utf8, pos);
    return count;
}

std::string Utf8Substr(std::string_view utf8, size_t firstChar, size_t charCount) {
    size_t pos = 0;
    for (size_t i = 0; i < firstChar && pos < utf8.size(); ++i)
        DecodeUtf8(utf8, pos);
    const size_t start = pos;
    for (size_t i = 0; i < charCount && pos < utf8.size(); ++i)
        DecodeUtf8(utf8, pos);
    return std::string(utf8.substr(start, pos - start));
}

std::string Utf8ToUpper(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            out += static_cast<char>((lead >= 'a' && lead <= 'z') ? lead - 32 : lead);
            ++pos;
            continue;
        }
        AppendUtf8(out, ToUpperSimple(DecodeUtf8(utf8, pos)));
    }
    return out;
}

int CompareUpperCase(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        // Most captions are ASCII: compared a byte at a time until a character outside it.
        const auto ba = static_cast<unsigned char>(a[i]);
        const auto bb = static_cast<unsigned char>(b[j]);
        if (ba < 0x80 && bb < 0x80) {
            const int ua = (ba >= 'a' && ba <= 'z') ? ba - 32 : ba;
            const int ub = (bb >= 'a' && bb <= 'z') ? bb - 32 : bb;
            if (ua != ub)
                return ua < ub ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const char32_t ca = ToUpperSimple(DecodeUtf8(a, i));
        const char32_t cb = ToUpperSimple(DecodeUtf8(b, j));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

bool CodePageHolds(const ICodePage& codePage, std::string_view utf8) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        while (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) < 0x80)
            ++pos;
        size_t runEnd = pos;
        while (runEnd < utf8.size() && static_cast<unsigned char>(utf8[runEnd]) >= 0x80)
            ++runEnd;
        if (runEnd > pos && !codePage.Holds(utf8.substr(pos, runEnd - pos)))
            return false;
        pos = runEnd;
    }
    return true;
}

std::string Windows1252CodePage::ToAnsi(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const int b = Cp1252ByteOf(DecodeUtf8(utf8, pos));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

// The round trip gives the text back exactly when every character has its byte: a malformed sequence decodes
// to U+FFFD, which the code page lacks, and a well-formed one is re-encoded as it was.
bool Windows1252CodePage::Holds(std::string_view utf8) const {
    for (size_t pos = 0; pos < utf8.size();) {
        if (Cp1252ByteOf(DecodeUtf8(utf8, pos)) < 0)
            return false;
    }
    return true;
}

// Every character of the code page is below U+0800 but the Euro sign and the other punctuation of 0x80 to
// 0x9F, so the length of the result is known before it is written, and it is written in one go.
std::string Windows1252CodePage::FromAnsi(std::string_view bytes) const {
    const auto utf8Length = [](char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : 3; };
    size_t length = 0;
    for (unsigned char b : bytes)
        length += static_cast<size_t>(utf8Length(Cp1252ToUnicode(b)));
    std::string out(length, '\0');
    char* at = out.data();
    for (unsigned char b : bytes) {
        const char32_t c = Cp1252ToUnicode(b);
        switch (utf8Length(c)) {
        case 1:
            *at++ = static_cast<char>(c);
            break;
        case 2:
            *at++ = static_cast<char>(0xC0 | (c >> 6));
            *at++ = static_cast<char>(0x80 | (c & 0x3F));
            break;
        default:
            *at++ = static_cast<char>(0xE0 | (c >> 12));
            *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *at++ = static_cast<char>(0x80 | (c & 0x3F));
            break;
        }
    }
    return out;
}

} // namespace krv
