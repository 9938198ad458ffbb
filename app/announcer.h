#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

// Tells the screen reader what changed where it would not look: a screen reader speaks the
// changes of the control that has the focus, but a run, a mark or a practice message
// changes others. An empty notification of the window, whose name is the notice, shown
// again for each one; what is told in one turn of the event loop is said at once, topic by
// topic. The window owns one and hands it to what has something to tell.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // "topic: item, item" once the turn ends; nothing while no screen reader listens.
    void announce(const QString& topic, const QString& item = QString());

private:
    void speak();

    struct Notice {
        QString topic;
        QStringList items;
    };
    std::vector<Notice> m_pending;
};
