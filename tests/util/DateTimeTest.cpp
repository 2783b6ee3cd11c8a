#include <gtest/gtest.h>

#include <climits>
#include <ctime>

#include "util/DateTime.h"

namespace sassorbi {
namespace {

TEST(DateTimeTest, ConstructorNormalisesOutOfRangeParts) {
    const DateTime leap_less(2026, 2, 30);
    EXPECT_FALSE(leap_less.IsInvalid());
    EXPECT_EQ(leap_less.Year(), 2026);
    EXPECT_EQ(leap_less.Month(), 3);
    EXPECT_EQ(leap_less.Day(), 2);
    EXPECT_EQ(leap_less.Weekday(), 1);
    EXPECT_EQ(leap_less.Hour(), 0);

    const DateTime next_year(2026, 13, 1);
    EXPECT_EQ(next_year.Year(), 2027);
    EXPECT_EQ(next_year.Month(), 1);
    EXPECT_EQ(next_year.Day(), 1);

    const DateTime leap_day(2024, 2, 29);
    EXPECT_EQ(leap_day.Month(), 2);
    EXPECT_EQ(leap_day.Day(), 29);
}

TEST(DateTimeTest, NowIsTheCurrentWholeSecond) {
    const time_t before = std::time(nullptr);
    const DateTime now = DateTime::Now();
    const time_t after = std::time(nullptr);
    EXPECT_FALSE(now.IsInvalid());
    EXPECT_GE(now.Epoch(), before);
    EXPECT_LE(now.Epoch(), after);
    EXPECT_EQ(now.Millisecond(), 0);
}

TEST(DateTimeTest, AddMillisecondsAdvancesAndCopies) {
    DateTime start(2026, 1, 1);
    const int64_t origin = start.Epoch();
    DateTime later = start.AddMilliseconds(1500);
    EXPECT_EQ(start.Epoch(), origin + 1);
    EXPECT_EQ(start.Millisecond(), 500);
    EXPECT_EQ(start.Second(), 1);
    EXPECT_EQ(later.Epoch(), start.Epoch());
    later.AddMilliseconds(600);
    EXPECT_EQ(later.Epoch(), origin + 2);
    EXPECT_EQ(later.Millisecond(), 100);
    EXPECT_EQ(start.Millisecond(), 500);

    DateTime midnight(2026, 1, 1);
    midnight.AddMilliseconds(-1);
    EXPECT_EQ(midnight.Epoch(), origin - 1);
    EXPECT_EQ(midnight.Millisecond(), 999);
    EXPECT_EQ(midnight.Year(), 2025);
    EXPECT_EQ(midnight.Day(), 31);
    EXPECT_EQ(midnight.Hour(), 23);
    midnight.AddMilliseconds(-2500);
    EXPECT_EQ(midnight.Epoch(), origin - 3);
    EXPECT_EQ(midnight.Millisecond(), 499);
}

TEST(DateTimeTest, ComparisonsUseMillisecondsOrWholeSeconds) {
    const DateTime start(2026, 1, 1);
    DateTime later = start;
    later.AddMilliseconds(1500);
    EXPECT_EQ(start.MillisecondsUntil(later), 1500);
    EXPECT_EQ(later.MillisecondsUntil(start), -1500);
    EXPECT_TRUE(later.IsAfter(start));
    EXPECT_FALSE(start.IsAfter(later));
    EXPECT_FALSE(start.IsAfter(start));

    DateTime same_second = start;
    same_second.AddMilliseconds(999);
    EXPECT_FALSE(same_second.IsAfter(start));
    EXPECT_EQ(start.MillisecondsUntil(same_second), 999);
}

TEST(DateTimeTest, AnUnrepresentableDateIsInvalidAndInert) {
    DateTime invalid(INT_MAX, 12, INT_MAX);
    ASSERT_TRUE(invalid.IsInvalid());
    const int64_t epoch = invalid.Epoch();
    invalid.AddMilliseconds(5000);
    EXPECT_EQ(invalid.Epoch(), epoch);
    EXPECT_EQ(invalid.Millisecond(), 0);
    const DateTime valid(2026, 1, 1);
    EXPECT_EQ(invalid.MillisecondsUntil(valid), 0);
    EXPECT_FALSE(invalid.IsAfter(valid));
}

// Far enough ahead the year no longer fits the calendar: the value turns invalid rather than
// show a wrapped date, and then compares as nothing.
TEST(DateTimeTest, ADateAdvancedBeyondTheCalendarTurnsInvalid) {
    const DateTime start(2026, 1, 1);
    DateTime far = start;
    for (int step = 0; step < 10 && !far.IsInvalid(); ++step)
        far.AddMilliseconds(9'000'000'000'000'000'000);
    ASSERT_TRUE(far.IsInvalid());
    EXPECT_GT(far.Epoch(), start.Epoch());
    EXPECT_FALSE(far.IsAfter(start));
    EXPECT_EQ(far.MillisecondsUntil(start), 0);
    const int64_t epoch = far.Epoch();
    far.AddMilliseconds(-9'000'000'000'000'000'000);
    EXPECT_EQ(far.Epoch(), epoch) << "an invalid value no longer moves";
}

}  // namespace
}  // namespace sassorbi
