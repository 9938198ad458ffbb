#pragma once

#include "app/showntext.h"

#include <QLabel>

// The label before a factor row, which shows the number as typed followed by " = ". A new
// caption asks the form for room, as every label does, and tells a screen reader what it
// shows beside what it is, its accessible name.
class CaptionLabel : public QLabel, public ShownText {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

    QString shownText() const override { return text(); }
    QRect characterRect(int offset) const override;
};

// Where the character at that offset of a one-line label's text stands, in its pixels.
QRect labelCharacterRect(const QLabel& label, int offset);
