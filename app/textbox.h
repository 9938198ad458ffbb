#pragma once

#include "worksheet/colour.h"

#include <QLineEdit>

// A text box that keeps its text colour as the 32-bit value it was given, so that reading
// it back returns exactly that value, a system colour included. A box marked for the m.c.d.
// or the m.c.m says so in its accessible description, for those who cannot see colours.
class QPainter;

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    Colour textColour() const { return m_colour; }

    // A frameless box not being edited draws its text itself, 1 pixel in from each side.
    static constexpr int framelessMarginPixels = 1;
    void setTextColour(Colour colour);
    // While on, a box marked for the m.c.d. or the m.c.m underlines its text in the mark's
    // colour, so that the mark does not rest on colour alone.
    void setUnderlinesMark(bool underlines);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColour();
    void describeMark();
    void drawUnderline(QPainter& painter, const QRect& textArea) const;

    Colour m_colour = colours::normal;
    bool m_underlinesMark = false;
};
