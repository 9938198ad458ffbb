#pragma once

class QEvent;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QMouseEvent;
class QObject;
class QWidget;
class StepPause;

// What of the user's input reaches the window during a run: the speed menu, by mouse and by
// keyboard, so that the pace can change; and in "pas a pas" the teacher's Space, Enter or
// right arrow, or a click on the board, which wake the pause instead of reaching a control.
// Everything else is dropped. An event is judged by the widget it is for, whether it is
// seen on its way through the window or at the widget itself.
class RunGate {
public:
    RunGate(QWidget& window, QMenuBar& bar, QMenu& speeds, StepPause& pause);

    // False for an event to drop.
    bool lets(QObject* receiver, QEvent* event) const;

private:
    bool letsKey(const QWidget* target, const QKeyEvent& key) const;
    bool letsMouse(const QWidget* target, const QMouseEvent& mouse) const;
    bool onBoard(const QWidget* target) const;

    QWidget& m_window;
    QMenuBar& m_bar;
    QMenu& m_speeds;
    StepPause& m_pause;
};
