#pragma once

#include "app/showntext.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <algorithm>

#include <optional>
#include <utility>
#include <vector>

// A ladder column: numbers printed line by line from a settable x, kept so that they are
// drawn again, at any scale, whenever the window is repainted. A screen reader reads them
// as its text, one line a number, as they are printed.
class PictureArea : public QWidget, public ShownText {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);

    void clear();
    void setPrintX(float twips);
    // Draws the text at the print position; x then goes back to 0, one line down.
    void print(const QString& text);

    float printX() const { return m_printX; }
    // The printed lines, top to bottom, without their surrounding blanks.
    QStringList lines() const;

    // The coming ladder: how many lines it will have, and its widest line, printed at x.
    // Where the lines would run past the bottom, they draw closer together so that every
    // one of them shows; the layout sizes the column for the widest line from the start.
    void expect(int lines, float x, const QString& widest);
    int expectedLines() const { return std::max(m_row, m_expectedLines); }
    // The top of a printed line, in pixels from the area's top.
    double lineTop(int row) const;
    double lineHeight() const;

    // A quotient column keeps the right end of each line where it was printed whatever
    // the zoom, so that the ladder stays right-aligned; a divisor column keeps the left.
    void setRightAligned(bool rightAligned) { m_rightAligned = rightAligned; }
    // From the area's drawn left edge, in twips, where the digits of its lines (and of the
    // widest line expected) begin and end at that zoom; nothing when there are none.
    std::optional<std::pair<double, double>> inkSpan(double zoom) const;
    // How the layout shows the column: at that many pixels a twip, its digits zoomed by
    // that factor, and the area widened leftwards by that many twips, which its lines move
    // right by.
    void place(double pixelsPerTwip, double zoom, double leftGrowthTwips);
    double zoom() const { return m_zoom; }

    // Every character of a printed line stands in a cell of this width, so that digits
    // line up from one line to the next whatever the font's own advance.
    static constexpr double cellTwips = 90;

    QString shownText() const override { return lines().join(QLatin1Char('\n')); }
    QRect characterRect(int offset) const override;

    void setColours(const QColor& back, const QColor& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct PrintedLine {
        float x;
        int row;
        QString text;
    };

    void contentChanged();
    double lineStep() const;
    double lineLeft(const PrintedLine& line) const; // in twips from the drawn left edge

    std::vector<PrintedLine> m_lines;
    float m_printX = 0;
    int m_row = 0;
    int m_expectedLines = 0;
    std::optional<PrintedLine> m_widest;
    std::optional<std::pair<double, double>> m_span; // at zoom 1, as the layout last saw it
    bool m_rightAligned = false;
    double m_zoom = 1;
    double m_growth = 0;
    double m_scale = 1 / 15.0;
    QFont m_font;
    QColor m_back;
    QColor m_text;
};

// The largest size of the window's font whose digits fit a ladder cell of that many pixels.
QFont ladderFont(double cellPixels);
