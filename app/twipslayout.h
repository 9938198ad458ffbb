#pragma once

#include "app/controltable.h"
#include "app/factorrowlayout.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLayout>
#include <QRectF>

#include <map>
#include <optional>
#include <vector>

class QWidgetItem;

// A place of a ladder: which number's, which column, which line from the top.
struct AnswerPlace {
    int number;
    Column column;
    int line;
};

// Places the form's controls where the control table drew them, in twips, scaled to pixels
// by the largest factor at which the whole form fits and centred in any room to spare.
// Boxes and labels grow to show their whole text, and a ladder column grows sideways for
// a number that needs it; a result line shrinks its font instead. A zoom makes the board's
// numbers (the ladders, the factor rows and their labels) larger, each as far as it fits.
// A control whose content changes asks for a new layout (updateGeometry), and Qt gathers
// every such request of one turn of the event loop into one pass.
class TwipsLayout : public QLayout {
public:
    explicit TwipsLayout(QWidget* form);
    ~TwipsLayout() override;

    // Takes a control of the form into the layout, at the place its row gives.
    void addControl(QWidget* control, const ControlRow& row);

    // Pixels per twip: 1/15 at the design size.
    double scale() const { return m_scale; }
    // How much larger than drawn the board's numbers are asked to be: 1 is as drawn.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // Puts the answer field over that place of a ladder, as tall as its line and as wide as
    // its column, in the ladder's digits; or nowhere.
    void setAnswerPlace(std::optional<AnswerPlace> place);
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
        QRectF twips;      // where it stands now
        int fontPixels;    // at the current scale
        double zoom = 1;   // of a ladder column's digits
        double growth = 0; // how far a ladder column reaches left of where it was drawn
    };
    struct FactorRow {
        std::array<Placed*, factorRowSize> bases{};
        std::array<Placed*, factorRowSize> exponents{};
        Placed* label = nullptr;
    };
    // Where a factor row's powers and label stand at the font it fits with.
    struct RowFit {
        FactorRowPlaces places;
        QRectF label;
        int basePixels = 1;
        int exponentPixels = 1;
        double growth = 1; // of its places and sizes over the drawn ones
    };
    struct Ladder {
        Placed* quotients = nullptr;
        Placed* divisors = nullptr;
    };

    void placeInTwips();
    std::array<FactorRow, 2> factorRows();
    std::array<Ladder, 2> ladders();
    double factorRowRightLimit() const;
    double roomBeside(const Placed& control, bool leftwards) const;
    // Whether the control keeps a factor row of that extent from growing past it.
    bool standsInTheWay(const Placed& other, const QRectF& extent) const;
    // How far up or down a factor row of that extent may grow, in twips from the top.
    double roomAbove(const QRectF& extent) const;
    double roomBelow(const QRectF& extent) const;

    void placeLadder(const Ladder& ladder);
    bool ladderFits(const Ladder& ladder, double zoom) const;
    RowFit fitFactorRow(const FactorRow& row, bool growsUpwards, double rightLimit,
                        int startPixels) const;
    void applyRowFit(const FactorRow& row, const RowFit& fit);
    void fitLabel(Placed& label);
    void fitLine(Placed& line);
    void placeAnswer(Placed& answer);
    void applyPlaces();

    static QString textOf(const Placed& box);
    int nominalFontPixels(Role role) const;
    double textTwips(const QString& text, int pixels) const;
    double ladderLineTwips(double zoom) const;
    QRect pixelRect(const QRectF& twips) const;

    std::vector<Placed> m_controls;
    mutable std::map<int, QFontMetricsF> m_metrics;    // by pixel size
    mutable std::map<int, double> m_ladderLineHeights; // by cell width in 1/100 pixels
    double m_scale = 1 / designTwipsPerPixel;
    double m_zoom = 1;
    std::optional<AnswerPlace> m_answerPlace;
    QPointF m_origin;
    bool m_placing = false;
    int m_passes = 0;
};
