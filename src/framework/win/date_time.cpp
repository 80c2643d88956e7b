#include "framework/win/date_time.h"

namespace korvane {

namespace {
// Days from 1 March of year 0 to 30 December 1899 in the civil-day count below.
constexpr int kOriginDays = 693899;
}  // namespace

// The well-known era arithmetic: years counted from 1 March, 400-year eras
// of 146097 days.
int DayNumber(CalendarDate date) {
    int y = date.month <= 2 ? date.year - 1 : date.year;
    int era = (y >= 0 ? y : y - 399) / 400;
    int year_of_era = y - era * 400;
    int month_from_march = date.month > 2 ? date.month - 3 : date.month + 9;
    int day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
    int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - kOriginDays;
}

CalendarDate DateOfDay(int day_number) {
    int z = day_number + kOriginDays;
    int era = (z >= 0 ? z : z - 146096) / 146097;
    int day_of_era = z - era * 146097;
    int year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    int month_from_march = (5 * day_of_year + 2) / 153;
    int day = day_of_year - (153 * month_from_march + 2) / 5 + 1;
    int month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
    int year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

}  // namespace korvane
