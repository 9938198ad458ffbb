#include "app/picturearea.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

QFont ladderFont(double cellPixels) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Noto Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // The largest size whose digit advance still fits the cell.
    int size = 4;
    for (int candidate = 5; candidate < 400; ++candidate) {
        font.setPixelSize(candidate);
        if (QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) > cellPixels + 0.01)
            break;
        size = candidate;
    }
    font.setPixelSize(size);
    return font;
}

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
    , m_font(ladderFont(cellTwips * m_scale)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::clear() {
    m_lines.clear();
    m_printX = 0;
    m_row = 0;
    updateAccessibleText();
    update();
}

void PictureArea::setPrintX(float twips) {
    m_printX = twips;
}

void PictureArea::print(const QString& text) {
    m_lines.push_back({m_printX, m_row, text});
    m_printX = 0;
    ++m_row;
    updateAccessibleText();
    update();
}

QStringList PictureArea::lines() const {
    QStringList result;
    for (const PrintedLine& line : m_lines)
        result << line.text.trimmed();
    return result;
}

void PictureArea::setScale(double pixelsPerTwip) {
    if (pixelsPerTwip == m_scale)
        return;
    m_scale = pixelsPerTwip;
    m_font = ladderFont(cellTwips * m_scale);
    update();
}

void PictureArea::setColours(const QColor& back, const QColor& text) {
    m_back = back;
    m_text = text;
    update();
}

double PictureArea::lineHeightPixels() const {
    return QFontMetricsF(m_font).height();
}

void PictureArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    painter.setFont(m_font);
    painter.setPen(m_text);
    const double cell = cellTwips * m_scale;
    const double lineHeight = lineHeightPixels();
    for (const PrintedLine& line : m_lines) {
        const double top = line.row * lineHeight;
        for (int i = 0; i < line.text.size(); ++i) {
            const QRectF box(line.x * m_scale + i * cell, top, cell, lineHeight);
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, line.text.at(i));
        }
    }
}

void PictureArea::updateAccessibleText() {
    setAccessibleDescription(lines().join(QLatin1Char('\n')));
}
