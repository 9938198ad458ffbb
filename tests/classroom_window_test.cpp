#include "app/appearance.h"
#include "app/factorrowlayout.h"
#include "designform.h"
#include "windowdriver.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <memory>

// The window as a class sees it on a projector: scaled to any size, every digit shown,
// usable from the keyboard and by a screen reader.
class ClassroomWindowTest : public RapidWindowTest {
    Q_OBJECT

private slots:
    void controls_scale_with_the_window_data();
    void controls_scale_with_the_window();
    void the_form_is_centred_in_spare_room();
    void the_window_gets_no_smaller_than_its_design_size();
    void a_drawn_ladder_is_drawn_again_at_the_new_scale();
    void quotients_end_in_the_same_pixel_column_data();
    void quotients_end_in_the_same_pixel_column();
    void every_digit_of_a_ladder_shows_data();
    void every_digit_of_a_ladder_shows();
    void factor_boxes_and_labels_show_their_whole_text_data();
    void factor_boxes_and_labels_show_their_whole_text();
    void a_box_that_grows_moves_the_pairs_to_its_right_along();
    void the_ladder_font_is_the_largest_whose_digits_fit_their_cell_data();
    void the_ladder_font_is_the_largest_whose_digits_fit_their_cell();
    void the_zoom_keys_enlarge_the_board_and_ctrl_0_restores_it();
    void enter_in_an_input_box_presses_its_button();
    void the_menus_work_from_the_keyboard();
    void f11_switches_full_screen_and_esc_leaves_it();
    void every_control_has_a_catalan_name();

private:
    void resizeForm(double factor);
    // Ctrl++ that many times, or Ctrl+- where negative.
    void zoomBy(int steps);
    // Where the control of that name belongs at the window's present size.
    QRect expectedPixels(const char* name) const;
};

// Resizes the window so that its client area is the design size times the factor.
void ClassroomWindowTest::resizeForm(double factor) {
    QWidget* form = m_window->centralWidget();
    const QSize extra = m_window->size() - form->size();
    const QSize scaled = design::clientPixels * factor;
    m_window->resize(scaled + extra);
    QTRY_COMPARE(form->size(), scaled);
}

