#include "paintwatcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QThread>
#include <QWidget>

PaintWatcher::PaintWatcher() {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatcher::~PaintWatcher() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PaintWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++m_paints[watched];
    return QObject::eventFilter(watched, event);
}

bool PaintWatcher::paintedWhole(const QWidget& window) const {
    // A widget that shows no child of its own is painted whenever it shows at all; a
    // container is often covered by its children and gets no paint event of its own.
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        bool leaf = true;
        for (const QObject* child : widget->children()) {
            const auto* childWidget = qobject_cast<const QWidget*>(child);
            if (childWidget && childWidget->isVisible() && !childWidget->isWindow()) {
                leaf = false;
                break;
            }
        }
        if (leaf && !m_paints.contains(widget))
            return false;
    }
    return window.isVisible();
}

bool PaintWatcher::waitUntilPaintedWhole(const QWidget& window, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!paintedWhole(window)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!paintedWhole(window))
            QThread::yieldCurrentThread();
    }
    return true;
}
