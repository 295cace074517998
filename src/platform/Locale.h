#pragma once
// The user's regional settings as the portable code sees them: locale items by their Windows numbers.

#include <cstdint>
#include <string>

namespace krv {

// Locale items with the numbers Windows gives them.
enum LocaleItem : uint32_t {
    LOCALE_ITEM_TIME_SEPARATOR = 0x1E,       // LOCALE_STIME
    LOCALE_ITEM_SHORT_DATE = 0x1F,           // LOCALE_SSHORTDATE, the short date format picture
    LOCALE_ITEM_CLOCK_24H = 0x23,            // LOCALE_ITIME: "1" for a 24-hour clock
    LOCALE_ITEM_HOUR_LEADING_ZERO = 0x25,    // LOCALE_ITLZERO: "1" for a leading zero in hours
    LOCALE_ITEM_AM_DESIGNATOR = 0x28,        // LOCALE_S1159
    LOCALE_ITEM_PM_DESIGNATOR = 0x29,        // LOCALE_S2359
    LOCALE_ITEM_DAY_NAME_MONDAY = 0x2A,      // LOCALE_SDAYNAME1; Tuesday to Sunday follow
    LOCALE_ITEM_ABBREV_DAY_MONDAY = 0x31,    // LOCALE_SABBREVDAYNAME1; Tuesday to Sunday follow
    LOCALE_ITEM_MONTH_NAME_JANUARY = 0x38,   // LOCALE_SMONTHNAME1; February to December follow
    LOCALE_ITEM_ABBREV_MONTH_JANUARY = 0x44, // LOCALE_SABBREVMONTHNAME1; February to December follow
};

class ILocale {
public:
    virtual ~ILocale() = default;
    // The item of the user's default locale; empty when the system cannot give it.
    virtual std::string LocaleText(uint32_t item) = 0;
};

} // namespace krv
