#pragma once
// modRegionalSettings: dates and times in the user's regional style, for the properties dialogs.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/DateTime.h"
#include "platform/Locale.h"

namespace krv {

class modRegionalSettings {
public:
    explicit modRegionalSettings(ILocale& locale) : locale_(locale) {}

    // The locale item as text, ending at its first NUL; empty when the system cannot give it.
    std::string GetLocaleString(uint32_t item);
    // The time of day as hours, minutes and seconds joined by the locale's separator, with the
    // locale's designator for the morning or the afternoon after a blank when it has one. Empty when
    // the locale gives no separator or clock settings.
    std::string FormatTimeLocal(const DateTime& t);
    // The date in the locale's short date format, followed by a blank and FormatTimeLocal unless the
    // date text alone already stands for the whole value (a value without time part). Empty for the
    // zero date-time and for a value that is no calendar date.
    std::string FormatDateTimeLocal(const DateTime& d);

    // The date written with a Windows date picture ("dd/MM/yyyy", "d. MMMM yyyy", text in single
    // quotes kept as it is).
    std::string FormatDatePicture(const DateTime& d, std::string_view picture);
    // The date that a text written with picture stands for (time part zero); nothing when the text does
    // not follow the picture or names no calendar date. Two-digit years fall into 1930 to 2029.
    std::optional<DateTime> ReadDatePicture(std::string_view text, std::string_view picture);

private:
    std::string DayName(int weekday, bool abbreviated);
    std::string MonthName(int month, bool abbreviated);

    ILocale& locale_;
};

// The text of a date-time when the locale gives no date picture: "yyyy-MM-dd", and " HH:mm:ss" when the
// value has a time part.
std::string DefaultDateTimeText(const DateTime& d);

} // namespace krv
