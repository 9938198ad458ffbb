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

// What the step pause needs of the window.
class PauseHost {
public:
    virtual ~PauseHost() = default;
    // "lent" carries its check mark.
    virtual bool isSlow() const = 0;
    virtual const Clock& clock() const = 0;
    // Lets the window live on (paint, resize, close) for that long. False when the window
    // is closing.
    virtual bool sleep(std::chrono::milliseconds duration) = 0;
};

// The step pause: in slow mode, waits until the clock has moved on by more than half a
// second, which with a whole-second clock means until its next tick. False when the window
// is closing and the run must stop.
bool re(PauseHost& host);
