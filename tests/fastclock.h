#pragma once

#include "app/clock.h"

#include <QElapsedTimer>

#include <chrono>

// A clock for the window whose seconds pass every `tick` of real time, so that a slow run
// of eight pauses lasts some eight of its seconds but only a fraction of a real one. Like
// the computer's clock it reads in whole seconds.
class FastClock final : public Clock {
public:
    static constexpr std::chrono::milliseconds defaultTick{40};

    explicit FastClock(std::chrono::milliseconds tick = defaultTick) { restart(0, tick); }

    // Starts again from 0 seconds, or from that fraction of the way into second 0, its
    // seconds now passing every `tick`.
    void restart(double intoFirstSecond = 0, std::chrono::milliseconds tick = defaultTick) {
        m_tickNs = std::chrono::nanoseconds(tick).count();
        m_offsetNs = static_cast<qint64>(intoFirstSecond * static_cast<double>(m_tickNs));
        m_elapsed.start();
    }

    // Whole seconds since the clock started.
    qint64 seconds() const { return now() / m_tickNs; }
    // How far into its current second the clock is, from 0 to 1: what the computer's
    // clock cannot tell, and a test of where a pause ended needs.
    double intoSecond() const {
        return static_cast<double>(now() % m_tickNs) / static_cast<double>(m_tickNs);
    }

    double days() const override { return firstDay + static_cast<double>(seconds()) / 86400; }

    std::chrono::milliseconds untilNextTick() const override {
        const qint64 left = m_tickNs - now() % m_tickNs;
        return std::chrono::ceil<std::chrono::milliseconds>(std::chrono::nanoseconds(left));
    }

private:
    static constexpr double firstDay = 45000; // a day in 2023, as the local clock would read

    qint64 now() const { return m_offsetNs + m_elapsed.nsecsElapsed(); }

    qint64 m_tickNs = 0;
    qint64 m_offsetNs = 0;
    QElapsedTimer m_elapsed;
};
