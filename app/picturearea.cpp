#include "app/picturearea.h"

#include "app/accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

double digitAdvance(QFont& font, int pixels) {
    font.setPixelSize(pixels);
    return QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
}

qsizetype leadingBlanks(const QString& text) {
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks).isSpace())
        ++blanks;
    return blanks;
}

} // namespace

QFont ladderFont(double cellPixels) {
    // The window's own sans font: its digits are all one width, and a second font family
    // would cost the start-up a second font file.
    QFont font = QApplication::font();
    // The largest size whose digit advance still fits the cell. Every size measured loads
    // the font anew, so the search starts near the answer, a digit being some
    // 0.55 of the size wide, and steps from there, rather than from the smallest size up.
    constexpr int smallest = 5;
    constexpr int largest = 399;
    const auto fits = [&](int size) { return digitAdvance(font, size) <= cellPixels + 0.01; };
    int size = std::clamp(static_cast<int>(cellPixels / 0.55), smallest, largest);
    if (fits(size)) {
        while (size < largest && fits(size + 1))
            ++size;
    } else {
        do
            --size;
        while (size >= smallest && !fits(size));
        size = std::max(size, smallest - 1);
    }
    font.setPixelSize(size);
    return font;
}

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
    , m_font(ladderFont(cellTwips * m_scale)) {
    installAccessibleInterfaces();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::clear() {
    const QString erased = shownText();
    m_lines.clear();
    m_printX = 0;
    m_row = 0;
    contentChanged();
    if (!erased.isEmpty()) {
        QAccessibleTextRemoveEvent removed(this, 0, erased);
        QAccessible::updateAccessibility(&removed);
    }
}

void PictureArea::setPrintX(float twips) {
    m_printX = twips;
}

void PictureArea::print(const QString& text) {
    const auto end = static_cast<int>(shownText().size());
    const QString added = (m_lines.empty() ? QString() : QStringLiteral("\n")) + text.trimmed();
    m_lines.push_back({m_printX, m_row, text});
    m_printX = 0;
    ++m_row;
    contentChanged();
    QAccessibleTextInsertEvent inserted(this, end, added);
    QAccessible::updateAccessibility(&inserted);
}

QStringList PictureArea::lines() const {
    QStringList result;
    for (const PrintedLine& line : m_lines)
        result << line.text.trimmed();
    return result;
}

void PictureArea::expect(int lines, float x, const QString& widest) {
    m_expectedLines = lines;
    m_widest.reset();
    if (!widest.isEmpty())
        m_widest = PrintedLine{x, 0, widest};
    contentChanged();
}

void PictureArea::place(double pixelsPerTwip, double zoom, double leftGrowthTwips) {
    m_growth = leftGrowthTwips;
    if (pixelsPerTwip != m_scale || zoom != m_zoom) {
        m_scale = pixelsPerTwip;
        m_zoom = zoom;
        m_font = ladderFont(cellTwips * m_zoom * m_scale);
    }
    update();
}

double PictureArea::lineLeft(const PrintedLine& line) const {
    const double shift =
        m_rightAligned ? cellTwips * static_cast<double>(line.text.size()) * (1 - m_zoom) : 0;
    return m_growth + line.x + shift;
}

std::optional<std::pair<double, double>> PictureArea::inkSpan(double zoom) const {
    std::optional<std::pair<double, double>> span;
    const double cell = cellTwips * zoom;
    const auto add = [&](const PrintedLine& line) {
        const QString digits = line.text.trimmed();
        if (digits.isEmpty())
            return;
        const auto length = static_cast<double>(line.text.size());
        const double start = line.x + (m_rightAligned ? cellTwips * length * (1 - zoom) : 0) +
                             static_cast<double>(leadingBlanks(line.text)) * cell;
        const double end = start + static_cast<double>(digits.size()) * cell;
        span = span ? std::make_pair(std::min(span->first, start), std::max(span->second, end))
                    : std::make_pair(start, end);
    };
    for (const PrintedLine& line : m_lines)
        add(line);
    if (m_widest)
        add(*m_widest);
    return span;
}

void PictureArea::setColours(const QColor& back, const QColor& text) {
    m_back = back;
    m_text = text;
    update();
}

double PictureArea::lineHeight() const {
    return QFontMetricsF(m_font).height();
}

double PictureArea::lineStep() const {
    const int lines = std::max(m_row, m_expectedLines);
    if (lines < 2)
        return lineHeight();
    return std::min(lineHeight(), (height() - lineHeight()) / (lines - 1));
}

double PictureArea::lineTop(int row) const {
    return row * lineStep();
}

void PictureArea::contentChanged() {
    setAccessibleDescription(lines().join(QLatin1Char('\n')));
    // The layout sizes the column for its digits: it needs to hear only when they reach
    // further than before, or no longer do. Lines within the widest expected line, as those
    // of a run are, change nothing.
    const auto span = inkSpan(1);
    if (span != m_span) {
        m_span = span;
        updateGeometry();
    }
    update();
}

QRect PictureArea::characterRect(int offset) const {
    // The shown text leaves out each line's blanks; a line's end, where its line break
    // stands, has no width.
    if (offset < 0)
        return QRect();
    const double cell = cellTwips * m_zoom * m_scale;
    for (const PrintedLine& line : m_lines) {
        const qsizetype blanks = leadingBlanks(line.text);
        const qsizetype length = line.text.trimmed().size();
        if (offset <= length) {
            const double left = lineLeft(line) * m_scale + double(blanks + offset) * cell;
            return QRectF(left, lineTop(line.row), offset < length ? cell : 0, lineHeight())
                .toRect();
        }
        offset -= static_cast<int>(length) + 1;
    }
    return QRect();
}

void PictureArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    painter.setFont(m_font);
    painter.setPen(m_text);
    const double cell = cellTwips * m_zoom * m_scale;
    const double height = lineHeight();
    for (const PrintedLine& line : m_lines) {
        const double left = lineLeft(line) * m_scale;
        const double top = lineTop(line.row);
        for (int i = 0; i < line.text.size(); ++i) {
            const QRectF box(left + i * cell, top, cell, height);
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, line.text.at(i));
        }
    }
}
