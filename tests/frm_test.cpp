#include "frm_test.h"

#include "designform.h"
#include "windowprobe.h"

#include "app/appearance.h"
#include "app/textbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

namespace {

// A control can only stand on whole pixels, so an edge may be off by up to half a pixel.
constexpr int roundingTwips = design::twipsPerPixel / 2;

// What is wrong with an edge drawn at `pixels` for a design place of `twips`; nothing when
// it is only the rounding to whole pixels.
QString edgeMismatch(const char* edge, int pixels, int twips) {
    if (std::abs(pixels * design::twipsPerPixel - twips) <= roundingTwips)
        return {};
    return QStringLiteral("%1 at %2 twips instead of %3; ")
        .arg(QLatin1String(edge))
        .arg(pixels * design::twipsPerPixel)
        .arg(twips);
}

QString shownText(const QWidget& widget) {
    if (const auto* box = qobject_cast<const QLineEdit*>(&widget))
        return box->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    return widget.accessibleDescription(); // a ladder column's printed lines
}

void addFactorRowNames(QStringList& names, const char* prefix) {
    for (int k = 0; k < 7; ++k)
        names << QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(k);
}

QStringList factorBoxNames() {
    QStringList names;
    for (const char* prefix : {"txt2", "txt3", "txt4", "txt5"})
        addFactorRowNames(names, prefix);
    return names;
}

} // namespace

void FrmTest::the_window_opens_with_its_caption_and_its_design_client_size() {
    QCOMPARE(window().windowTitle(), QStringLiteral("Descomposició factorial"));
    QCOMPARE(window().centralWidget(), m_driver->control("form"));
    QCOMPARE(window().centralWidget()->size(), design::clientPixels);
    QCOMPARE(design::clientPixels * design::twipsPerPixel, design::clientTwips);
}

