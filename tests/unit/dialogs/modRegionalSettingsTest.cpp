#include "dialogs/modRegionalSettings.h"

#include <gtest/gtest.h>

#include "fakes/FakeLocale.h"

namespace krv {
namespace {

class RegionalSettingsTest : public ::testing::Test {
protected:
    // A 24-hour clock with leading zeros and no designators, as many European locales have it.
    void UseTwentyFourHourClock() {
        locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ":";
        locale.items[LOCALE_ITEM_CLOCK_24H] = "1";
        locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "1";
    }
    // A 12-hour clock without leading zeros and with designators, as in the United States.
    void UseTwelveHourClock() {
        locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ":";
        locale.items[LOCALE_ITEM_CLOCK_24H] = "0";
        locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "0";
        locale.items[LOCALE_ITEM_AM_DESIGNATOR] = "AM";
        locale.items[LOCALE_ITEM_PM_DESIGNATOR] = "PM";
    }
    void UseEnglishNames() {
        const char* days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
        for (uint32_t i = 0; i < 7; ++i) {
            locale.items[LOCALE_ITEM_DAY_NAME_MONDAY + i] = days[i];
            locale.items[LOCALE_ITEM_ABBREV_DAY_MONDAY + i] = std::string(days[i], 3);
        }
        for (uint32_t i = 0; i < 12; ++i) {
            locale.items[LOCALE_ITEM_MONTH_NAME_JANUARY + i] = months[i];
            locale.items[LOCALE_ITEM_ABBREV_MONTH_JANUARY + i] = std::string(months[i], 3);
        }
    }

    FakeLocale locale;
    modRegionalSettings regional{locale};
};

TEST_F(RegionalSettingsTest, LocaleStringEndsAtTheFirstNul) {
    locale.items[LOCALE_ITEM_TIME_SEPARATOR] = std::string(":\0junk", 6);
    EXPECT_EQ(regional.GetLocaleString(LOCALE_ITEM_TIME_SEPARATOR), ":");
    EXPECT_EQ(regional.GetLocaleString(LOCALE_ITEM_SHORT_DATE), "");
}

TEST_F(RegionalSettingsTest, TwentyFourHourClockPadsHoursMinutesAndSeconds) {
    UseTwentyFourHourClock();
    locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ".";
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 9, 5, 7}), "09.05.07");
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 21, 0, 0}), "21.00.00");
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 0, 59, 59}), "00.59.59");
    locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "0";
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 9, 5, 7}), "9.05.07");
}

TEST_F(RegionalSettingsTest, TwelveHourClockCountsFromOneToTwelveWithDesignators) {
    UseTwelveHourClock();
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 21, 0, 0}), "9:00:00 PM");
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 0, 15, 0}), "12:15:00 AM");
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 12, 0, 1}), "12:00:01 PM");
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 11, 59, 59}), "11:59:59 AM");
    locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "1";
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 21, 0, 0}), "09:00:00 PM");
    // A locale may name only one half of the day.
    locale.items.erase(LOCALE_ITEM_AM_DESIGNATOR);
    EXPECT_EQ(regional.FormatTimeLocal({2024, 3, 5, 8, 0, 0}), "08:00:00");
}

TEST_F(RegionalSettingsTest, MissingClockSettingsGiveNoTime) {
    UseTwentyFourHourClock();
    for (uint32_t item : {LOCALE_ITEM_TIME_SEPARATOR, LOCALE_ITEM_CLOCK_24H, LOCALE_ITEM_HOUR_LEADING_ZERO}) {
        FakeLocale partial;
        partial.items = locale.items;
        partial.items.erase(item);
        modRegionalSettings settings(partial);
        EXPECT_EQ(settings.FormatTimeLocal({2024, 3, 5, 9, 5, 7}), "") << item;
    }
}

