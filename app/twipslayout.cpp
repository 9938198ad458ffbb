#include "app/twipslayout.h"

#include "app/twipsrules.h"

#include "app/captionlabel.h"
#include "app/factorrowlayout.h"
#include "app/picturearea.h"
#include "app/textbox.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace twipsRules;

namespace {

QSize designPixels() {
    return QSize(static_cast<int>(formWidthTwips / designTwipsPerPixel),
                 static_cast<int>(formHeightTwips / designTwipsPerPixel));
}

} // namespace

TwipsLayout::TwipsLayout(QWidget* form)
    : QLayout(form) {
    setContentsMargins(0, 0, 0, 0);
}

TwipsLayout::~TwipsLayout() {
    for (const Placed& control : m_controls)
        delete control.item;
}

void TwipsLayout::addControl(QWidget* control, const ControlRow& row) {
    addChildWidget(control);
    m_controls.push_back({&row, new QWidgetItem(control), designTwips(row), 0});
    invalidate();
}

void TwipsLayout::addItem(QLayoutItem* item) {
    // Only controls of the table have a place; anything else keeps its own geometry.
    m_controls.push_back({nullptr, static_cast<QWidgetItem*>(item), QRectF(), 0});
    invalidate();
}

QLayoutItem* TwipsLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? m_controls[index].item : nullptr;
}

QLayoutItem* TwipsLayout::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_controls[index].item;
    m_controls.erase(m_controls.begin() + index);
    invalidate();
    return item;
}

QSize TwipsLayout::sizeHint() const {
    return designPixels();
}

QSize TwipsLayout::minimumSize() const {
    return designPixels();
}

void TwipsLayout::invalidate() {
    // Setting the fonts of a pass changes the controls' size hints; that must not ask for
    // another pass.
    if (!m_placing)
        QLayout::invalidate();
}

void TwipsLayout::setZoom(double zoom) {
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    invalidate();
}

void TwipsLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    m_placing = true;
    ++m_passes;
    m_scale =
        std::min(rect.width() / double(formWidthTwips), rect.height() / double(formHeightTwips));
    m_origin = QPointF(rect.x() + (rect.width() - formWidthTwips * m_scale) / 2,
                       rect.y() + (rect.height() - formHeightTwips * m_scale) / 2);
    placeInTwips();
    applyPlaces();
    m_placing = false;
}

void TwipsLayout::placeInTwips() {
    for (Placed& control : m_controls) {
        if (!control.row)
            continue;
        control.twips = designTwips(*control.row);
        control.fontPixels = nominalFontPixels(control.row->role);
        control.zoom = 1;
        control.growth = 0;
        if (control.row->role == Role::McdLine || control.row->role == Role::McmLine ||
            control.row->role == Role::Message || control.row->role == Role::Score)
            fitLine(control);
    }
    for (const Ladder& ladder : ladders())
        if (ladder.quotients && ladder.divisors)
            placeLadder(ladder);
    for (Placed& control : m_controls)
        if (control.row && control.row->role == Role::Answer)
            placeAnswer(control);
    const double rightLimit = factorRowRightLimit();
    const std::array<FactorRow, 2> rows = factorRows();
    if (!rows[0].label || !rows[1].label)
        return;
    // Each row grows away from the other, so that the two never meet. A zoom makes both
    // rows as large as the one with less room can be, so that they stay alike; a row whose
    // powers do not fit even as drawn shrinks alone, as far as it needs.
    const bool firstIsUpper = rows[0].label->twips.top() < rows[1].label->twips.top();
    const int nominal = nominalFontPixels(Role::Base);
    int common = std::max(nominal, static_cast<int>(std::lround(nominal * m_zoom)));
    for (int r = 0; r < 2 && common > nominal; ++r)
        common = std::max(
            nominal,
            fitFactorRow(rows[r], (r == 0) == firstIsUpper, rightLimit, common).basePixels);
    for (int r = 0; r < 2; ++r) {
        applyRowFit(rows[r], fitFactorRow(rows[r], (r == 0) == firstIsUpper, rightLimit, common));
        fitLabel(*rows[r].label);
    }
}

std::array<TwipsLayout::FactorRow, 2> TwipsLayout::factorRows() {
    std::array<FactorRow, 2> rows;
    for (Placed& control : m_controls) {
        if (!control.row || control.row->number < 0)
            continue;
        FactorRow& row = rows[control.row->number];
        if (control.row->role == Role::Base)
            row.bases[control.row->k] = &control;
        else if (control.row->role == Role::Exponent)
            row.exponents[control.row->k] = &control;
        else if (control.row->role == Role::Label)
            row.label = &control;
    }
    return rows;
}