void ClassroomWindowTest::zoomBy(int steps) {
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(m_driver->input(0), steps > 0 ? Qt::Key_Plus : Qt::Key_Minus,
                        Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

QRect ClassroomWindowTest::expectedPixels(const char* name) const {
    const QRect twips = design::twips(QLatin1String(name));
    const QSize form = m_window->centralWidget()->size();
    const QSize client = design::clientTwips;
    const double scale =
        std::min(form.width() / double(client.width()), form.height() / double(client.height()));
    const double x0 = (form.width() - client.width() * scale) / 2;
    const double y0 = (form.height() - client.height() * scale) / 2;
    const auto x = [&](double t) { return int(std::lround(x0 + t * scale)); };
    const auto y = [&](double t) { return int(std::lround(y0 + t * scale)); };
    const int right = twips.x() + twips.width();
    const int bottom = twips.y() + twips.height();
    return QRect(x(twips.x()), y(twips.y()), x(right) - x(twips.x()), y(bottom) - y(twips.y()));
}

void ClassroomWindowTest::controls_scale_with_the_window_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("baseFontPixels");
    QTest::addColumn<int>("exponentFontPixels");
    QTest::newRow("100 %") << 1.0 << 13 << 11;
    QTest::newRow("150 %") << 1.5 << 20 << 17;
    QTest::newRow("200 %") << 2.0 << 26 << 22;
}

void ClassroomWindowTest::controls_scale_with_the_window() {
    QFETCH(double, factor);
    resizeForm(factor);
    for (const char* name : {"txt1", "cmdMCM", "pic3", "Label1_1", "txt4_0", "txt5_5", "txt3_4"})
        QCOMPARE(m_driver->control(name)->geometry(), expectedPixels(name));
    const QRect line = m_driver->control("Line1_0")->geometry();
    QCOMPARE(line.top(), expectedPixels("Line1_0").top());
    QCOMPARE(line.bottom(), expectedPixels("Line1_0").bottom());
    QVERIFY(std::abs(line.center().x() - expectedPixels("Line1_0").left()) <= 1);
    QCOMPARE(line.width(), std::max(1, int(std::lround(factor))));
    QFETCH(int, baseFontPixels);
    QFETCH(int, exponentFontPixels);
    QCOMPARE(m_driver->base(1, 0)->font().pixelSize(), baseFontPixels);
    QCOMPARE(m_driver->label(0)->font().pixelSize(), baseFontPixels);
    QCOMPARE(m_driver->exponent(1, 0)->font().pixelSize(), exponentFontPixels);
    QCOMPARE(m_driver->input(0)->font().pixelSize(), exponentFontPixels);
}

void ClassroomWindowTest::the_form_is_centred_in_spare_room() {
    QWidget* form = m_window->centralWidget();
    const int width = design::clientPixels.width();
    m_window->resize(m_window->size() + QSize(width, 0)); // twice as wide, as high as designed
    QTRY_COMPARE(form->width(), 2 * width);
    // The height sets the scale; the room to spare is shared out left and right.
    const QRect first = m_driver->control("txt1")->geometry();
    const QRect second = m_driver->control("txt6")->geometry();
    const QRect firstDrawn = design::twips("txt1");
    const QRect secondDrawn = design::twips("txt6");
    QCOMPARE(first.size() * design::twipsPerPixel, firstDrawn.size());
    QCOMPARE(first.top() * design::twipsPerPixel, firstDrawn.top());
    const int spareLeft = first.left() - firstDrawn.left() / design::twipsPerPixel;
    const int spareRight = form->width() - (second.right() + 1) -
                           (design::clientTwips.width() - secondDrawn.x() - secondDrawn.width()) /
                               design::twipsPerPixel;
    QVERIFY(std::abs(spareLeft - width / 2) <= 1);
    QVERIFY(std::abs(spareRight - width / 2) <= 1);
}

void ClassroomWindowTest::the_window_gets_no_smaller_than_its_design_size() {
    m_window->resize(300, 200);
    QTest::qWait(20);
    QVERIFY(m_window->centralWidget()->width() >= design::clientPixels.width());
    QVERIFY(m_window->centralWidget()->height() >= design::clientPixels.height());
}

void ClassroomWindowTest::a_drawn_ladder_is_drawn_again_at_the_new_scale() {
    m_driver->decompose(0, "250");
    const QImage small = m_driver->quotients(0)->grab().toImage();
    resizeForm(2);
    QCOMPARE(m_driver->quotients(0)->accessibleDescription(), "250\n125\n25\n5\n1");
    const QImage large = m_driver->quotients(0)->grab().toImage();
    QCOMPARE(large.size(), small.size() * 2);
    // Ink shows at twice the size: count the dark pixels of each.
    const auto ink = [](const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QVERIFY(ink(small) > 0);
    QVERIFY(ink(large) > 3 * ink(small));
}

void ClassroomWindowTest::quotients_end_in_the_same_pixel_column_data() {
    // Powers of 5: every quotient ends in 5 but the last, 1.
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("zoomSteps");
    QTest::addColumn<QString>("input");
    QTest::newRow("100 %") << 1.0 << 0 << "1220703125";
    QTest::newRow("150 %") << 1.5 << 0 << "1220703125";
    QTest::newRow("173 %") << 1.73 << 0 << "1220703125";
    QTest::newRow("100 %, zoomed 175 %") << 1.0 << 3 << "3125";
    QTest::newRow("150 %, zoomed 300 %") << 1.5 << 6 << "3125";
}

void ClassroomWindowTest::quotients_end_in_the_same_pixel_column() {
    QFETCH(double, factor);
    QFETCH(int, zoomSteps);
    QFETCH(QString, input);
    resizeForm(factor);
    zoomBy(zoomSteps);
    m_driver->decompose(0, input);
    PictureArea* column = m_driver->quotients(0);
    const int lines = int(column->lines().size());
    const QImage image = column->grab().toImage();
    const auto rightEdge = [&](int row) {
        const int top = int(std::ceil(column->lineTop(row)));
        const int bottom = int(std::floor(column->lineTop(row) + column->lineHeight()));
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = top; y < bottom && y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 160)
                    return x;
        return -1;
    };
    const int edge = rightEdge(0);
    QVERIFY(edge > 0);
    for (int row = 1; row < lines - 1; ++row)
        QCOMPARE(rightEdge(row), edge);
    // A screen reader reads the lines as text, and finds each last digit where it is drawn.
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(column)->textInterface();
    const QString shown = text->text(0, text->characterCount());
    QCOMPARE(shown, column->lines().join('\n'));
    for (qsizetype row = 0, lineBreak = -1; row < lines - 1; ++row) {
        lineBreak = shown.indexOf('\n', lineBreak + 1);
        const QRect cell =
            text->characterRect(int(lineBreak - 1)).translated(-column->mapToGlobal(QPoint(0, 0)));
        QVERIFY2(cell.left() <= edge && edge <= cell.right(), qPrintable(QString::number(row)));
    }
}

void ClassroomWindowTest::every_digit_of_a_ladder_shows_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("zoomSteps");
    QTest::addColumn<double>("zoom"); // the ladder's, where it fits
    QTest::newRow("2147483646: quotients of 10 digits") << "2147483646" << 0 << 0 << 1.0;
    QTest::newRow("2147483646 in the second ladder") << "2147483646" << 1 << 0 << 1.0;
    QTest::newRow("2097152: 22 lines") << "2097152" << 0 << 0 << 1.0;
    QTest::newRow("1073741823 and 22 lines in the second ladder") << "2097152" << 1 << 0 << 1.0;
    QTest::newRow("250 zoomed 300 %") << "250" << 0 << 6 << 3.0;
    QTest::newRow("300 zoomed 300 % in the second ladder") << "300" << 1 << 6 << 3.0;
    QTest::newRow("32749 zoomed 300 %: as far as its divisor fits") << "32749" << 1 << 6 << -1.0;
    QTest::newRow("2097152 zoomed 300 %: 22 lines do not grow") << "2097152" << 0 << 6 << 1.0;
    QTest::newRow("2147483646 zoomed 200 %") << "2147483646" << 0 << 4 << -1.0;
}

