#pragma once
// A local date and time with whole-second calendar fields and a separate millisecond.

#include <cstdint>

namespace sassorbi {

class DateTime {
public:
    // Whole seconds: the millisecond is 0.
    static DateTime Now();
    // Midnight of that day; out-of-range parts roll over (month 13 is next January).
    DateTime(int year, int month, int day);

    int Year() const { return year_; }
    int Month() const { return month_; }  // 1 to 12
    int Day() const { return day_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Second() const { return second_; }
    int Millisecond() const { return millisecond_; }  // 0 to 999
    int Weekday() const { return weekday_; }          // 0 Sunday to 6 Saturday
    int64_t Epoch() const { return epoch_; }
    bool IsInvalid() const { return invalid_; }

    // Advances this value (negative amounts go back) and returns a copy of it.
    DateTime AddMilliseconds(int64_t milliseconds);
    // 0 when this value is invalid.
    int64_t MillisecondsUntil(const DateTime& other) const;
    // Compares whole seconds only; false when this value is invalid.
    bool IsAfter(const DateTime& other) const;

private:
    DateTime() = default;
    // Recomputes the calendar fields from the epoch, in local time.
    void SetEpoch(int64_t epoch);

    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    int hour_ = 0;
    int minute_ = 0;
    int second_ = 0;
    int millisecond_ = 0;
    int weekday_ = 0;
    int64_t epoch_ = 0;
    bool invalid_ = false;
};

}  // namespace sassorbi
