#include "util/DateTime.h"

#include <ctime>

namespace sassorbi {

DateTime DateTime::Now() {
    DateTime now;
    const time_t seconds = std::time(nullptr);
    if (seconds == static_cast<time_t>(-1)) {
        now.invalid_ = true;
    } else {
        now.SetEpoch(seconds);
    }
    return now;
}

DateTime::DateTime(int year, int month, int day) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_isdst = -1;
    // mktime may legitimately answer -1 (one second before 1970); only an untouched
    // weekday tells a failure apart.
    fields.tm_wday = -1;
    const time_t seconds = std::mktime(&fields);
    if (seconds == static_cast<time_t>(-1) && fields.tm_wday == -1) {
        invalid_ = true;
        return;
    }
    SetEpoch(seconds);
}

DateTime DateTime::AddMilliseconds(int64_t milliseconds) {
    if (invalid_) return *this;
    const int64_t total = milliseconds + millisecond_;
    // Floor division keeps the millisecond in 0..999 when going back in time.
    int64_t seconds = total / 1000;
    int64_t rest = total % 1000;
    if (rest < 0) {
        rest += 1000;
        --seconds;
    }
    millisecond_ = static_cast<int>(rest);
    SetEpoch(epoch_ + seconds);
    return *this;
}

int64_t DateTime::MillisecondsUntil(const DateTime& other) const {
    if (invalid_) return 0;
    return (other.epoch_ - epoch_) * 1000 + other.millisecond_ - millisecond_;
}

bool DateTime::IsAfter(const DateTime& other) const {
    return !invalid_ && epoch_ > other.epoch_;
}

void DateTime::SetEpoch(int64_t epoch) {
    epoch_ = epoch;
    const time_t seconds = static_cast<time_t>(epoch);
    std::tm fields{};
    if (localtime_r(&seconds, &fields) == nullptr) {
        invalid_ = true;
        return;
    }
    year_ = fields.tm_year + 1900;
    month_ = fields.tm_mon + 1;
    day_ = fields.tm_mday;
    hour_ = fields.tm_hour;
    minute_ = fields.tm_min;
    second_ = fields.tm_sec;
    weekday_ = fields.tm_wday;
}

}  // namespace sassorbi
