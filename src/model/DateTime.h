#pragma once
// A local calendar date and time of day to the second, with a distinct zero value ("never").

#include <compare>
#include <cstdint>

namespace krv {

struct DateTime {
    int Year = 0;
    int Month = 0;  // 1..12
    int Day = 0;    // 1..31
    int Hour = 0;   // 0..23
    int Minute = 0; // 0..59
    int Second = 0; // 0..59

    // The zero date-time stands for "no time recorded"; it is written to files as an empty record.
    static constexpr DateTime Zero() { return DateTime{}; }
    bool IsZero() const { return Year == 0 && Month == 0 && Day == 0 && Hour == 0 && Minute == 0 && Second == 0; }

    // The current local date and time.
    static DateTime Now();

    // True when Year/Month/Day name a real calendar day (years 100..9999, as the file format allows).
    static bool IsValidDate(int year, int month, int day);
    static bool IsValidTime(int hour, int minute, int second);

    auto operator<=>(const DateTime&) const = default;
};

} // namespace krv
