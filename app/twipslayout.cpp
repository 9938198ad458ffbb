#include "app/twipslayout.h"

#include "app/captionlabel.h"
#include "app/factorrowlayout.h"
#include "app/picturearea.h"
#include "app/textbox.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Font sizes in pixels at the design size: the window's default font, and the larger one
// of the base boxes and labels.
constexpr double defaultFontPixels = 11;
constexpr double largeFontPixels = 13;

// Room kept free between a factor row and the comparison buttons, and at the form's left
// edge for a long label.
constexpr double clearanceTwips = 60;

// A power's box draws its text a pixel in from each side, whatever the scale; one more
// pixel keeps the last digit clear of the edge after rounding.
constexpr double textBoxPaddingPixels = 2 * TextBox::framelessMarginPixels + 1;
constexpr double labelPaddingPixels = 2;

QRectF designTwips(const ControlRow& row) {
    return QRectF(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
}

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
        if (control.row->role == Role::Quotients || control.row->role == Role::Divisors)
            growLadderColumn(control);
        if (control.row->role == Role::McdLine || control.row->role == Role::McmLine)
            fitLine(control);
    }
    const double rightLimit = factorRowRightLimit();
    for (const FactorRow& row : factorRows()) {
        if (!row.label)
            continue;
        fitFactorRow(row, rightLimit);
        fitLabel(*row.label);
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

double TwipsLayout::factorRowRightLimit() const {
    double left = formWidthTwips;
    for (const Placed& control : m_controls)
        if (control.row && (control.row->role == Role::Mcd || control.row->role == Role::Mcm))
            left = std::min(left, control.twips.left());
    return left - clearanceTwips;
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

void TwipsLayout::growLadderColumn(Placed& column) const {
    const auto* area = static_cast<const PictureArea*>(column.item->widget());
    column.twips.adjust(-area->leftOverhangTwips(), 0, 0, 0);
}

void TwipsLayout::fitFactorRow(const FactorRow& row, double rightLimit) {
    FactorRowPlaces design;
    for (int k = 0; k < factorRowSize; ++k) {
        design.bases[k] = row.bases[k]->twips;
        design.exponents[k] = row.exponents[k]->twips;
    }
    const double padding = textBoxPaddingPixels / m_scale;
    const int nominalBase = row.bases[0]->fontPixels;
    const int nominalExponent = row.exponents[0]->fontPixels;
    // The largest font at which the row stays clear of the comparison buttons.
    FactorRowPlaces places;
    int basePixels = nominalBase;
    int exponentPixels = nominalExponent;
    for (;; --basePixels) {
        exponentPixels = std::max(
            1, static_cast<int>(std::lround(nominalExponent * double(basePixels) / nominalBase)));
        std::array<double, factorRowSize> baseNeeds{};
        std::array<double, factorRowSize> exponentNeeds{};
        for (int k = 0; k < factorRowSize; ++k) {
            const auto* base = static_cast<const TextBox*>(row.bases[k]->item->widget());
            const auto* exponent = static_cast<const TextBox*>(row.exponents[k]->item->widget());
            baseNeeds[k] = textTwips(base->text(), basePixels) + padding;
            exponentNeeds[k] = textTwips(exponent->text(), exponentPixels) + padding;
        }
        places = placeFactorRow(design, baseNeeds, exponentNeeds);
        if (places.right() <= rightLimit || basePixels == 1)
            break;
    }
    for (int k = 0; k < factorRowSize; ++k) {
        row.bases[k]->twips = places.bases[k];
        row.bases[k]->fontPixels = basePixels;
        row.exponents[k]->twips = places.exponents[k];
        row.exponents[k]->fontPixels = exponentPixels;
    }
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
    // A result line keeps its drawn box, as wide as the form allows; a long one shrinks its
    // font instead.
    const auto* label = static_cast<const QLabel*>(line.item->widget());
    const double padding = labelPaddingPixels / m_scale;
    while (line.fontPixels > 1 &&
           textTwips(label->text(), line.fontPixels) + padding > line.twips.width())
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
            area->setScale(m_scale);
    }
}
