#pragma once

#include "app/showntext.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

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

    // How many lines the coming ladder will have: where they would run past the bottom,
    // the lines draw closer together so that every one of them shows.
    void setExpectedLines(int lines);
    // The top of a printed line, in pixels from the area's top.
    double lineTop(int row) const;
    double lineHeight() const;

    // How far left of the area's left edge the printed digits reach, in twips: the form's
    // layout widens the area by that much.
    double leftOverhangTwips() const { return m_overhang; }

    // Every character of a printed line stands in a cell of this width, so that digits
    // line up from one line to the next whatever the font's own advance.
    static constexpr double cellTwips = 90;

    QString shownText() const override { return lines().join(QLatin1Char('\n')); }
    QRect characterRect(int offset) const override;

    void setScale(double pixelsPerTwip);
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

    std::vector<PrintedLine> m_lines;
    float m_printX = 0;
    int m_row = 0;
    int m_expectedLines = 0;
    double m_overhang = 0;
    double m_scale = 1 / 15.0;
    QFont m_font;
    QColor m_back;
    QColor m_text;
};

// The largest size of the window's font whose digits fit a ladder cell of that many pixels.
QFont ladderFont(double cellPixels);
