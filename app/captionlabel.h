#pragma once

#include "app/showntext.h"

#include <QLabel>

// A label whose text a screen reader reads as text, beside what it is, its accessible name:
// the caption before a factor row ("250 = "), a result line ("m.c.d.(250, 300) = 2 · 5² =
// 50"), a practice message. A new caption asks the form for room, as every label does.
class CaptionLabel : public QLabel, public ShownText {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

    QString shownText() const override { return text(); }
    QRect characterRect(int offset) const override;
};
