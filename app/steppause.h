#pragma once

#include "app/clock.h"

#include <chrono>
#include <functional>

class QEventLoop;

// The speed menu's three paces: "lent" waits for the clock's next tick at every pause,
// "ràpid" never waits, and "pas a pas" waits for the teacher.
enum class Pace { Slow, Rapid, StepByStep };

// The step pause `re` between two steps of a decomposition run. It waits while the window
// lives on (it paints, resizes and can be closed); user input is kept away by the run
// itself, but for what the pause needs: the teacher's wake-up and the speed menu.
class StepPause {
public:
    // What a pause is waiting for, as the window shows it.
    enum class Waiting { ForClock, ForTeacher };

    // `pace` is read at every pause, and again whenever the pace changes during one.
    StepPause(const Clock& clock, std::function<Pace()> pace);
    virtual ~StepPause() = default;

    // Told each time a pause starts to wait.
    void setWaitObserver(std::function<void(Waiting)> observer) {
        m_observer = std::move(observer);
    }

    // False when the window is closing and the run must stop.
    bool re();

    // A run begins: whatever an earlier close left, its pauses wait again.
    void start() { m_stopped = false; }
    // The window is closing: the pause under way ends now, and every later one at once.
    void stop();
    // The teacher asks for the next step: a pause waiting for them ends; at any other time
    // nothing happens, so that a key pressed early is not kept for later.
    void wake();
    // The speed menu changed the pace: the pause under way takes the new one.
    void paceChanged();

protected:
    // Lets the window live on for that long, until stop(), or until interrupted. False once
    // stopped.
    virtual bool sleep(std::chrono::milliseconds duration);
    // Lets the window live on until wake(), stop() or a change of pace. False once stopped.
    virtual bool waitForTeacher();

private:
    bool waitInLoop(std::chrono::milliseconds duration);
    void tell(Waiting waiting) const;

    const Clock& m_clock;
    std::function<Pace()> m_pace;
    std::function<void(Waiting)> m_observer;
    QEventLoop* m_waiting = nullptr;
    bool m_stopped = false;
    bool m_forTeacher = false;
    bool m_woken = false;
};
