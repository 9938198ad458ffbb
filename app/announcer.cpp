#include "app/announcer.h"

#include "app/accessibility.h"

#include <QAccessible>
#include <QTimer>

#include <algorithm>

Announcer::Announcer(QWidget* window)
    : QWidget(window) {
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown only to tell, and then of no size.
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& topic, const QString& item) {
    if (!QAccessible::isActive())
        return;
    if (m_pending.empty())
        QTimer::singleShot(0, this, &Announcer::speak);
    auto notice = std::find_if(m_pending.begin(), m_pending.end(),
                               [&](const Notice& pending) { return pending.topic == topic; });
    if (notice == m_pending.end())
        notice = m_pending.insert(m_pending.end(), {topic, {}});
    if (!item.isEmpty())
        notice->items << item;
}

void Announcer::speak() {
    QStringList notices;
    for (const Notice& notice : m_pending)
        notices << (notice.items.isEmpty() ? notice.topic
                                           : notice.topic + QStringLiteral(": ") +
                                                 notice.items.join(QStringLiteral(", ")));
    m_pending.clear();
    setAccessibleName(notices.join(QLatin1Char(' ')));
    // Screen readers speak a notification as it appears.
    hide();
    show();
}
