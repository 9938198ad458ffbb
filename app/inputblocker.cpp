#include "app/inputblocker.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

InputBlocker::InputBlocker(std::function<bool(QObject*, QEvent*)> lets)
    : m_lets(std::move(lets)) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
    // Input that arrived while the run held the thread is still queued: take it now, while
    // the filter still drops it.
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (isUserInput(event->type()) && !m_lets(watched, event))
        return true;
    return QObject::eventFilter(watched, event);
}
