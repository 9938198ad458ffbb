#pragma once

#include "app/layout.h"

#include <QWidget>

#include <vector>

// The client area of the window: builds every control from the layout table and places
// it, scaled from twips to pixels.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Pixels per twip: 1/15 at the design size.
    double scale() const { return m_scale; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placed {
        const ControlRow* row;
        QWidget* widget;
    };

    QWidget* createControl(const ControlRow& row);
    void setUpTabOrder();
    void placeControls();
    QRect pixelRect(const TwipsRect& twips) const;

    std::vector<Placed> m_controls;
    double m_scale = 1 / designTwipsPerPixel;
    QPointF m_origin;
};
