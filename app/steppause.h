#pragma once

#include "app/clock.h"

#include <chrono>
#include <functional>

class QEventLoop;

// The step pause `re` between two steps of a decomposition run. In slow mode it waits until
// the clock's next tick while the window lives on (it paints, resizes and can be closed);
// user input is kept away by the run itself.
class StepPause {
public:
    // `isSlow` says, at every pause, whether "lent" carries its check mark.
    StepPause(const Clock& clock, std::function<bool()> isSlow);
    virtual ~StepPause() = default;

    // False when the window is closing and the run must stop.
    bool re();

    // A run begins: whatever an earlier close left, its pauses wait again.
    void start() { m_stopped = false; }
    // The window is closing: the pause under way ends now, and every later one at once.
    void stop();

protected:
    // Lets the window live on for that long, or until stop(). False once stopped.
    virtual bool sleep(std::chrono::milliseconds duration);

private:
    const Clock& m_clock;
    std::function<bool()> m_isSlow;
    QEventLoop* m_waiting = nullptr;
    bool m_stopped = false;
};
