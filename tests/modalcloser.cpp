#include "modalcloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
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
    QStringList texts;
    for (const ShownMessage& message : m_closed)
        texts << message.text;
    return texts;
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
    auto* box = qobject_cast<QMessageBox*>(modal);
    ShownMessage message;
    message.shown = true;
    message.title = modal->windowTitle();
    message.text = box ? box->text() : modal->windowTitle();
    if (!m_boxPainted)
        message.text += QStringLiteral(" [closed without having painted]");
    message.icon = box ? box->icon() : QMessageBox::NoIcon;
    QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr;
    message.hadOkButton = ok != nullptr;
    message.okText = ok ? ok->text() : QString();
    m_closed << message;
    m_boxPainted = false;
    // As the pupil closes it: with its OK button where it has one.
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(m_file);
        if (m_file.isEmpty())
            files->reject();
        else
            static_cast<QDialog*>(files)->accept();
    } else if (ok)
        ok->click();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->accept();
    else
        modal->close();
}
