#pragma once

#include "app/showntext.h"

#include <QLabel>

// A label that tells when its caption changes, so that the form can make room for it, and
// a screen reader what it shows ("250 = ") beside what it is, its accessible name.
class CaptionLabel : public QLabel, public ShownText {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

    QString shownText() const override { return text(); }
    QRect characterRect(int offset) const override;

signals:
    void captionChanged();
};
