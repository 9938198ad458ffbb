#include "app/runindicator.h"

#include "app/announcer.h"
#include "app/lineshape.h"
#include "app/picturearea.h"
#include "app/translated.h"
#include "app/twipsform.h"
#include "app/twipslayout.h"

#include <QEvent>
#include <QPainter>

namespace {

// The hint's font at the design size, in pixels: the window's own, as the number boxes.
constexpr double hintFontPixels = 11;

} // namespace

RunIndicator::RunIndicator(TwipsForm& form, QWidget* window, Announcer& announcer)
    : QWidget(window)
    , m_form(form)
    , m_hint(translated("prem espai per continuar"))
    , m_announcer(announcer) {
    setObjectName(QStringLiteral("runIndicator"));
    setAccessibleName(translated("Estat del dibuix"));
    hide();
    form.installEventFilter(this);
}

void RunIndicator::begin(const NumberControls& number) {
    m_number = &number;
    m_toldOnce = false;
}

void RunIndicator::showWaiting(StepPause::Waiting waiting) {
    const bool forTeacher = waiting == StepPause::Waiting::ForTeacher;
    setCursor(forTeacher ? Qt::PointingHandCursor : Qt::BusyCursor);
    if (isHidden()) {
        setGeometry(m_form.geometry());
        raise();
        QWidget::show();
    }
    if (forTeacher != m_forTeacher) {
        m_forTeacher = forTeacher;
        update(hintRect());
    }
    // A screen reader hears it once a run, not at every step.
    if (forTeacher && !m_toldOnce) {
        m_toldOnce = true;
        m_announcer.announce(m_hint);
    }
}

void RunIndicator::end() {
    m_forTeacher = false;
    m_number = nullptr;
    hide();
}

bool RunIndicator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        setGeometry(m_form.geometry());
    return QWidget::eventFilter(watched, event);
}

QFont RunIndicator::hintFont() const {
    QFont font = this->font();
    font.setPixelSize(
        std::max(1, qRound(hintFontPixels * m_form.twipsLayout().scale() * designTwipsPerPixel)));
    font.setItalic(true);
    return font;
}

QRect RunIndicator::hintRect() const {
    if (!m_number)
        return QRect();
    // Just under the ladder's bar, centred under its two columns, in the gap above the
    // factor rows.
    const QRect ladder = m_number->quotients->geometry().united(m_number->divisors->geometry());
    const int width = QFontMetrics(hintFont()).horizontalAdvance(m_hint) + 2;
    const int height = QFontMetrics(hintFont()).height() * 3 / 2;
    return QRect(ladder.center().x() - width / 2, m_number->bar->geometry().bottom() + 1, width,
                 height);
}

void RunIndicator::paintEvent(QPaintEvent*) {
    if (!m_forTeacher)
        return;
    QPainter painter(this);
    painter.setFont(hintFont());
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.drawText(hintRect(), Qt::AlignCenter, m_hint);
}
