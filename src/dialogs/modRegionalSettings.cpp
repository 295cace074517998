#include "dialogs/modRegionalSettings.h"

#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace krv {
namespace {

// One piece of a Windows date picture: a run of one field letter, or literal text.
struct PictureToken {
    char field = 0; // 'd', 'M', 'y', 'g', or 0 for literal text
    size_t count = 0;
    std::string literal;
};

bool IsFieldLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y' || c == 'g';
}

// Splits a picture the way GetDateFormat reads it: runs of d, M, y and g are fields, text in single
// quotes is literal ('' inside quotes is one quote), every other character stands for itself.
std::vector<PictureToken> Tokenize(std::string_view picture) {
    std::vector<PictureToken> tokens;
    const auto addLiteral = [&tokens](char c) {
        if (tokens.empty() || tokens.back().field != 0)
            tokens.push_back({});
        tokens.back().literal += c;
    };
    for (size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        addLiteral('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                addLiteral(picture[i++]);
            }
        } else if (IsFieldLetter(c)) {
            size_t count = 0;
            while (i < picture.size() && picture[i] == c) {
                ++count;
                ++i;
            }
            tokens.push_back({c, count, {}});
        } else {
            addLiteral(c);
            ++i;
        }
    }
    return tokens;
}

std::string Padded(int number, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, number);
    return buffer;
}

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// 0 for Monday to 6 for Sunday, the order of the locale's day names.
int WeekdayFromMonday(const DateTime& d) {
    const long days = DaysFromCivil(d.Year, d.Month, d.Day);
    // 1970-01-01 was a Thursday (3 counting from Monday).
    return static_cast<int>(((days % 7) + 7 + 3) % 7);
}

// Reads up to maxDigits decimal digits at the front of text; nothing when there is none.
std::optional<int> ReadNumber(std::string_view& text, size_t maxDigits, size_t& digitsRead) {
    digitsRead = 0;
    int value = 0;
    while (digitsRead < maxDigits && digitsRead < text.size() && text[digitsRead] >= '0' &&
           text[digitsRead] <= '9') {
        value = value * 10 + (text[digitsRead] - '0');
        ++digitsRead;
    }
    if (digitsRead == 0)
        return std::nullopt;
    text.remove_prefix(digitsRead);
    return value;
}

// Index (0-based) of the longest of the names that text starts with; nothing when it starts with none.
std::optional<int> ReadName(std::string_view& text, int count,
                            const std::function<std::string(int)>& nameOf) {
    std::optional<int> best;
    size_t bestLength = 0;
    for (int i = 0; i < count; ++i) {
        const std::string name = nameOf(i);
        if (!name.empty() && name.size() > bestLength && text.starts_with(name)) {
            best = i;
            bestLength = name.size();
        }
    }
    if (best)
        text.remove_prefix(bestLength);
    return best;
}

// Two-digit years as the system reads them back: 00 to 29 are 2000 to 2029, 30 to 99 are 1930 to 1999.
int WindowedYear(int year) {
    return year < 30 ? 2000 + year : 1900 + year;
}

} // namespace

