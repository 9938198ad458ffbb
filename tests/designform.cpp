#include "designform.h"

#include <QtGlobal>

namespace design {

namespace {

QList<Control> drawnControls() {
    // clang-format off
    QList<Control> drawn{
        {"txt1", {600, 480, 1095, 285}},      {"cmd", {600, 960, 1095, 375}},
        {"pic1", {2160, 480, 855, 3495}},     {"pic2", {3240, 480, 735, 3495}},
        {"pic3", {4800, 480, 855, 3495}},     {"pic4", {5880, 480, 735, 3495}},
        {"txt6", {6960, 480, 1095, 285}},     {"cmd1", {6960, 960, 1095, 375}},
        {"cmdMCD", {6720, 4680, 615, 375}},   {"cmdMCM", {6720, 5280, 615, 375}},
        {"Label1_0", {2640, 4800, 975, 375}}, {"Label1_1", {2640, 5400, 975, 375}},
        {"Line1_1", {3120, 240, 0, 3840}},    {"Line1_0", {5760, 240, 0, 3840}},
        {"lblmcd", {600, 5820, 8445, 375}},   {"lblmcm", {600, 6240, 8445, 375}},
        // What practice adds; the answer field has no place until a ladder gives it one.
        {"txtresposta", {0, 0, 0, 0}},        {"lblmissatge", {600, 5820, 8445, 600}},
        {"lblpuntuacio", {600, 6420, 8445, 300}}, {"cmdcomprova", {7440, 4980, 1095, 375}},
    };
    // clang-format on
    static const char* const names[4][7] = {
        {"txt2_0", "txt2_1", "txt2_2", "txt2_3", "txt2_4", "txt2_5", "txt2_6"},
        {"txt3_0", "txt3_1", "txt3_2", "txt3_3", "txt3_4", "txt3_5", "txt3_6"},
        {"txt4_0", "txt4_1", "txt4_2", "txt4_3", "txt4_4", "txt4_5", "txt4_6"},
        {"txt5_0", "txt5_1", "txt5_2", "txt5_3", "txt5_4", "txt5_5", "txt5_6"}};
    const int baseLefts[2][7] = {{3675, 4065, 4470, 4875, 5280, 5670, 6120},
                                 {3710, 4070, 4470, 4875, 5280, 5670, 6120}};
    const int exponentLefts[2][7] = {{3915, 4275, 4725, 5115, 5520, 5910, 6360},
                                     {3955, 4315, 4725, 5115, 5520, 5910, 6360}};
    const int firstExponentHeights[7] = {195, 195, 195, 195, 165, 195, 165};
    const int secondExponentTops[7] = {5265, 5265, 5265, 5265, 5265, 5280, 5265};
    for (int k = 0; k < 7; ++k) {
        drawn.append({names[0][k], {baseLefts[0][k], 4800, 270, 300}});
        drawn.append({names[1][k], {exponentLefts[0][k], 4680, 180, firstExponentHeights[k]}});
        drawn.append({names[2][k], {baseLefts[1][k], 5400, 270, 300}});
        drawn.append({names[3][k], {exponentLefts[1][k], secondExponentTops[k], 180, 195}});
    }
    return drawn;
}

} // namespace

const QList<Control>& controls() {
    static const QList<Control> drawn = drawnControls();
    return drawn;
}

QRect twips(const QString& name) {
    for (const Control& control : controls())
        if (name == QLatin1String(control.name))
            return control.twips;
    qFatal("no control named %s was drawn", qPrintable(name));
}

} // namespace design
