#include "app/rungate.h"

#include "app/steppause.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>

namespace {

bool isKey(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease ||
           type == QEvent::ShortcutOverride;
}

bool isMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

bool isContinueKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

// The widget an event seen by a window will be handed to, as the window hands it on: keys
// to the keyboard grabber, an open menu or the focus, the mouse to an open menu or to the
// widget under it.
QWidget* targetOf(QObject* receiver, const QEvent& event) {
    if (receiver->isWidgetType())
        return static_cast<QWidget*>(receiver);
    QWidget* popup = QApplication::activePopupWidget();
    if (isKey(event.type())) {
        if (QWidget* grabber = QWidget::keyboardGrabber())
            return grabber;
        if (popup)
            return popup->focusWidget() ? popup->focusWidget() : popup;
        return QApplication::focusWidget();
    }
    if (popup)
        return popup;
    const QPoint global = static_cast<const QMouseEvent&>(event).globalPosition().toPoint();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == receiver) {
            QWidget* child = top->childAt(top->mapFromGlobal(global));
            return child ? child : top;
        }
    }
    return nullptr;
}

} // namespace

RunGate::RunGate(QWidget& window, QMenuBar& bar, QMenu& speeds, StepPause& pause)
    : m_window(window)
    , m_bar(bar)
    , m_speeds(speeds)
    , m_pause(pause) {}

bool RunGate::lets(QObject* receiver, QEvent* event) const {
    const QEvent::Type type = event->type();
    if (!isKey(type) && !isMouse(type))
        return false;
    const QWidget* target = targetOf(receiver, *event);
    if (isKey(type))
        return letsKey(target, static_cast<const QKeyEvent&>(*event));
    return letsMouse(target, static_cast<const QMouseEvent&>(*event));
}

bool RunGate::letsKey(const QWidget* target, const QKeyEvent& key) const {
    // Alt takes the keyboard to the menu bar, where only the speed menu opens.
    if (key.key() == Qt::Key_Alt)
        return true;
    if (target == &m_speeds)
        return key.key() != Qt::Key_Left && key.key() != Qt::Key_Right; // to the next menu
    if (target == &m_bar) {
        switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return m_bar.activeAction() == m_speeds.menuAction();
        default:
            return false;
        }
    }
    if (key.type() == QEvent::KeyPress && isContinueKey(key) && onBoard(target))
        m_pause.wake();
    return false;
}

bool RunGate::letsMouse(const QWidget* target, const QMouseEvent& mouse) const {
    if (target == &m_speeds)
        return true;
    if (target == &m_bar)
        return m_bar.actionAt(m_bar.mapFromGlobal(mouse.globalPosition().toPoint())) ==
               m_speeds.menuAction();
    if (mouse.type() == QEvent::MouseMove)
        return true;
    if (mouse.type() != QEvent::MouseButtonRelease && onBoard(target))
        m_pause.wake();
    return false;
}

bool RunGate::onBoard(const QWidget* target) const {
    return target && target->window() == &m_window && target != &m_bar &&
           !m_bar.isAncestorOf(target);
}
