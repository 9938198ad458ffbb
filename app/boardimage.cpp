#include "app/boardimage.h"

#include "app/controltable.h"
#include "app/translated.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

namespace {

constexpr double twipsPerPoint = 20;

// Lays the form out at another size for as long as it lives. Qt places the controls as
// soon as the form is resized, and nothing paints the screen before it is resized back.
class ResizedForm {
public:
    ResizedForm(QWidget& form, const QSize& size)
        : m_form(form)
        , m_place(form.geometry()) {
        form.resize(size);
    }
    ~ResizedForm() { m_form.setGeometry(m_place); }
    ResizedForm(const ResizedForm&) = delete;
    ResizedForm& operator=(const ResizedForm&) = delete;

private:
    QWidget& m_form;
    QRect m_place;
};

// Leaves out, while the form is drawn, what only the screen needs: the focus goes to the
// form itself, so that no focus ring or text cursor shows, and a selected text is drawn as
// plain text. As for a menu, the focus comes back with a box's selection as it was.
class ForPaper {
public:
    explicit ForPaper(QWidget& form)
        : m_form(form)
        , m_palette(form.palette())
        , m_focus(QApplication::focusWidget()) {
        if (m_focus && form.isAncestorOf(m_focus))
            form.setFocus(Qt::PopupFocusReason);
        else
            m_focus = nullptr;
        QPalette plain = m_palette;
        plain.setColor(QPalette::Highlight, Qt::transparent);
        plain.setColor(QPalette::HighlightedText, plain.color(QPalette::Text));
        form.setPalette(plain);
    }
    ~ForPaper() {
        m_form.setPalette(m_palette);
        if (m_focus)
            m_focus->setFocus(Qt::PopupFocusReason);
    }
    ForPaper(const ForPaper&) = delete;
    ForPaper& operator=(const ForPaper&) = delete;

private:
    QWidget& m_form;
    QPalette m_palette;
    QPointer<QWidget> m_focus;
};

QString whyNotWritten(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return translated("la carpeta no existeix.");
    if (file.isDir())
        return translated("ja hi ha una carpeta amb aquest nom.");
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return translated("no tens permís per escriure-hi.");
    return translated("no s'hi ha pogut escriure; potser el disc és ple.");
}

} // namespace

BoardImage::BoardImage(QWidget& form)
    : m_form(form) {}

QSize BoardImage::size() {
    return QSize(qRound(2 * formWidthTwips / designTwipsPerPixel),
                 qRound(2 * formHeightTwips / designTwipsPerPixel));
}

QImage BoardImage::image() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), size()));
    return image;
}

void BoardImage::paint(QPainter& painter, const QRectF& target) const {
    const ForPaper forPaper(m_form);
    const ResizedForm resized(m_form, size());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size().width(), target.height() / size().height());
    m_form.render(&painter);
    painter.restore();
}

QString BoardImage::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return whyNotWritten(path);
    const bool written = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                             ? writePdf(file)
                             : image().save(&file, "PNG");
    if (!written || !file.commit())
        return whyNotWritten(path);
    return QString();
}

bool BoardImage::writePdf(QIODevice& device) const {
    QPdfWriter pdf(&device);
    pdf.setTitle(translated("Descomposició factorial"));
    pdf.setCreator(translated("Descomposició factorial"));
    pdf.setPageSize(
        QPageSize(QSizeF(formWidthTwips / twipsPerPoint, formHeightTwips / twipsPerPoint),
                  QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paint(painter, QRectF(0, 0, pdf.width(), pdf.height()));
    return painter.end();
}

void BoardImage::print(QPrinter& printer) const {
    // Qt draws a widget for a printer through a pixmap of the page's resolution, hundreds
    // of megabytes at 1200 dpi; recorded as a picture first, the board stays drawing
    // commands, its text text.
    QPicture board;
    QPainter recorder(&board);
    paint(recorder, QRectF(QPointF(0, 0), size()));
    recorder.end();
    printer.setColorMode(QPrinter::Color);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF page(QPointF(0, 0), QSizeF(printer.width(), printer.height()));
    const double fit = std::min(page.width() / size().width(), page.height() / size().height());
    painter.translate((page.width() - size().width() * fit) / 2, 0);
    // A picture plays at its own size on any device, whatever its resolution.
    const double played = double(printer.logicalDpiX()) / board.logicalDpiX();
    painter.scale(fit / played, fit / played);
    painter.drawPicture(0, 0, board);
    painter.end();
}
