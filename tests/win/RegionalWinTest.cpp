// The locale seam and the date pictures against the system's own formatting.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialogs/modRegionalSettings.h"
#include "platform/Text.h"
#include "platform/win32/Win32Locale.h"

namespace krv {
namespace {

std::string SystemDateText(const DateTime& d, const wchar_t* picture) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(d.Year);
    time.wMonth = static_cast<WORD>(d.Month);
    time.wDay = static_cast<WORD>(d.Day);
    wchar_t buffer[200] = {};
    const int length = ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, picture, buffer, 200, nullptr);
    return length > 0 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : std::string();
}

TEST(RegionalWinTest, TheUsersLocaleGivesTheClockItems) {
    Win32Locale locale;
    EXPECT_FALSE(locale.LocaleText(LOCALE_ITEM_TIME_SEPARATOR).empty());
    EXPECT_FALSE(locale.LocaleText(LOCALE_ITEM_SHORT_DATE).empty());
    const std::string clock = locale.LocaleText(LOCALE_ITEM_CLOCK_24H);
    EXPECT_TRUE(clock == "0" || clock == "1") << clock;
    EXPECT_EQ(locale.LocaleText(LOCALE_ITEM_MONTH_NAME_JANUARY + 2), SystemDateText({2024, 3, 5}, L"MMMM"));
    // An item the system does not know reads as empty text.
    EXPECT_EQ(locale.LocaleText(0x7FFFFFF0), "");
}

TEST(RegionalWinTest, DatePicturesAreWrittenAsTheSystemWritesThem) {
    Win32Locale locale;
    modRegionalSettings regional(locale);
    const DateTime dates[] = {{2024, 3, 5}, {1999, 12, 31}, {2000, 1, 1}, {2031, 7, 9}};
    const wchar_t* pictures[] = {L"dd.MM.yyyy",  L"M/d/yy",        L"dddd, MMMM d, yyyy",
                                 L"ddd d MMM y", L"yyyy'-''x'-MM", L"d 'of' MMMM"};
    for (const DateTime& d : dates) {
        for (const wchar_t* picture : pictures) {
            EXPECT_EQ(regional.FormatDatePicture(d, Narrow(picture)), SystemDateText(d, picture))
                << Narrow(picture) << " " << d.Year;
        }
    }
    const std::string shortDate = regional.GetLocaleString(LOCALE_ITEM_SHORT_DATE);
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 0, 0, 0}), SystemDateText({2024, 3, 5}, nullptr));
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 21, 0, 0}),
              SystemDateText({2024, 3, 5}, nullptr) + " " + regional.FormatTimeLocal({2024, 3, 5, 21, 0, 0}))
        << shortDate;
}

} // namespace
} // namespace krv
