#pragma once

#include <QObject>

// While it lives, every click, key and wheel turn the user makes anywhere in the
// application is dropped, so nothing reaches a control during a decomposition run, nor is
// acted on after it. Painting, resizing, timers and closing the window go on.
class InputBlocker : public QObject {
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
