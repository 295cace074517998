#include "model/DateTime.h"

#include <ctime>

namespace krv {

DateTime DateTime::Now() {
    // Items are created by the thousand when a file is read; the calendar conversion runs once a second.
    thread_local std::time_t cachedSecond = -1;
    thread_local DateTime cached;
    const std::time_t now = std::time(nullptr);
    if (now == cachedSecond)
        return cached;
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    cachedSecond = now;
    cached = DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    return cached;
}

bool DateTime::IsValidDate(int year, int month, int day) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = (month == 2 && leap) ? 29 : kDays[month - 1];
    return day <= last;
}

bool DateTime::IsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

} // namespace krv