void ClassroomWindowTest::every_digit_of_a_ladder_shows() {
    QFETCH(QString, input);
    QFETCH(int, number);
    QFETCH(int, zoomSteps);
    QFETCH(double, zoom);
    zoomBy(zoomSteps);
    m_driver->decompose(number, input);
    PictureArea* quotients = m_driver->quotients(number);
    PictureArea* divisors = m_driver->divisors(number);
    QCOMPARE(divisors->zoom(), quotients->zoom());
    if (zoom > 0)
        QCOMPARE(quotients->zoom(), zoom);
    else
        QVERIFY(quotients->zoom() > 1 && quotients->zoom() < 3);
    for (PictureArea* column : {quotients, divisors}) {
        const int lines = column->lines().size();
        QVERIFY(column->lineTop(lines - 1) + column->lineHeight() <= column->height());
        // Lines do not overlap into unreadable ink, and each divisor stands beside its
        // quotient.
        QVERIFY(column->lineTop(1) - column->lineTop(0) >= 0.85 * column->lineHeight());
        QCOMPARE(column->lineTop(lines - 1), quotients->lineTop(lines - 1));
        // Nothing is printed against either edge: the column has room for every digit.
        const QImage image = column->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (const int x : {0, image.width() - 1})
                QVERIFY2(qGray(image.pixel(x, y)) > 200,
                         qPrintable(QStringLiteral("ink at the edge, x %1, y %2").arg(x).arg(y)));
    }
    // The widened columns stay clear of their neighbours.
    QList<QWidget*> others{m_driver->input(0),           m_driver->button(0),
                           m_driver->input(1),           m_driver->button(1),
                           m_driver->control("Line1_1"), m_driver->control("Line1_0")};
    for (int n = 0; n < 2; ++n)
        others << m_driver->quotients(n) << m_driver->divisors(n);
    for (PictureArea* column : {quotients, divisors})
        for (QWidget* other : others)
            QVERIFY2(other == column || !column->geometry().intersects(other->geometry()),
                     qPrintable(column->objectName() + " meets " + other->objectName()));
}

