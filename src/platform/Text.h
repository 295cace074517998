#pragma once
// Every text conversion of the program: UTF-8 inside, UTF-16 at Win32 calls, the ANSI code page only where
// a file format or the registry layout asks for it.

#include <string>
#include <string_view>

namespace krv {

// UTF-8 <-> UTF-16. Invalid sequences become U+FFFD; nothing throws.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

#if defined(_WIN32)
// The same for the W functions of Windows, where wchar_t is a UTF-16 unit.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
#endif

// Number of characters (code points) of a UTF-8 text, and its part by character positions.
size_t Utf8Length(std::string_view utf8);
std::string Utf8Substr(std::string_view utf8, size_t firstChar, size_t charCount);

// Upper case by the Unicode simple case mapping (Latin, Greek, Cyrillic and the other bicameral scripts),
// so that sorting by upper-cased captions puts "é" beside "É".
std::string Utf8ToUpper(std::string_view utf8);
// Compares two texts as their upper-cased forms would compare (by code point), without making them:
// negative, zero or positive.
int CompareUpperCase(std::string_view a, std::string_view b);

// The single-byte ANSI code page in which configuration files, listings and Desktop.ini are written.
class ICodePage {
public:
    virtual ~ICodePage() = default;
    // UTF-8 to code-page bytes; characters the code page lacks become '?', never a look-alike character.
    virtual std::string ToAnsi(std::string_view utf8) const = 0;
    // Code-page bytes to UTF-8.
    virtual std::string FromAnsi(std::string_view bytes) const = 0;
    // True when the code page has every character of the text, so that ToAnsi loses nothing.
    virtual bool Holds(std::string_view utf8) const { return FromAnsi(ToAnsi(utf8)) == utf8; }
};

// True when the code page holds every character of the text. Only its runs of characters outside ASCII are
// looked at, which every ANSI code page holds.
bool CodePageHolds(const ICodePage& codePage, std::string_view utf8);

// Windows-1252 (Western European), computed without the system: the native tests' code page and the
// fallback where the system offers none.
class Windows1252CodePage final : public ICodePage {
public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view bytes) const override;
    bool Holds(std::string_view utf8) const override;
};

} // namespace krv
