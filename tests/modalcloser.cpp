#include "modalcloser.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>

namespace {

// A box that has not painted by then is closed all the same, and said so.
constexpr qint64 paintPatienceMs = 5000;

} // namespace

ModalCloser::ModalCloser() {
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ModalCloser::poll);
}

void ModalCloser::arm() {
    m_closed.clear();
    m_box = nullptr;
    m_boxPainted = false;
    // The box may paint before the first poll sees it: watch every paint from now on.
    QCoreApplication::instance()->installEventFilter(this);
    m_timer.start();
}

QStringList ModalCloser::disarm() {
    m_timer.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    return m_closed;
}

bool ModalCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && !m_boxPainted) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && watched == modal)
            m_boxPainted = true;
    }
    return QObject::eventFilter(watched, event);
}

void ModalCloser::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal != m_box) {
        m_box = modal;
        m_boxShown.start();
    }
    if (!m_boxPainted && m_boxShown.elapsed() < paintPatienceMs)
        return;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    QString text = box ? box->text() : modal->windowTitle();
    if (!m_boxPainted)
        text += QStringLiteral(" [closed without having painted]");
    m_closed << text;
    m_boxPainted = false;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->accept();
    else
        modal->close();
}
