#include "app/steppause.h"

#include "worksheet/steppause.h"

#include <QEventLoop>
#include <QTimer>

StepPause::StepPause(const Clock& clock, std::function<bool()> isSlow)
    : m_clock(clock)
    , m_isSlow(std::move(isSlow)) {}

bool StepPause::re() {
    if (!m_isSlow())
        return true;
    const double start = m_clock.days();
    // Rather than poll the clock, sleep until its next tick; a timer that fires early only
    // means one more sleep.
    while (!pauseHasEnded(start, m_clock.days())) {
        if (!sleep(m_clock.untilNextTick()))
            return false;
    }
    return true;
}

void StepPause::stop() {
    m_stopped = true;
    if (m_waiting)
        m_waiting->quit();
}

bool StepPause::sleep(std::chrono::milliseconds duration) {
    if (m_stopped)
        return false;
    QEventLoop loop;
    m_waiting = &loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    m_waiting = nullptr;
    return !m_stopped;
}
