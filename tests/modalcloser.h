#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QWidget;

// What a message box said.
struct ShownMessage {
    bool shown = false;
    bool hadOkButton = false;
    QString okText; // what its OK button says
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes the message boxes that a click opens, as a pupil would press their button: armed
// before a click that may be refused, so that the box's own event loop does not wait for
// anybody. A box is closed only once it has been painted, so that it has really shown.
class ModalCloser : public QObject {
    Q_OBJECT
public:
    ModalCloser();

    void arm();
    // A file dialog is answered with that name, typed in as a teacher would.
    void setFileToChoose(const QString& path) { m_file = path; }
    // Stops watching; the texts of the boxes closed since arm().
    QStringList disarm();
    // The boxes closed since arm(), as they were shown.
    const QList<ShownMessage>& closed() const { return m_closed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll();

    QTimer m_timer;
    QPointer<QWidget> m_box;
    bool m_boxPainted = false;
    QElapsedTimer m_boxShown;
    QList<ShownMessage> m_closed;
    QString m_file;
};
