#include <gtest/gtest.h>

#include <vector>

#include "framework/win/date_time.h"
#include "framework/win/tab_layout.h"

namespace korvane {
namespace {

TEST(TabLayoutTest, TabsFollowEachOtherFromTheStartMarginWithTheirTextWidthAndNine) {
    std::vector<int> widths{20, 30, 10};
    std::vector<TabPlace> places = place_tabs(widths, 0, 5, 200, false);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].left, 5);
    EXPECT_EQ(places[0].right, 34);
    EXPECT_EQ(places[1].left, 34);
    EXPECT_EQ(places[1].right, 73);
    EXPECT_EQ(places[2].right, 92);
    EXPECT_TRUE(all_tabs_fit(widths, 0, 5, 200));
}

TEST(TabLayoutTest, ATabThatDoesNotFitIsLeftOutAndANarrowerOneAfterItStillComes) {
    std::vector<int> widths{20, 100, 10};
    // 5 + 29 = 34; the wide tab would end at 143 > 60; the last ends at 53.
    std::vector<TabPlace> places = place_tabs(widths, 0, 5, 60, false);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].index, 0);
    EXPECT_EQ(places[1].index, 2);
    EXPECT_EQ(places[1].left, 34);
    EXPECT_FALSE(all_tabs_fit(widths, 0, 5, 60));
    // The scroller's arrows take 12 more: the last tab no longer fits exactly at the limit.
    EXPECT_EQ(place_tabs(std::vector<int>{20, 10}, 0, 5, 53, false).size(), 2u);
    EXPECT_EQ(place_tabs(std::vector<int>{20, 10}, 0, 5, 53, true).size(), 1u);
    // Scrolled on, the row starts with the first index shown and never "fits".
    places = place_tabs(widths, 1, 5, 200, true);
    EXPECT_EQ(places.front().index, 1);
    EXPECT_FALSE(all_tabs_fit(widths, 1, 5, 200));
}

TEST(DateTimeTest, DayNumbersCountFromTheThirtiethOfDecember1899) {
    EXPECT_EQ(DayNumber({1899, 12, 30}), 0);
    EXPECT_EQ(DayNumber({1900, 1, 1}), 2);
    EXPECT_EQ(DayNumber({1900, 3, 1}), 61);  // 1900 is no leap year
    EXPECT_EQ(DayNumber({2000, 2, 29}), 36585);
    EXPECT_EQ(DayNumber({2023, 3, 15}), 45000);
    EXPECT_EQ(DayNumber({1800, 1, 1}), -36522);
    for (int day : {-36522, -1, 0, 1, 59, 60, 61, 36585, 45000, 2958465})
        EXPECT_EQ(DayNumber(DateOfDay(day)), day) << day;
    EXPECT_EQ(DateOfDay(2958465), (CalendarDate{9999, 12, 31}));
    EXPECT_EQ(DateOfDay(-1), (CalendarDate{1899, 12, 29}));
}

}  // namespace
}  // namespace korvane