void ClassroomWindowTest::factor_boxes_and_labels_show_their_whole_text_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("factor");
    for (const double factor : {1.0, 1.5}) {
        const QString scale = QStringLiteral(" at %1 %").arg(factor * 100);
        QTest::newRow(qPrintable("202" + scale)) << "202" << factor;
        QTest::newRow(qPrintable("2147483646" + scale)) << "2147483646" << factor;
        QTest::newRow(qPrintable("510510" + scale)) << "510510" << factor;
        QTest::newRow(qPrintable("2097152" + scale)) << "2097152" << factor;
        QTest::newRow(qPrintable("983452470" + scale))
            << "983452470" << factor; // 2·3·5·7·11·13·32749
        // A single prime of four or five digits.
        QTest::newRow(qPrintable("1009" + scale)) << "1009" << factor;
        QTest::newRow(qPrintable("10403" + scale)) << "10403" << factor; // 101·103
        QTest::newRow(qPrintable("32749" + scale)) << "32749" << factor;
    }
}

void ClassroomWindowTest::factor_boxes_and_labels_show_their_whole_text() {
    QFETCH(QString, input);
    QFETCH(double, factor);
    resizeForm(factor);
    for (int number = 0; number < 2; ++number) {
        m_driver->decompose(number, input);
        QWidget* button = m_driver->control(number == 0 ? "cmdMCD" : "cmdMCM");
        // Every one of these rows fits at the font of the drawn boxes, scaled with the form,
        // its powers in order from where the first was drawn.
        QCOMPARE(m_driver->base(number, 0)->font().pixelSize(), int(std::lround(13 * factor)));
        QCOMPARE(m_driver->exponent(number, 0)->font().pixelSize(), int(std::lround(11 * factor)));
        QCOMPARE(m_driver->base(number, 0)->x(),
                 expectedPixels(number == 0 ? "txt2_0" : "txt4_0").x());
        for (int k = 0; k < factorRowSize; ++k) {
            if (!m_driver->base(number, k)->text().isEmpty()) {
                QVERIFY(m_driver->exponent(number, k)->x() > m_driver->base(number, k)->x());
                if (k > 0)
                    QVERIFY(m_driver->base(number, k)->x() >
                            m_driver->exponent(number, k - 1)->x());
            }
            for (TextBox* box : {m_driver->base(number, k), m_driver->exponent(number, k)}) {
                const double needed = QFontMetricsF(box->font()).horizontalAdvance(box->text()) +
                                      2 * TextBox::framelessMarginPixels;
                QVERIFY2(needed <= box->width(),
                         qPrintable(box->objectName() + " cuts " + box->text()));
                QVERIFY2(box->geometry().right() < button->geometry().left(),
                         qPrintable(box->objectName() + " runs into " + button->objectName()));
            }
        }
        QLabel* label = m_driver->label(number);
        QCOMPARE(label->text(), input + " = ");
        QVERIFY(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->width());
        QVERIFY(label->geometry().left() >= 0);
        // It still ends where it was drawn to end.
        QCOMPARE(label->geometry().right(), expectedPixels("Label1_1").right());
    }
}

