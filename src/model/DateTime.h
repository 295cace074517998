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

// A DateTime in eight bytes, for the times every item holds (a tree holds up to 32,767 items). Holds years
// -32768..32767 and other parts -128..127, which every valid date and time fits.
class PackedDateTime {
public:
    constexpr PackedDateTime() = default;
    constexpr PackedDateTime(const DateTime& value) // NOLINT: stands in for a DateTime
        : year_(static_cast<int16_t>(value.Year)), month_(static_cast<int8_t>(value.Month)),
          day_(static_cast<int8_t>(value.Day)), hour_(static_cast<int8_t>(value.Hour)),
          minute_(static_cast<int8_t>(value.Minute)), second_(static_cast<int8_t>(value.Second)) {}
    constexpr DateTime Unpack() const { return DateTime{year_, month_, day_, hour_, minute_, second_}; }

private:
    int16_t year_ = 0;
    int8_t month_ = 0;
    int8_t day_ = 0;
    int8_t hour_ = 0;
    int8_t minute_ = 0;
    int8_t second_ = 0;
};
static_assert(sizeof(PackedDateTime) == 8);

} // namespace krv