void FrmTest::the_form_holds_exactly_the_designed_controls() {
    QStringList expected;
    for (const design::Control& control : design::controls())
        expected << QLatin1String(control.name);
    expected.sort();

    QStringList names;
    for (const QWidget* widget :
         m_driver->control("form")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        names << widget->objectName();
    names.sort();
    QCOMPARE(names, expected);
}

void FrmTest::controls_open_at_their_design_place_and_size_data() {
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    for (const design::Control& control : design::controls())
        if (control.twips.width() > 0)
            QTest::newRow(control.name) << control.twips;
}

void FrmTest::controls_open_at_their_design_place_and_size() {
    QFETCH(QRect, twips);
    const QRect pixels = m_driver->control(QLatin1String(QTest::currentDataTag()))->geometry();
    const QString mismatch =
        edgeMismatch("left", pixels.x(), twips.x()) + edgeMismatch("top", pixels.y(), twips.y()) +
        edgeMismatch("right", pixels.x() + pixels.width(), twips.x() + twips.width()) +
        edgeMismatch("bottom", pixels.y() + pixels.height(), twips.y() + twips.height());
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void FrmTest::ladder_bars_are_vertical_lines_at_their_design_place_data() {
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Line1_1: the first number's bar") << design::twips("Line1_1");
    QTest::newRow("Line1_0: the second number's bar") << design::twips("Line1_0");
}

void FrmTest::ladder_bars_are_vertical_lines_at_their_design_place() {
    QFETCH(QRect, twips);
    const int x = twips.x();
    const int top = twips.y();
    const int bottom = twips.y() + twips.height();
    const QString name =
        QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(':'), 0, 0);
    const QRect pixels = m_driver->control(name)->geometry();
    QCOMPARE(pixels.width(), 1);
    const QString mismatch = edgeMismatch("x", pixels.x(), x) +
                             edgeMismatch("top", pixels.y(), top) +
                             edgeMismatch("bottom", pixels.y() + pixels.height(), bottom);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void FrmTest::controls_open_with_their_design_content_and_enabled_state_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("txt1") << QStringLiteral("250") << true;
    QTest::newRow("cmd") << QStringLiteral("descomposar") << true;
    QTest::newRow("txt6") << QStringLiteral("300") << true;
    QTest::newRow("cmd1") << QStringLiteral("descomposar") << true;
    QTest::newRow("cmdMCD") << QStringLiteral("m.c.d.") << true;
    QTest::newRow("cmdMCM") << QStringLiteral("m.c.m") << false;
    QStringList empty{QStringLiteral("pic1"),     QStringLiteral("pic2"),
                      QStringLiteral("pic3"),     QStringLiteral("pic4"),
                      QStringLiteral("Label1_0"), QStringLiteral("Label1_1"),
                      QStringLiteral("lblmcd"),   QStringLiteral("lblmcm")};
    empty << factorBoxNames();
    for (const QString& name : empty)
        QTest::newRow(qPrintable(name)) << QString() << true;
}

void FrmTest::controls_open_with_their_design_content_and_enabled_state() {
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    const QWidget* shown = m_driver->control(QLatin1String(QTest::currentDataTag()));
    QCOMPARE(shownText(*shown), text);
    QCOMPARE(shown->isEnabled(), enabled);
}

void FrmTest::factor_boxes_open_with_the_window_text_colour_data() {
    QTest::addColumn<int>("unused");
    for (const QString& name : factorBoxNames())
        QTest::newRow(qPrintable(name)) << 0;
}

void FrmTest::factor_boxes_open_with_the_window_text_colour() {
    const auto* box = m_driver->control<TextBox>(QLatin1String(QTest::currentDataTag()));
    QCOMPARE(box->textColour(), Colour(0x80000008));
}

void FrmTest::the_menus_offer_their_items_in_order_data() {
    // Each item: its name, its caption, its mark if it has one, its keys if any; "-" a
    // separator.
    QTest::addColumn<QString>("items");
    QTest::newRow("the bar") << "mnucomençar començar | mnuvelocitat velocitat | mnuexercici "
                                "exercici";
    QTest::newRow("mnuvelocitat") << "mnulent lent [x] | mnurapid ràpid [ ] | mnupasapas pas a "
                                     "pas [ ]";
    QTest::newRow("mnuexercici")
        << "mnunouexercici nou exercici Ctrl+N | mnunivell nivell | mnuresultats mostrar els "
           "resultats [ ] | - | mnucopiar copiar la imatge | mnudesar desar la imatge… Ctrl+S | "
           "mnuimprimir imprimir… Ctrl+P | - | mnupracticar practicar [ ] | mnusubratllar "
           "subratllar les marques [ ]";
    QTest::newRow("mnunivell")
        << "mnufacil fàcil [x] | mnumitja mitjà [ ] | mnudificil difícil [ ]";
}

void FrmTest::the_menus_offer_their_items_in_order() {
    QFETCH(QString, items);
    const QString menu = QLatin1String(QTest::currentDataTag());
    QStringList shown;
    for (const QAction* item : menu == "the bar" ? window().menuBar()->actions()
                                                 : m_driver->action(menu)->menu()->actions()) {
        shown << (item->isSeparator() ? "-" : item->objectName() + ' ' + item->text());
        if (item->isCheckable())
            shown.last() += item->isChecked() ? " [x]" : " [ ]";
        if (!item->shortcut().isEmpty())
            shown.last() += ' ' + item->shortcut().toString();
    }
    QCOMPARE(shown.join(" | "), items);
}

void FrmTest::the_first_number_box_has_the_focus_when_the_window_opens() {
    QCOMPARE(QApplication::focusWidget(), m_driver->control("txt1"));
    // Its number selected, so that typing replaces it.
    QTest::keyClicks(m_driver->input(0), QStringLiteral("12"));
    QCOMPARE(m_driver->input(0)->text(), QStringLiteral("12"));
}

void FrmTest::tab_goes_through_the_number_boxes_and_commands_in_design_order() {
    // State: the window just opened, focus in txt1; cmdMCM is disabled, the ladder
    // columns, labels and factor boxes take no Tab focus.
    // Action: Tab, over and over.
    // Expected: the design tab indexes in turn, back to txt1 after the last.
    const QStringList expected{QStringLiteral("cmd"),  QStringLiteral("txt6"),
                               QStringLiteral("cmd1"), QStringLiteral("cmdMCD"),
                               QStringLiteral("txt1"), QStringLiteral("cmd")};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

WINDOW_TEST_MAIN(FrmTest)
