#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// The form as it was drawn, in twips, written here afresh and apart from the program's own
// control table, so that a control built in the wrong place shows as a difference. Every
// window test that needs a place or a size takes it from here.
namespace design {

constexpr int twipsPerPixel = 15;
constexpr QSize clientTwips(9645, 6825);
constexpr QSize clientPixels(643, 455);

struct Control {
    const char* name;
    QRect twips; // a line: its x, its top, no width and its length
};

// Every control of the form, the ladder bars included.
const QList<Control>& controls();

// The drawn place of the control of that name; a fatal failure when there is none.
QRect twips(const QString& name);

} // namespace design
