#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

// Tells the screen reader what changed where it would not look: a screen reader speaks the
// changes of the control that has the focus, but a run or a mark changes others. An empty
// notification of the window, whose name is the notice, shown again for each one; what
// several controls tell in one turn of the event loop is said at once, topic by topic.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // "topic: item, item" once the turn ends; nothing while no screen reader listens.
    static void announce(QWidget* from, const QString& topic, const QString& item = QString());

private:
    explicit Announcer(QWidget* window);

    void add(const QString& topic, const QString& item);
    void speak();

    struct Notice {
        QString topic;
        QStringList items;
    };
    std::vector<Notice> m_pending;
};