void ClassroomWindowTest::a_box_that_grows_moves_the_pairs_to_its_right_along() {
    // The layout alone: base 1 needs 100 twips more, exponent 2 needs 50 more.
    FactorRowPlaces design;
    for (int k = 0; k < factorRowSize; ++k) {
        design.bases[k] = QRectF(1000 + 400 * k, 100, 270, 300);
        design.exponents[k] = QRectF(1240 + 400 * k, 0, 180, 195);
    }
    std::array<double, factorRowSize> baseNeeds{};
    std::array<double, factorRowSize> exponentNeeds{};
    baseNeeds[1] = 370;
    exponentNeeds[2] = 230;
    baseNeeds[3] = 100; // fits: keeps its width
    std::array<bool, factorRowSize> all;
    all.fill(true);
    const FactorRowPlaces placed = placeFactorRow(design, baseNeeds, exponentNeeds, all);
    QCOMPARE(placed.bases[0], design.bases[0]);
    QCOMPARE(placed.exponents[0], design.exponents[0]);
    QCOMPARE(placed.bases[1], QRectF(1400, 100, 370, 300));
    QCOMPARE(placed.exponents[1], QRectF(1740, 0, 180, 195)); // still overlaps its base by 30
    QCOMPARE(placed.bases[2], QRectF(1900, 100, 270, 300));
    QCOMPARE(placed.exponents[2], QRectF(2140, 0, 230, 195));
    QCOMPARE(placed.bases[3], QRectF(2350, 100, 270, 300));
    QCOMPARE(placed.right(all), design.right(all) + 150);
    // Empty pairs take no room: the row ends with the last pair that shows something.
    const std::array<bool, factorRowSize> firstFour{true, true, true, true};
    QCOMPARE(placed.right(firstFour), placed.exponents[3].right());
}

void ClassroomWindowTest::the_ladder_font_is_the_largest_whose_digits_fit_their_cell_data() {
    QTest::addColumn<double>("cellPixels");
    for (const double cell : {2.0, 3.5, 6.0, 9.0, 10.38, 12.0, 18.0, 30.0, 54.0})
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(cell))) << cell;
}

void ClassroomWindowTest::the_ladder_font_is_the_largest_whose_digits_fit_their_cell() {
    // A cell too narrow for any size still gets 4 pixels, the least a digit can be read at.
    QFETCH(double, cellPixels);
    const QFont font = ladderFont(cellPixels);
    const auto advance = [&](int pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        return QFontMetricsF(sized).horizontalAdvance(QLatin1Char('0'));
    };
    const int size = font.pixelSize();
    QVERIFY(size >= 4);
    if (size > 4)
        QVERIFY(advance(size) <= cellPixels + 0.01);
    QVERIFY(advance(size + 1) > cellPixels + 0.01);
}

void ClassroomWindowTest::the_zoom_keys_enlarge_the_board_and_ctrl_0_restores_it() {
    // State: 250 and 300 decomposed and marked, as drawn. Action: the zoom keys and the
    // wheel. Expected: the ladders and rows grow and shrink by the steps, nothing meets
    // anything else, and Ctrl+0 draws the board exactly as before.
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    m_driver->click(m_driver->control("cmdMCD"));
    // The closed speed menu stays the application's active window offscreen; the keys go to
    // the window.
    m_window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
    QWidget* form = m_window->centralWidget();
    const QImage drawn = form->grab().toImage();
    const auto ladderZoom = [&] { return m_driver->quotients(0)->zoom(); };
    zoomBy(4);
    QCOMPARE(ladderZoom(), 2.0);
    QCOMPARE(m_driver->base(0, 0)->font().pixelSize(), 26);
    QCOMPARE(m_driver->label(1)->font().pixelSize(), 26);
    // A power's boxes overlap within their row by design; rows, ladders and buttons never.
    const auto group = [](const QWidget* control) {
        const QString name = control->objectName();
        if (name.startsWith("txt2") || name.startsWith("txt3") || name == "Label1_0")
            return QStringLiteral("first row");
        if (name.startsWith("txt4") || name.startsWith("txt5") || name == "Label1_1")
            return QStringLiteral("second row");
        return name;
    };
    QList<QWidget*> shown;
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* box = qobject_cast<QLineEdit*>(control);
        const auto* line = qobject_cast<QLabel*>(control);
        if ((!box || !box->text().isEmpty()) && (!line || !line->text().isEmpty()))
            shown << control;
    }
    for (QWidget* a : shown)
        for (QWidget* b : shown)
            QVERIFY2(group(a) == group(b) || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " meets " + b->objectName()));
    QTest::keyClick(m_driver->input(0), Qt::Key_Equal, Qt::ControlModifier);
    QTRY_COMPARE(ladderZoom(), 2.5);
    QWheelEvent down(QPointF(5, 5), form->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form, &down);
    QTRY_COMPARE(ladderZoom(), 2.0);
    zoomBy(-1);
    QCOMPARE(ladderZoom(), 1.75);
    QTest::keyClick(m_driver->input(0), Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE(ladderZoom(), 1.0);
    QCOMPARE(form->grab().toImage(), drawn);
}

