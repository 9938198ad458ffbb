#pragma once

#include <QHash>
#include <QObject>

class QWidget;

// Counts the paint events every widget of the application receives, so that a benchmark
// can tell when a window has been painted whole and what a click repainted.
class PaintWatcher : public QObject {
    Q_OBJECT
public:
    PaintWatcher();
    ~PaintWatcher() override;

    void forget() { m_paints.clear(); }
    int paintsOf(const QObject* widget) const { return m_paints.value(widget); }

    // Every control the window shows, the window itself where no control covers it, has
    // been painted since the last forget().
    bool paintedWhole(const QWidget& window) const;
    // Lets the application run until then; false if that has not happened in time.
    bool waitUntilPaintedWhole(const QWidget& window, int timeoutMs = 5000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QObject*, int> m_paints;
};
