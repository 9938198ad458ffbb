#include "app/clock.h"

#include <ctime>

namespace {

// Days from 1 January 1970 to a civil date (Howard Hinnant's algorithm).
long long daysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

constexpr long long daysFrom1899To1970 = 25569;

} // namespace

double localDays(std::chrono::system_clock::time_point moment) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(moment));
    std::tm local{};
    localtime_r(&seconds, &local);
    const long long day =
        daysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) +
        daysFrom1899To1970;
    const int secondOfDay = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return static_cast<double>(day) + secondOfDay / 86400.0;
}

double LocalClock::days() const {
    return localDays(std::chrono::system_clock::now());
}

std::chrono::milliseconds LocalClock::untilNextTick() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto next = floor<seconds>(now) + seconds(1);
    return ceil<milliseconds>(next - now);
}