std::array<TwipsLayout::Ladder, 2> TwipsLayout::ladders() {
    std::array<Ladder, 2> ladders;
    for (Placed& control : m_controls) {
        if (!control.row || control.row->number < 0 || !isLadderColumn(*control.row))
            continue;
        Ladder& ladder = ladders[control.row->number];
        (control.row->role == Role::Quotients ? ladder.quotients : ladder.divisors) = &control;
    }
    return ladders;
}

double TwipsLayout::factorRowRightLimit() const {
    double left = formWidthTwips;
    for (const Placed& control : m_controls)
        if (control.row && (control.row->role == Role::Mcd || control.row->role == Role::Mcm))
            left = std::min(left, control.twips.left());
    return left - clearanceTwips;
}

bool TwipsLayout::standsInTheWay(const Placed& other, const QRectF& extent) const {
    // What another row shows, and an empty line such as a result not written, make no room
    // for a row to keep.
    if (!other.row || isInRow(*other.row) || other.item->widget()->isHidden())
        return false;
    if (const auto* line = qobject_cast<const QLabel*>(other.item->widget());
        line && line->text().isEmpty())
        return false;
    return other.twips.right() > extent.left() && other.twips.left() < extent.right();
}

double TwipsLayout::roomAbove(const QRectF& extent) const {
    double limit = 0;
    for (const Placed& other : m_controls)
        if (standsInTheWay(other, extent) && other.twips.bottom() <= extent.top())
            limit = std::max(limit, other.twips.bottom() + clearanceTwips);
    // A row as drawn always has its room.
    return std::min(limit, extent.top());
}

double TwipsLayout::roomBelow(const QRectF& extent) const {
    double limit = formHeightTwips - clearanceTwips;
    for (const Placed& other : m_controls)
        if (standsInTheWay(other, extent) && other.twips.top() >= extent.bottom())
            limit = std::min(limit, other.twips.top() - clearanceTwips);
    return std::max(limit, extent.bottom());
}

QString TwipsLayout::textOf(const Placed& box) {
    return static_cast<const TextBox*>(box.item->widget())->text();
}

int TwipsLayout::nominalFontPixels(Role role) const {
    const bool large =
        role == Role::Base || role == Role::Label || role == Role::McdLine || role == Role::McmLine;
    const double design = large ? largeFontPixels : defaultFontPixels;
    return std::max(1, static_cast<int>(std::lround(design * m_scale * designTwipsPerPixel)));
}

double TwipsLayout::textTwips(const QString& text, int pixels) const {
    if (text.isEmpty())
        return 0;
    // Every box and label is in the window's font: its metrics at each size are kept, as a
    // decomposition measures its row again for every box it fills.
    auto metrics = m_metrics.find(pixels);
    if (metrics == m_metrics.end()) {
        QFont sized = parentWidget()->font();
        sized.setPixelSize(pixels);
        metrics = m_metrics.emplace(pixels, QFontMetricsF(sized)).first;
    }
    return metrics->second.horizontalAdvance(text) / m_scale;
}

TwipsLayout::RowFit TwipsLayout::fitFactorRow(const FactorRow& row, bool growsUpwards,
                                              double rightLimit, int startPixels) const {
    FactorRowPlaces design;
    std::array<bool, factorRowSize> shown{};
    QRectF extent = designTwips(*row.label->row);
    for (int k = 0; k < factorRowSize; ++k) {
        design.bases[k] = designTwips(*row.bases[k]->row);
        design.exponents[k] = designTwips(*row.exponents[k]->row);
        extent |= design.bases[k] | design.exponents[k];
        shown[k] = !textOf(*row.bases[k]).isEmpty() || !textOf(*row.exponents[k]).isEmpty();
    }
    // A zoomed row grows away from the other row, from the left of its first power.
    const QPointF anchor(design.bases[0].left(), growsUpwards ? extent.bottom() : extent.top());
    const double top = roomAbove(extent);
    const double bottom = roomBelow(extent);
    const double padding = textBoxPaddingPixels / m_scale;
    const int nominalBase = nominalFontPixels(Role::Base);
    const int nominalExponent = nominalFontPixels(Role::Exponent);
    // The largest font, from the one asked for down, at which the pairs that show
    // something stay clear of the comparison buttons and of what stands above or below.
    RowFit fit;
    for (fit.basePixels = startPixels;; --fit.basePixels) {
        fit.growth = std::max(1.0, fit.basePixels / double(nominalBase));
        fit.exponentPixels = std::max(
            1,
            static_cast<int>(std::lround(nominalExponent * double(fit.basePixels) / nominalBase)));
        std::array<double, factorRowSize> baseNeeds{};
        std::array<double, factorRowSize> exponentNeeds{};
        for (int k = 0; k < factorRowSize; ++k) {
            baseNeeds[k] = textTwips(textOf(*row.bases[k]), fit.basePixels) + padding;
            exponentNeeds[k] = textTwips(textOf(*row.exponents[k]), fit.exponentPixels) + padding;
        }
        fit.label = scaledFrom(designTwips(*row.label->row), fit.growth, anchor);
        // As drawn if it fits so, else with its boxes closed up, before the font shrinks.
        for (const RowFitting fitting : {RowFitting::Drawn, RowFitting::Compact}) {
            fit.places = placeFactorRow(design.scaled(fit.growth, anchor), baseNeeds, exponentNeeds,
                                        shown, fitting);
            auto [rowTop, rowBottom] = fit.places.verticalExtent(shown);
            rowTop = std::min(rowTop, fit.label.top());
            rowBottom = std::max(rowBottom, fit.label.bottom());
            if (fit.places.right(shown) <= rightLimit && rowTop >= top && rowBottom <= bottom)
                return fit;
        }
        if (fit.basePixels == 1)
            return fit;
    }
}

