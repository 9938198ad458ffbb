#pragma once

#include "app/showntext.h"

#include <QLabel>

// A line under the factor rows that writes a result out, "m.c.d.(250, 300) = 2 · 5² = 50",
// in the colour of its marks. A screen reader reads it as its text and hears it written.
class ResultLine : public QLabel, public ShownText {
    Q_OBJECT
public:
    explicit ResultLine(QWidget* parent = nullptr);

    void setLine(const QString& line);

    QString shownText() const override { return text(); }
    QRect characterRect(int offset) const override;
};