std::string modRegionalSettings::GetLocaleString(uint32_t item) {
    std::string text = locale_.LocaleText(item);
    if (const size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

std::string modRegionalSettings::FormatTimeLocal(const DateTime& t) {
    const std::string separator = GetLocaleString(LOCALE_ITEM_TIME_SEPARATOR);
    const std::string clock = GetLocaleString(LOCALE_ITEM_CLOCK_24H);
    const std::string leadingZero = GetLocaleString(LOCALE_ITEM_HOUR_LEADING_ZERO);
    const std::string morning = GetLocaleString(LOCALE_ITEM_AM_DESIGNATOR);
    const std::string afternoon = GetLocaleString(LOCALE_ITEM_PM_DESIGNATOR);
    if (separator.empty() || clock.empty() || leadingZero.empty())
        return {};

    int hour = t.Hour;
    if (clock != "1")
        hour = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = Padded(hour, leadingZero == "1" ? 2 : 1);
    text += separator + Padded(t.Minute, 2) + separator + Padded(t.Second, 2);

    if (t.Hour < 12 && !morning.empty())
        text += " " + morning;
    else if (t.Hour >= 12 && !afternoon.empty())
        text += " " + afternoon;
    return text;
}

std::string modRegionalSettings::FormatDateTimeLocal(const DateTime& d) {
    // The zero value means "never"; callers show their own word for it, and neither it nor a value that
    // is no calendar date has a text of its own.
    if (d.IsZero() || !DateTime::IsValidDate(d.Year, d.Month, d.Day) ||
        !DateTime::IsValidTime(d.Hour, d.Minute, d.Second))
        return {};

    const std::string picture = GetLocaleString(LOCALE_ITEM_SHORT_DATE);
    if (picture.empty())
        return DefaultDateTimeText(d);

    const std::string dateText = FormatDatePicture(d, picture);
    if (ReadDatePicture(dateText, picture) == d)
        return dateText;
    return dateText + " " + FormatTimeLocal(d);
}

std::string modRegionalSettings::FormatDatePicture(const DateTime& d, std::string_view picture) {
    std::string text;
    for (const PictureToken& token : Tokenize(picture)) {
        switch (token.field) {
        case 'd':
            if (token.count <= 2)
                text += Padded(d.Day, static_cast<int>(token.count));
            else
                text += DayName(WeekdayFromMonday(d), token.count == 3);
            break;
        case 'M':
            if (token.count <= 2)
                text += Padded(d.Month, static_cast<int>(token.count));
            else
                text += MonthName(d.Month, token.count == 3);
            break;
        case 'y':
            // "y" and "yy" both give the last two digits of the year.
            if (token.count <= 2)
                text += Padded(d.Year % 100, 2);
            else
                text += Padded(d.Year, 4);
            break;
        case 'g':
            // The era of the Gregorian calendar is left out: no locale item names it.
            break;
        default:
            text += token.literal;
            break;
        }
    }
    return text;
}

std::optional<DateTime> modRegionalSettings::ReadDatePicture(std::string_view text,
                                                             std::string_view picture) {
    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;
    for (const PictureToken& token : Tokenize(picture)) {
        size_t digits = 0;
        switch (token.field) {
        case 'd':
            if (token.count <= 2) {
                day = ReadNumber(text, 2, digits);
                if (!day)
                    return std::nullopt;
            } else if (!ReadName(text, 7, [&](int i) { return DayName(i, token.count == 3); })) {
                return std::nullopt;
            }
            break;
        case 'M':
            if (token.count <= 2)
                month = ReadNumber(text, 2, digits);
            else if (auto index =
                         ReadName(text, 12, [&](int i) { return MonthName(i + 1, token.count == 3); }))
                month = *index + 1;
            else
                month.reset();
            if (!month)
                return std::nullopt;
            break;
        case 'y':
            year = ReadNumber(text, token.count <= 2 ? 2 : 4, digits);
            if (!year)
                return std::nullopt;
            if (digits <= 2)
                year = WindowedYear(*year);
            break;
        case 'g':
            break;
        default:
            if (!text.starts_with(token.literal))
                return std::nullopt;
            text.remove_prefix(token.literal.size());
            break;
        }
    }
    if (!text.empty() || !day || !month || !year || !DateTime::IsValidDate(*year, *month, *day))
        return std::nullopt;
    return DateTime{*year, *month, *day, 0, 0, 0};
}

std::string modRegionalSettings::DayName(int weekday, bool abbreviated) {
    const uint32_t first = abbreviated ? LOCALE_ITEM_ABBREV_DAY_MONDAY : LOCALE_ITEM_DAY_NAME_MONDAY;
    return GetLocaleString(first + static_cast<uint32_t>(weekday));
}

std::string modRegionalSettings::MonthName(int month, bool abbreviated) {
    const uint32_t first = abbreviated ? LOCALE_ITEM_ABBREV_MONTH_JANUARY : LOCALE_ITEM_MONTH_NAME_JANUARY;
    return GetLocaleString(first + static_cast<uint32_t>(month - 1));
}

std::string DefaultDateTimeText(const DateTime& d) {
    std::string text = Padded(d.Year, 4) + "-" + Padded(d.Month, 2) + "-" + Padded(d.Day, 2);
    if (d.Hour != 0 || d.Minute != 0 || d.Second != 0)
        text += " " + Padded(d.Hour, 2) + ":" + Padded(d.Minute, 2) + ":" + Padded(d.Second, 2);
    return text;
}

} // namespace krv
