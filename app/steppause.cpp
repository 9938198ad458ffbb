#include "app/steppause.h"

#include "worksheet/steppause.h"

#include <QEventLoop>
#include <QTimer>

StepPause::StepPause(const Clock& clock, std::function<Pace()> pace)
    : m_clock(clock)
    , m_pace(std::move(pace)) {}

bool StepPause::re() {
    if (m_pace() == Pace::Rapid)
        return true;
    const double start = m_clock.days();
    m_woken = false;
    // The pace is read afresh after every wait: the speed menu may change it meanwhile.
    for (Pace pace = m_pace(); pace != Pace::Rapid; pace = m_pace()) {
        if (pace == Pace::Slow) {
            // Rather than poll the clock, sleep until its next tick; a timer that fires
            // early only means one more sleep.
            if (pauseHasEnded(start, m_clock.days()))
                return true;
            tell(Waiting::ForClock);
            if (!sleep(m_clock.untilNextTick()))
                return false;
        } else {
            if (m_woken)
                return true;
            tell(Waiting::ForTeacher);
            m_forTeacher = true;
            const bool going = waitForTeacher();
            m_forTeacher = false;
            if (!going)
                return false;
        }
    }
    return true;
}

void StepPause::tell(Waiting waiting) const {
    if (m_observer)
        m_observer(waiting);
}

void StepPause::stop() {
    m_stopped = true;
    if (m_waiting)
        m_waiting->quit();
}

void StepPause::wake() {
    if (!m_forTeacher)
        return;
    m_woken = true;
    if (m_waiting)
        m_waiting->quit();
}

void StepPause::paceChanged() {
    if (m_waiting)
        m_waiting->quit();
}

bool StepPause::sleep(std::chrono::milliseconds duration) {
    return waitInLoop(duration);
}

bool StepPause::waitForTeacher() {
    return waitInLoop(std::chrono::milliseconds::max());
}

bool StepPause::waitInLoop(std::chrono::milliseconds duration) {
    if (m_stopped)
        return false;
    QEventLoop loop;
    m_waiting = &loop;
    if (duration != std::chrono::milliseconds::max())
        QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    m_waiting = nullptr;
    return !m_stopped;
}
