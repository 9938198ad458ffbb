#pragma once

#include <QLabel>

// The label before a factor row, which shows the number as typed followed by " = ". A new
// caption asks the form for room, as every label does.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setCaption(const QString& caption) { setText(caption); }
};
