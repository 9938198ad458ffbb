#include "app/twipslayout.h"

#include "app/picturearea.h"
#include "app/twipsrules.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

// Where the ladders stand, at the zoom asked for or as near as they fit, and the practice's
// answer field over one of their places.

using namespace twipsRules;

double TwipsLayout::roomBeside(const Placed& control, bool leftwards) const {
    // The gap to the nearest control on that side, less the clearance; half of it where that
    // control is a ladder column that may grow towards this one.
    const QRectF me = designTwips(*control.row);
    double room = leftwards ? me.left() : formWidthTwips - me.right();
    for (const Placed& other : m_controls) {
        if (!other.row || &other == &control)
            continue;
        const QRectF them = designTwips(*other.row);
        if (them.top() >= me.bottom() || them.bottom() <= me.top())
            continue;
        const bool between = leftwards ? them.right() <= me.left() : them.left() >= me.right();
        if (!between)
            continue;
        const double gap =
            (leftwards ? me.left() - them.right() : them.left() - me.right()) - clearanceTwips;
        const Role towards = leftwards ? Role::Divisors : Role::Quotients;
        room = std::min(room, other.row->role == towards ? gap / 2 : gap);
    }
    return std::max(0.0, room);
}

void TwipsLayout::placeLadder(const Ladder& ladder) {
    // Both columns of a ladder take one zoom, so that each divisor stays beside its
    // quotient: the one asked for where the whole ladder fits, or as near as it fits.
    double zoom = m_zoom;
    while (zoom > 1 && !ladderFits(ladder, zoom))
        zoom = std::max(1.0, zoom - zoomStep);
    const auto* quotients = static_cast<const PictureArea*>(ladder.quotients->item->widget());
    const auto* divisors = static_cast<const PictureArea*>(ladder.divisors->item->widget());
    // The first digit keeps a little room from the edge, as the drawn layout gives every
    // number up to eight digits.
    if (const auto span = quotients->inkSpan(zoom))
        ladder.quotients->growth = std::max(0.0, edgeMarginTwips - span->first);
    ladder.quotients->twips.adjust(-ladder.quotients->growth, 0, 0, 0);
    ladder.quotients->zoom = zoom;
    if (const auto span = divisors->inkSpan(zoom))
        ladder.divisors->twips.adjust(
            0, 0, std::max(0.0, span->second + edgeMarginTwips - ladder.divisors->twips.width()),
            0);
    ladder.divisors->zoom = zoom;
}

bool TwipsLayout::ladderFits(const Ladder& ladder, double zoom) const {
    const auto* quotients = static_cast<const PictureArea*>(ladder.quotients->item->widget());
    const auto* divisors = static_cast<const PictureArea*>(ladder.divisors->item->widget());
    const int lines = std::max(quotients->expectedLines(), divisors->expectedLines());
    if (lines * ladderLineTwips(zoom) > ladder.quotients->twips.height())
        return false;
    const auto left = quotients->inkSpan(zoom);
    if (left && edgeMarginTwips - left->first > roomBeside(*ladder.quotients, true))
        return false;
    const auto right = divisors->inkSpan(zoom);
    return !right || right->second + edgeMarginTwips - ladder.divisors->twips.width() <=
                         roomBeside(*ladder.divisors, false);
}

double TwipsLayout::ladderLineTwips(double zoom) const {
    const double cellPixels = PictureArea::cellTwips * zoom * m_scale;
    const int key = static_cast<int>(std::lround(cellPixels * 100));
    auto height = m_ladderLineHeights.find(key);
    if (height == m_ladderLineHeights.end())
        height =
            m_ladderLineHeights.emplace(key, QFontMetricsF(ladderFont(cellPixels)).height()).first;
    return height->second / m_scale;
}

void TwipsLayout::setAnswerPlace(std::optional<AnswerPlace> place) {
    m_answerPlace = place;
    invalidate();
}

void TwipsLayout::placeAnswer(Placed& answer) {
    if (!m_answerPlace)
        return;
    const Role role = m_answerPlace->column == Column::Quotients ? Role::Quotients : Role::Divisors;
    const auto column = std::find_if(m_controls.begin(), m_controls.end(), [&](const Placed& c) {
        return c.row && c.row->role == role && c.row->number == m_answerPlace->number;
    });
    if (column == m_controls.end())
        return;
    // On the line as the column spaces it, a little taller than a line so that its frame
    // leaves the digits whole, reaching down over the lines still to come rather than up over
    // those written.
    const auto* area = static_cast<const PictureArea*>(column->item->widget());
    const double height = ladderLineTwips(column->zoom);
    const int lines = area->expectedLines();
    const double step =
        lines < 2 ? height : std::min(height, (column->twips.height() - height) / (lines - 1));
    const double top = column->twips.top() + m_answerPlace->line * step - 1 / m_scale;
    answer.twips = QRectF(column->twips.left(), top, column->twips.width(),
                          height + 2 * answerFramePixels / m_scale);
    answer.fontPixels = ladderFont(PictureArea::cellTwips * column->zoom * m_scale).pixelSize();
}
