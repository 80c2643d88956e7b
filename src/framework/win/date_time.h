#pragma once
// Calendar dates as day numbers: day 0 is 30 December 1899, the origin the
// framework's date values count from (day 1 is 31 December 1899, day 45000
// is 15 March 2023). Proleptic Gregorian calendar.

namespace korvane {

struct CalendarDate {
    int year;
    int month;  // 1 .. 12
    int day;    // 1 .. 31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

int DayNumber(CalendarDate date);
CalendarDate DateOfDay(int day_number);

}  // namespace korvane
