#pragma once

#include "app/steppause.h"

#include <QWidget>

class Announcer;
class TwipsForm;
struct NumberControls;

// Lies over the board while a run goes on, to show what it is doing: a busy cursor while
// the ladder draws itself, and while a "pas a pas" run waits for the teacher a pointing
// cursor and a line under the ladder, "prem espai per continuar", so that nobody takes the
// wait for a window that froze. It lets no click through to the controls, which a run
// drops anyway.
class RunIndicator : public QWidget {
    Q_OBJECT
public:
    RunIndicator(TwipsForm& form, QWidget* window, Announcer& announcer);

    void begin(const NumberControls& number);
    void showWaiting(StepPause::Waiting waiting);
    void end();

    // The line shown while waiting for the teacher; empty at other times.
    QString hint() const { return m_forTeacher ? m_hint : QString(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFont hintFont() const;
    QRect hintRect() const;

    TwipsForm& m_form;
    const NumberControls* m_number = nullptr;
    const QString m_hint;
    Announcer& m_announcer;
    bool m_forTeacher = false;
    bool m_toldOnce = false;
};
