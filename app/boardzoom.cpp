#include "app/boardzoom.h"

#include "app/translated.h"
#include "app/twipsform.h"

#include <QAction>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

BoardZoom::BoardZoom(TwipsForm& form, QWidget& window)
    : QObject(&window)
    , m_form(form) {
    QAction* larger = addCommand(window, "mnuampliar", QT_TRANSLATE_NOOP("frm", "ampliar"));
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, [this] { stepBy(1); });
    QAction* smaller = addCommand(window, "mnureduir", QT_TRANSLATE_NOOP("frm", "reduir"));
    smaller->setShortcut(QKeySequence::ZoomOut);
    connect(smaller, &QAction::triggered, this, [this] { stepBy(-1); });
    QAction* normal = addCommand(window, "mnumidanormal", QT_TRANSLATE_NOOP("frm", "mida normal"));
    normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(normal, &QAction::triggered, this, [this] { stepBy(-m_step); });
    // A turn of the wheel reaches the form from whichever of its controls it turns over.
    form.installEventFilter(this);
}

QAction* BoardZoom::addCommand(QWidget& window, const char* name, const char* text) {
    auto* command = new QAction(translated(text), &window);
    command->setObjectName(QLatin1String(name));
    window.addAction(command);
    return command;
}

double BoardZoom::zoom() const {
    return steps[m_step];
}

void BoardZoom::stepBy(int steps) {
    const int last = static_cast<int>(std::size(BoardZoom::steps)) - 1;
    m_step = std::clamp(m_step + steps, 0, last);
    m_form.setZoom(zoom());
}

bool BoardZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier && wheel->angleDelta().y() != 0) {
            stepBy(wheel->angleDelta().y() > 0 ? 1 : -1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