void TwipsLayout::applyRowFit(const FactorRow& row, const RowFit& fit) {
    for (int k = 0; k < factorRowSize; ++k) {
        row.bases[k]->twips = fit.places.bases[k];
        row.bases[k]->fontPixels = fit.basePixels;
        row.exponents[k]->twips = fit.places.exponents[k];
        row.exponents[k]->fontPixels = fit.exponentPixels;
    }
    row.label->twips = fit.label;
    row.label->fontPixels = static_cast<int>(std::lround(row.label->fontPixels * fit.growth));
}

void TwipsLayout::fitLabel(Placed& label) {
    // The label ends where it was drawn to end, just before its row, and grows leftwards;
    // where the form's edge stops it, its font shrinks instead.
    const auto* caption = static_cast<const CaptionLabel*>(label.item->widget());
    const double right = label.twips.right();
    const double padding = labelPaddingPixels / m_scale;
    for (;; --label.fontPixels) {
        const double needed = textTwips(caption->text(), label.fontPixels) + padding;
        const double width = std::max(label.twips.width(), needed);
        if (right - width >= clearanceTwips || label.fontPixels == 1) {
            label.twips.setLeft(right - width);
            return;
        }
    }
}

void TwipsLayout::fitLine(Placed& line) {
    // A line keeps its drawn box, as wide as the form allows; a long one shrinks its font
    // instead, and one that wraps shrinks it until its lines fit the box's height.
    const auto* label = static_cast<const QLabel*>(line.item->widget());
    const double padding = labelPaddingPixels / m_scale;
    const auto fits = [&] {
        if (!label->wordWrap())
            return textTwips(label->text(), line.fontPixels) + padding <= line.twips.width();
        QFont sized = parentWidget()->font();
        sized.setPixelSize(line.fontPixels);
        const QRectF box(0, 0, (line.twips.width() - padding) * m_scale, 1e6);
        return QFontMetricsF(sized).boundingRect(box, Qt::TextWordWrap, label->text()).height() <=
               line.twips.height() * m_scale;
    };
    while (line.fontPixels > 1 && !fits())
        --line.fontPixels;
}

QRect TwipsLayout::pixelRect(const QRectF& twips) const {
    const auto x = [this](double t) {
        return static_cast<int>(std::lround(m_origin.x() + t * m_scale));
    };
    const auto y = [this](double t) {
        return static_cast<int>(std::lround(m_origin.y() + t * m_scale));
    };
    const int left = x(twips.left());
    const int top = y(twips.top());
    return QRect(left, top, x(twips.right()) - left, y(twips.bottom()) - top);
}

void TwipsLayout::applyPlaces() {
    for (const Placed& control : m_controls) {
        if (!control.row)
            continue;
        QWidget* widget = control.item->widget();
        QRect place = pixelRect(control.twips);
        if (control.row->role == Role::Bar) {
            const int thickness =
                std::max(1, static_cast<int>(std::lround(m_scale * designTwipsPerPixel)));
            place = QRect(place.left() - thickness / 2, place.top(), thickness, place.height());
        }
        widget->setGeometry(place);
        if (widget->font().pixelSize() != control.fontPixels) {
            QFont font = widget->font();
            font.setPixelSize(control.fontPixels);
            widget->setFont(font);
        }
        if (auto* area = qobject_cast<PictureArea*>(widget))
            area->place(m_scale, control.zoom, control.growth);
    }
}
