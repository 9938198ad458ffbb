#pragma once

#include <QObject>

#include <functional>

// While it lives, every click, key, wheel turn and mouse move the user makes anywhere in
// the application is dropped unless `lets` lets it through, so nothing else reaches a
// control during a decomposition run, nor is acted on after it. Painting, resizing, timers
// and closing the window go on.
class InputBlocker : public QObject {
    Q_OBJECT
public:
    explicit InputBlocker(std::function<bool(QObject* receiver, QEvent* event)> lets);
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QObject*, QEvent*)> m_lets;
};
