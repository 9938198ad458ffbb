#pragma once

#include <chrono>

// The local date and time as a number of days, the time of day as the fraction. It moves
// in whole seconds: two readings within one second are equal.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double days() const = 0;
    // How long until the reading next changes.
    virtual std::chrono::milliseconds untilNextTick() const = 0;
};

// The computer's own clock.
class LocalClock final : public Clock {
public:
    double days() const override;
    std::chrono::milliseconds untilNextTick() const override;
};

// Days since 30 December 1899, in the local time zone, of a moment in whole seconds.
double localDays(std::chrono::system_clock::time_point moment);