TEST_F(RegionalSettingsTest, DateWithoutTimePartIsTheShortDateAlone) {
    UseTwentyFourHourClock();
    locale.items[LOCALE_ITEM_SHORT_DATE] = "dd.MM.yyyy";
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 0, 0, 0}), "05.03.2024");
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 9, 5, 7}), "05.03.2024 09:05:07");
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 0, 0, 1}), "05.03.2024 00:00:01");
}

TEST_F(RegionalSettingsTest, DatePicturesWithNamesQuotesAndShortYears) {
    UseTwelveHourClock();
    UseEnglishNames();
    locale.items[LOCALE_ITEM_SHORT_DATE] = "M/d/yyyy";
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 21, 0, 0}), "3/5/2024 9:00:00 PM");
    locale.items[LOCALE_ITEM_SHORT_DATE] = "ddd d MMM yy";
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 0, 0, 0}), "Tue 5 Mar 24");
    locale.items[LOCALE_ITEM_SHORT_DATE] = "dddd, MMMM dd 'of' yyyy";
    EXPECT_EQ(regional.FormatDatePicture({2000, 1, 1}, "dddd, MMMM dd 'of' yyyy"),
              "Saturday, January 01 of 2000");
    EXPECT_EQ(regional.FormatDateTimeLocal({2000, 1, 1, 0, 0, 0}), "Saturday, January 01 of 2000");
    EXPECT_EQ(regional.FormatDatePicture({2024, 12, 31}, "yyyy'-''s'-y"), "2024-'s-24");
    EXPECT_EQ(regional.FormatDatePicture({2005, 1, 2}, "d/M/y"), "2/1/05");
}

TEST_F(RegionalSettingsTest, DatesOutsideTheTwoDigitYearWindowShowTheirTime) {
    // "yy" reads back as 1930 to 2029, so 1925 does not survive the round trip and the time is added to
    // keep the text unambiguous, as the system's own read-back would.
    UseTwentyFourHourClock();
    locale.items[LOCALE_ITEM_SHORT_DATE] = "dd/MM/yy";
    EXPECT_EQ(regional.FormatDateTimeLocal({1999, 12, 31, 0, 0, 0}), "31/12/99");
    EXPECT_EQ(regional.FormatDateTimeLocal({1925, 6, 1, 0, 0, 0}), "01/06/25 00:00:00");
}

TEST_F(RegionalSettingsTest, ReadingBackFollowsThePicture) {
    UseEnglishNames();
    EXPECT_EQ(regional.ReadDatePicture("5.3.2024", "d.M.yyyy"), (DateTime{2024, 3, 5}));
    EXPECT_EQ(regional.ReadDatePicture("Tue 5 March 24", "ddd d MMMM yy"), (DateTime{2024, 3, 5}));
    EXPECT_EQ(regional.ReadDatePicture("31.2.2024", "d.M.yyyy"), std::nullopt);
    EXPECT_EQ(regional.ReadDatePicture("5.3.2024x", "d.M.yyyy"), std::nullopt);
    EXPECT_EQ(regional.ReadDatePicture("5-3-2024", "d.M.yyyy"), std::nullopt);
    EXPECT_EQ(regional.ReadDatePicture("5.3", "d.M"), std::nullopt);
}

TEST_F(RegionalSettingsTest, WithoutDatePictureTheDefaultTextIsUsed) {
    UseTwentyFourHourClock();
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 0, 0, 0}), "2024-03-05");
    EXPECT_EQ(regional.FormatDateTimeLocal({2024, 3, 5, 9, 5, 7}), "2024-03-05 09:05:07");
}

TEST_F(RegionalSettingsTest, TheZeroValueAndImpossibleDatesHaveNoText) {
    UseTwentyFourHourClock();
    locale.items[LOCALE_ITEM_SHORT_DATE] = "dd.MM.yyyy";
    EXPECT_EQ(regional.FormatDateTimeLocal(DateTime::Zero()), "");
    EXPECT_EQ(regional.FormatDateTimeLocal({2023, 2, 29, 0, 0, 0}), "");
    EXPECT_EQ(regional.FormatDateTimeLocal({2023, 2, 28, 24, 0, 0}), "");
}

} // namespace
} // namespace krv
