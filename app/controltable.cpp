#include "app/controltable.h"

#include "app/colours.h"

#include <QtGlobal>

namespace {
using R = Role;
constexpr Colour pic = systemColours::captionText;
constexpr Colour win = systemColours::window;
constexpr Colour none = noColour;
} // namespace

// clang-format off
const std::array<ControlRow, 48> controlTable = {{
    // name        role         number k left  top   width height  text                         tab back      enabled accessible name
    {"txt1",       R::Input,      0, 0, {600,  480, 1095,  285}, "250",                          0, none,     true, QT_TRANSLATE_NOOP("frm", "Primer nombre")},
    {"cmd",        R::Decompose,  0, 0, {600,  960, 1095,  375}, QT_TRANSLATE_NOOP("frm", "descomposar"), 1, none, true, QT_TRANSLATE_NOOP("frm", "Descompon el primer nombre")},
    {"pic1",       R::Quotients,  0, 0, {2160, 480,  855, 3495}, "",                             2, pic,      true, QT_TRANSLATE_NOOP("frm", "Quocients del primer nombre")},
    {"pic2",       R::Divisors,   0, 0, {3240, 480,  735, 3495}, "",                             3, win,      true, QT_TRANSLATE_NOOP("frm", "Divisors del primer nombre")},
    {"pic3",       R::Quotients,  1, 0, {4800, 480,  855, 3495}, "",                            20, pic,      true, QT_TRANSLATE_NOOP("frm", "Quocients del segon nombre")},
    {"pic4",       R::Divisors,   1, 0, {5880, 480,  735, 3495}, "",                            19, win,      true, QT_TRANSLATE_NOOP("frm", "Divisors del segon nombre")},
    {"txt6",       R::Input,      1, 0, {6960, 480, 1095,  285}, "300",                         21, none,     true, QT_TRANSLATE_NOOP("frm", "Segon nombre")},
    {"cmd1",       R::Decompose,  1, 0, {6960, 960, 1095,  375}, QT_TRANSLATE_NOOP("frm", "descomposar"), 22, none, true, QT_TRANSLATE_NOOP("frm", "Descompon el segon nombre")},
    {"cmdMCD",     R::Mcd,       -1, 0, {6720, 4680, 615,  375}, QT_TRANSLATE_NOOP("frm", "m.c.d."), 38, 0x8080FF, true, QT_TRANSLATE_NOOP("frm", "Màxim comú divisor")},
    {"cmdMCM",     R::Mcm,       -1, 0, {6720, 5280, 615,  375}, QT_TRANSLATE_NOOP("frm", "m.c.m"),  39, 0xFF8080, false, QT_TRANSLATE_NOOP("frm", "Mínim comú múltiple")},
    {"Line1_0",    R::Bar,        1, 0, {5760, 240,    0, 3840}, "",                            -1, none,     true, QT_TRANSLATE_NOOP("frm", "Ratlla de la divisió del segon nombre")},
    {"Line1_1",    R::Bar,        0, 0, {3120, 240,    0, 3840}, "",                            -1, none,     true, QT_TRANSLATE_NOOP("frm", "Ratlla de la divisió del primer nombre")},
    {"Label1_0",   R::Label,      0, 0, {2640, 4800, 975,  375}, "",                            18, win,      true, QT_TRANSLATE_NOOP("frm", "Descomposició del primer nombre")},
    {"Label1_1",   R::Label,      1, 0, {2640, 5400, 975,  375}, "",                            37, win,      true, QT_TRANSLATE_NOOP("frm", "Descomposició del segon nombre")},
    {"txt2_0",     R::Base,       0, 0, {3675, 4800, 270,  300}, "",  4, none, true, QT_TRANSLATE_NOOP("frm", "Base 1 del primer nombre")},
    {"txt2_1",     R::Base,       0, 1, {4065, 4800, 270,  300}, "",  7, none, true, QT_TRANSLATE_NOOP("frm", "Base 2 del primer nombre")},
    {"txt2_2",     R::Base,       0, 2, {4470, 4800, 270,  300}, "",  9, none, true, QT_TRANSLATE_NOOP("frm", "Base 3 del primer nombre")},
    {"txt2_3",     R::Base,       0, 3, {4875, 4800, 270,  300}, "", 11, none, true, QT_TRANSLATE_NOOP("frm", "Base 4 del primer nombre")},
    {"txt2_4",     R::Base,       0, 4, {5280, 4800, 270,  300}, "", 13, none, true, QT_TRANSLATE_NOOP("frm", "Base 5 del primer nombre")},
    {"txt2_5",     R::Base,       0, 5, {5670, 4800, 270,  300}, "", 15, none, true, QT_TRANSLATE_NOOP("frm", "Base 6 del primer nombre")},
    {"txt2_6",     R::Base,       0, 6, {6120, 4800, 270,  300}, "", 17, none, true, QT_TRANSLATE_NOOP("frm", "Base 7 del primer nombre")},
    {"txt3_0",     R::Exponent,   0, 0, {3915, 4680, 180,  195}, "",  5, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 1 del primer nombre")},
    {"txt3_1",     R::Exponent,   0, 1, {4275, 4680, 180,  195}, "",  6, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 2 del primer nombre")},
    {"txt3_2",     R::Exponent,   0, 2, {4725, 4680, 180,  195}, "",  8, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 3 del primer nombre")},
    {"txt3_3",     R::Exponent,   0, 3, {5115, 4680, 180,  195}, "", 10, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 4 del primer nombre")},
    {"txt3_4",     R::Exponent,   0, 4, {5520, 4680, 180,  165}, "", 12, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 5 del primer nombre")},
    {"txt3_5",     R::Exponent,   0, 5, {5910, 4680, 180,  195}, "", 14, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 6 del primer nombre")},
    {"txt3_6",     R::Exponent,   0, 6, {6360, 4680, 180,  165}, "", 16, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 7 del primer nombre")},
    {"txt4_0",     R::Base,       1, 0, {3710, 5400, 270,  300}, "", 36, none, true, QT_TRANSLATE_NOOP("frm", "Base 1 del segon nombre")},
    {"txt4_1",     R::Base,       1, 1, {4070, 5400, 270,  300}, "", 34, none, true, QT_TRANSLATE_NOOP("frm", "Base 2 del segon nombre")},
    {"txt4_2",     R::Base,       1, 2, {4470, 5400, 270,  300}, "", 31, none, true, QT_TRANSLATE_NOOP("frm", "Base 3 del segon nombre")},
    {"txt4_3",     R::Base,       1, 3, {4875, 5400, 270,  300}, "", 29, none, true, QT_TRANSLATE_NOOP("frm", "Base 4 del segon nombre")},
    {"txt4_4",     R::Base,       1, 4, {5280, 5400, 270,  300}, "", 27, none, true, QT_TRANSLATE_NOOP("frm", "Base 5 del segon nombre")},
    {"txt4_5",     R::Base,       1, 5, {5670, 5400, 270,  300}, "", 25, none, true, QT_TRANSLATE_NOOP("frm", "Base 6 del segon nombre")},
    {"txt4_6",     R::Base,       1, 6, {6120, 5400, 270,  300}, "", 23, none, true, QT_TRANSLATE_NOOP("frm", "Base 7 del segon nombre")},
    {"txt5_0",     R::Exponent,   1, 0, {3955, 5265, 180,  195}, "", 35, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 1 del segon nombre")},
    {"txt5_1",     R::Exponent,   1, 1, {4315, 5265, 180,  195}, "", 33, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 2 del segon nombre")},
    {"txt5_2",     R::Exponent,   1, 2, {4725, 5265, 180,  195}, "", 32, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 3 del segon nombre")},
    {"txt5_3",     R::Exponent,   1, 3, {5115, 5265, 180,  195}, "", 30, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 4 del segon nombre")},
    {"txt5_4",     R::Exponent,   1, 4, {5520, 5265, 180,  195}, "", 28, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 5 del segon nombre")},
    {"txt5_5",     R::Exponent,   1, 5, {5910, 5280, 180,  195}, "", 26, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 6 del segon nombre")},
    {"txt5_6",     R::Exponent,   1, 6, {6360, 5265, 180,  195}, "", 24, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 7 del segon nombre")},
    {"lblmcd",     R::McdLine,   -1, 0, {600, 5820, 8445,  375}, "",                            -1, none,     true, QT_TRANSLATE_NOOP("frm", "Resultat del m.c.d.")},
    {"lblmcm",     R::McmLine,   -1, 0, {600, 6240, 8445,  375}, "",                            -1, none,     true, QT_TRANSLATE_NOOP("frm", "Resultat del m.c.m.")},
    // Practice only: the answer field goes where the next place of a ladder is; the message
    // and the score take the place of the result lines, which practice does not write.
    {"txtresposta", R::Answer,   -1, 0, {0,       0,    0,    0}, "",                           -1, none,     true, QT_TRANSLATE_NOOP("frm", "Resposta")},
    {"lblmissatge", R::Message,  -1, 0, {600,  5820, 8445,  600}, "",                           -1, none,     true, QT_TRANSLATE_NOOP("frm", "Missatge")},
    {"lblpuntuacio", R::Score,   -1, 0, {600,  6420, 8445,  300}, "",                           -1, none,     true, QT_TRANSLATE_NOOP("frm", "Puntuació")},
    {"cmdcomprova", R::Check,    -1, 0, {7440, 4980, 1095,  375}, QT_TRANSLATE_NOOP("frm", "comprova"), 40, none, true, QT_TRANSLATE_NOOP("frm", "Comprova la fila de factors")},
}};
// clang-format on
