#pragma once

#include "app/layout.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QWidget>

#include <array>
#include <map>
#include <vector>

// The client area of the window: builds every control from the layout table and places
// it, scaled from twips to pixels by the largest factor at which the whole form fits,
// centred in any room to spare. Boxes and labels grow to show their whole text, and a
// ladder column grows leftwards for a quotient that needs it.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Pixels per twip: 1/15 at the design size.
    double scale() const { return m_scale; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placed {
        const ControlRow* row;
        QWidget* widget;
        QRectF twips;   // where it stands now
        int fontPixels; // at the current scale
    };
    struct FactorRow {
        std::array<Placed*, factorRowSize> bases;
        std::array<Placed*, factorRowSize> exponents;
        Placed* label;
    };

    QWidget* createControl(const ControlRow& row);
    void setUpTabOrder();
    Placed& placed(const QString& name);
    FactorRow factorRow(const ControlNames& names);

    void placeControls();
    void growLadderColumn(Placed& column);
    void fitFactorRow(const FactorRow& row);
    void fitLabel(Placed& label);
    void applyPlaces();

    int nominalFontPixels(ControlKind kind) const;
    double textTwips(const QString& text, int pixels) const;
    QRect pixelRect(const QRectF& twips) const;

    mutable std::map<int, QFontMetricsF> m_metrics; // by pixel size
    std::vector<Placed> m_controls;
    std::array<FactorRow, 2> m_factorRows;
    double m_rowRightLimit = 0;
    double m_scale = 1 / designTwipsPerPixel;
    QPointF m_origin;
};
