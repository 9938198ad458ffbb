#include "app/layout.h"

#include "app/colours.h"

#include <QtGlobal>

namespace {
using K = ControlKind;
constexpr Colour pic = systemColours::captionText;
constexpr Colour win = systemColours::window;
constexpr Colour none = noColour;
} // namespace

// clang-format off
const std::array<ControlRow, 42> formLayout = {{
    // name        kind              left  top   width height  text                         tab back      enabled accessible name
    {"txt1",       K::InputBox,      {600,  480, 1095,  285}, "250",                          0, none,     true, QT_TRANSLATE_NOOP("frm", "Primer nombre")},
    {"cmd",        K::CommandButton, {600,  960, 1095,  375}, QT_TRANSLATE_NOOP("frm", "descomposar"), 1, none, true, QT_TRANSLATE_NOOP("frm", "Descomposar el primer nombre")},
    {"pic1",       K::PictureArea,   {2160, 480,  855, 3495}, "",                             2, pic,      true, QT_TRANSLATE_NOOP("frm", "Quocients del primer nombre")},
    {"pic2",       K::PictureArea,   {3240, 480,  735, 3495}, "",                             3, win,      true, QT_TRANSLATE_NOOP("frm", "Divisors del primer nombre")},
    {"pic3",       K::PictureArea,   {4800, 480,  855, 3495}, "",                            20, pic,      true, QT_TRANSLATE_NOOP("frm", "Quocients del segon nombre")},
    {"pic4",       K::PictureArea,   {5880, 480,  735, 3495}, "",                            19, win,      true, QT_TRANSLATE_NOOP("frm", "Divisors del segon nombre")},
    {"txt6",       K::InputBox,      {6960, 480, 1095,  285}, "300",                         21, none,     true, QT_TRANSLATE_NOOP("frm", "Segon nombre")},
    {"cmd1",       K::CommandButton, {6960, 960, 1095,  375}, QT_TRANSLATE_NOOP("frm", "descomposar"), 22, none, true, QT_TRANSLATE_NOOP("frm", "Descomposar el segon nombre")},
    {"cmdMCD",     K::CommandButton, {6720, 4680, 615,  375}, QT_TRANSLATE_NOOP("frm", "m.c.d."), 38, 0x8080FF, true, QT_TRANSLATE_NOOP("frm", "Màxim comú divisor")},
    {"cmdMCM",     K::CommandButton, {6720, 5280, 615,  375}, QT_TRANSLATE_NOOP("frm", "m.c.m"),  39, 0xFF8080, false, QT_TRANSLATE_NOOP("frm", "Mínim comú múltiple")},
    {"Line1_0",    K::Line,          {5760, 240,    0, 3840}, "",                            -1, none,     true, QT_TRANSLATE_NOOP("frm", "Ratlla de la divisió del segon nombre")},
    {"Line1_1",    K::Line,          {3120, 240,    0, 3840}, "",                            -1, none,     true, QT_TRANSLATE_NOOP("frm", "Ratlla de la divisió del primer nombre")},
    {"Label1_0",   K::Label,         {2640, 4800, 975,  375}, "",                            18, win,      true, QT_TRANSLATE_NOOP("frm", "Descomposició del primer nombre")},
    {"Label1_1",   K::Label,         {2640, 5400, 975,  375}, "",                            37, win,      true, QT_TRANSLATE_NOOP("frm", "Descomposició del segon nombre")},
    {"txt2_0",     K::BaseBox,       {3675, 4800, 270,  300}, "",  4, none, true, QT_TRANSLATE_NOOP("frm", "Base 1 del primer nombre")},
    {"txt2_1",     K::BaseBox,       {4065, 4800, 270,  300}, "",  7, none, true, QT_TRANSLATE_NOOP("frm", "Base 2 del primer nombre")},
    {"txt2_2",     K::BaseBox,       {4470, 4800, 270,  300}, "",  9, none, true, QT_TRANSLATE_NOOP("frm", "Base 3 del primer nombre")},
    {"txt2_3",     K::BaseBox,       {4875, 4800, 270,  300}, "", 11, none, true, QT_TRANSLATE_NOOP("frm", "Base 4 del primer nombre")},
    {"txt2_4",     K::BaseBox,       {5280, 4800, 270,  300}, "", 13, none, true, QT_TRANSLATE_NOOP("frm", "Base 5 del primer nombre")},
    {"txt2_5",     K::BaseBox,       {5670, 4800, 270,  300}, "", 15, none, true, QT_TRANSLATE_NOOP("frm", "Base 6 del primer nombre")},
    {"txt2_6",     K::BaseBox,       {6120, 4800, 270,  300}, "", 17, none, true, QT_TRANSLATE_NOOP("frm", "Base 7 del primer nombre")},
    {"txt3_0",     K::ExponentBox,   {3915, 4680, 180,  195}, "",  5, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 1 del primer nombre")},
    {"txt3_1",     K::ExponentBox,   {4275, 4680, 180,  195}, "",  6, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 2 del primer nombre")},
    {"txt3_2",     K::ExponentBox,   {4725, 4680, 180,  195}, "",  8, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 3 del primer nombre")},
    {"txt3_3",     K::ExponentBox,   {5115, 4680, 180,  195}, "", 10, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 4 del primer nombre")},
    {"txt3_4",     K::ExponentBox,   {5520, 4680, 180,  165}, "", 12, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 5 del primer nombre")},
    {"txt3_5",     K::ExponentBox,   {5910, 4680, 180,  195}, "", 14, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 6 del primer nombre")},
    {"txt3_6",     K::ExponentBox,   {6360, 4680, 180,  165}, "", 16, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 7 del primer nombre")},
    {"txt4_0",     K::BaseBox,       {3710, 5400, 270,  300}, "", 36, none, true, QT_TRANSLATE_NOOP("frm", "Base 1 del segon nombre")},
    {"txt4_1",     K::BaseBox,       {4070, 5400, 270,  300}, "", 34, none, true, QT_TRANSLATE_NOOP("frm", "Base 2 del segon nombre")},
    {"txt4_2",     K::BaseBox,       {4470, 5400, 270,  300}, "", 31, none, true, QT_TRANSLATE_NOOP("frm", "Base 3 del segon nombre")},
    {"txt4_3",     K::BaseBox,       {4875, 5400, 270,  300}, "", 29, none, true, QT_TRANSLATE_NOOP("frm", "Base 4 del segon nombre")},
    {"txt4_4",     K::BaseBox,       {5280, 5400, 270,  300}, "", 27, none, true, QT_TRANSLATE_NOOP("frm", "Base 5 del segon nombre")},
    {"txt4_5",     K::BaseBox,       {5670, 5400, 270,  300}, "", 25, none, true, QT_TRANSLATE_NOOP("frm", "Base 6 del segon nombre")},
    {"txt4_6",     K::BaseBox,       {6120, 5400, 270,  300}, "", 23, none, true, QT_TRANSLATE_NOOP("frm", "Base 7 del segon nombre")},
    {"txt5_0",     K::ExponentBox,   {3955, 5265, 180,  195}, "", 35, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 1 del segon nombre")},
    {"txt5_1",     K::ExponentBox,   {4315, 5265, 180,  195}, "", 33, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 2 del segon nombre")},
    {"txt5_2",     K::ExponentBox,   {4725, 5265, 180,  195}, "", 32, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 3 del segon nombre")},
    {"txt5_3",     K::ExponentBox,   {5115, 5265, 180,  195}, "", 30, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 4 del segon nombre")},
    {"txt5_4",     K::ExponentBox,   {5520, 5265, 180,  195}, "", 28, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 5 del segon nombre")},
    {"txt5_5",     K::ExponentBox,   {5910, 5280, 180,  195}, "", 26, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 6 del segon nombre")},
    {"txt5_6",     K::ExponentBox,   {6360, 5265, 180,  195}, "", 24, none, true, QT_TRANSLATE_NOOP("frm", "Exponent 7 del segon nombre")},
}};
// clang-format on
