#pragma once

#include "app/controltable.h"
#include "app/formcontrols.h"
#include "app/twipslayout.h"

#include <QWidget>

#include <utility>
#include <vector>

// The client area of the window: every control of the control table, built by one factory
// and placed by a TwipsLayout. It hands its controls out as one typed record, so that no
// code needs to look a control up by its name.
class TwipsForm : public QWidget {
    Q_OBJECT
public:
    explicit TwipsForm(QWidget* parent = nullptr);

    const FormControls& controls() const { return m_controls; }
    const TwipsLayout& twipsLayout() const { return *m_layout; }
    // How much larger than drawn the board's numbers are: the ladders, the factor rows and
    // their labels.
    void setZoom(double zoom);
    // Where the practice's answer field stands: over a place of a ladder, or nowhere.
    void placeAnswer(std::optional<AnswerPlace> place);

private:
    QWidget* createControl(const ControlRow& row);
    void keep(QWidget* control, const ControlRow& row);
    // In the order of the stops' tab indexes.
    void setUpTabOrder(std::vector<std::pair<int, QWidget*>> stops);

    FormControls m_controls;
    TwipsLayout* m_layout;
};
