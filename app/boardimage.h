#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

// The board, the form without the menu bar, as an image, a PDF page or a printed page. It
// is laid out at twice its design size whatever the window's size, so that every copy
// looks alike and reads well on paper or on a slide; the form is back at its own size
// before the window paints again.
class BoardImage {
public:
    explicit BoardImage(QWidget& form);

    // Twice the form's design size, in pixels.
    static QSize size();

    QImage image() const;
    // Draws the board over the target rectangle of the painter's device.
    void paint(QPainter& painter, const QRectF& target) const;
    // Writes the board as PNG, or for a name ending in ".pdf" as a PDF page of the board's
    // own proportions whose text stays text. Empty when written; otherwise why not, in the
    // pupil's words. A file already there is only replaced once the new one is complete.
    QString save(const QString& path) const;
    // Prints the board fitted to the page, its marks in colour.
    void print(QPrinter& printer) const;

private:
    bool writePdf(class QIODevice& device) const;

    QWidget& m_form;
};
