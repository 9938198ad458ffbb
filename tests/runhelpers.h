#pragma once

#include "app/picturearea.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// What the window tests of runs with pauses share.

// Calls `act` once, from the event loop, as soon as `ready` holds: during a run, that is
// from inside one of its pauses.
class WhenReady : public QObject {
public:
    WhenReady(std::function<bool()> ready, std::function<void()> act)
        : m_ready(std::move(ready))
        , m_act(std::move(act)) {
        m_poll.setInterval(1);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (!m_ready())
                return;
            m_poll.stop();
            done = true;
            m_act();
        });
        m_poll.start();
    }

    bool done = false;

private:
    std::function<bool()> m_ready;
    std::function<void()> m_act;
    QTimer m_poll;
};

inline int lineCount(const PictureArea* column) {
    return static_cast<int>(column->lines().size());
}

inline const QString ladder250 = QStringLiteral("250\n125\n25\n5\n1");
inline const QString divisors250 = QStringLiteral("2\n5\n5\n5");
