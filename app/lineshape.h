#pragma once

#include <QWidget>

// A straight vertical line, such as the bar of a division ladder.
class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
