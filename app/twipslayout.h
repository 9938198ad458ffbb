#pragma once

#include "app/controltable.h"
#include "worksheet/worksheet.h"

#include <QFontMetricsF>
#include <QLayout>
#include <QRectF>

#include <map>
#include <vector>

class QWidgetItem;

// Places the form's controls where the control table drew them, in twips, scaled to pixels
// by the largest factor at which the whole form fits and centred in any room to spare.
// Boxes and labels grow to show their whole text, and a ladder column grows leftwards for
// a quotient that needs it; a result line shrinks its font instead. A control whose content
// changes asks for a new layout (updateGeometry), and Qt gathers every such request of one
// turn of the event loop into one pass.
class TwipsLayout : public QLayout {
public:
    explicit TwipsLayout(QWidget* form);
    ~TwipsLayout() override;

    // Takes a control of the form into the layout, at the place its row gives.
    void addControl(QWidget* control, const ControlRow& row);

    // Pixels per twip: 1/15 at the design size.
    double scale() const { return m_scale; }
    // How many times the controls have been placed.
    int passes() const { return m_passes; }

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(m_controls.size()); }

private:
    struct Placed {
        const ControlRow* row; // none for an item that was not added as a control
        QWidgetItem* item;
        QRectF twips;   // where it stands now
        int fontPixels; // at the current scale
    };
    struct FactorRow {
        std::array<Placed*, factorRowSize> bases{};
        std::array<Placed*, factorRowSize> exponents{};
        Placed* label = nullptr;
    };

    void placeInTwips();
    std::array<FactorRow, 2> factorRows();
    double factorRowRightLimit() const;
    void growLadderColumn(Placed& column) const;
    void fitFactorRow(const FactorRow& row, double rightLimit);
    void fitLabel(Placed& label);
    void fitLine(Placed& line);
    void applyPlaces();

    int nominalFontPixels(Role role) const;
    double textTwips(const QString& text, int pixels) const;
    QRect pixelRect(const QRectF& twips) const;

    std::vector<Placed> m_controls;
    mutable std::map<int, QFontMetricsF> m_metrics; // by pixel size
    double m_scale = 1 / designTwipsPerPixel;
    QPointF m_origin;
    bool m_placing = false;
    int m_passes = 0;
};
