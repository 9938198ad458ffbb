#pragma once

#include <QLabel>

// A label that tells when its caption changes, so that the form can make room for it.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setCaption(const QString& caption) {
        setText(caption);
        emit captionChanged();
    }

signals:
    void captionChanged();
};