void ClassroomWindowTest::enter_in_an_input_box_presses_its_button() {
    QTest::keyClick(m_driver->input(1), Qt::Key_Return);
    QCOMPARE(m_driver->quotients(1)->lines(), QStringList({"300", "150", "75", "25", "5", "1"}));
    QVERIFY(!m_driver->button(1)->isEnabled());
    QVERIFY(m_driver->quotients(0)->lines().isEmpty());
    // The button is disabled now: Enter does nothing more.
    m_driver->input(1)->setText("12");
    QTest::keyClick(m_driver->input(1), Qt::Key_Enter);
    QCOMPARE(m_driver->label(1)->text(), "300 = ");
    // On a button with the focus, Enter presses it as Space does.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QWidget* button = m_driver->control(key == Qt::Key_Return ? "cmd" : "cmdMCD");
        button->setFocus();
        QTest::keyClick(button, key);
        QVERIFY(!button->isEnabled());
    }
    QCOMPARE(m_driver->label(0)->text(), "250 = ");
}

void ClassroomWindowTest::the_menus_work_from_the_keyboard() {
    // State: "rapid" chosen in init. Action: Alt, then right to "velocitat", down into its
    // menu to "lent", Enter. Expected: "lent" checked, without a mouse.
    m_window->activateWindow();
    QWidget* focus = m_driver->input(0);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Alt);
    QTRY_COMPARE(m_window->menuBar()->activeAction(), m_driver->action("mnucomençar"));
    QTest::keyClick(m_window->menuBar(), Qt::Key_Right);
    QCOMPARE(m_window->menuBar()->activeAction(), m_driver->action("mnuvelocitat"));
    QTest::keyClick(m_window->menuBar(), Qt::Key_Down);
    QMenu* menu = m_driver->action("mnuvelocitat")->menu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), m_driver->action("mnulent"));
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(m_driver->action("mnulent")->isChecked());
    QVERIFY(!m_driver->action("mnurapid")->isChecked());

    // "començar" the same way, after a run drawn at once.
    m_driver->chooseRapid();
    m_driver->decompose(0, "12");
    QTest::keyClick(focus, Qt::Key_Alt);
    QTRY_COMPARE(m_window->menuBar()->activeAction(), m_driver->action("mnucomençar"));
    QTest::keyClick(m_window->menuBar(), Qt::Key_Return);
    QTRY_VERIFY(m_driver->button(0)->isEnabled());
    QVERIFY(m_driver->quotients(0)->lines().isEmpty());
}

void ClassroomWindowTest::f11_switches_full_screen_and_esc_leaves_it() {
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QTRY_VERIFY(m_window->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QTRY_VERIFY(!(m_window->windowState() & Qt::WindowFullScreen));
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QTRY_VERIFY(m_window->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(m_driver->input(0), Qt::Key_Escape);
    QTRY_VERIFY(!(m_window->windowState() & Qt::WindowFullScreen));
}

void ClassroomWindowTest::every_control_has_a_catalan_name() {
    const QList<QWidget*> controls =
        m_window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 48);
    QSet<QString> names;
    for (QWidget* control : controls) {
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        names.insert(control->accessibleName());
    }
    QCOMPARE(names.size(), 48);
    QCOMPARE(m_driver->input(0)->accessibleName(), "Primer nombre");
    QCOMPARE(m_driver->button(1)->accessibleName(), "Descompon el segon nombre");
    QCOMPARE(m_driver->quotients(0)->accessibleName(), "Quocients del primer nombre");
    QCOMPARE(m_driver->base(1, 2)->accessibleName(), "Base 3 del segon nombre");
    QCOMPARE(m_driver->exponent(0, 6)->accessibleName(), "Exponent 7 del primer nombre");
    QCOMPARE(m_driver->control("lblmcm")->accessibleName(), "Resultat del m.c.m.");
}

WINDOW_TEST_MAIN(ClassroomWindowTest)

#include "classroom_window_test.moc"
