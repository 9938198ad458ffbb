#include "windowdriver.h"

#include "worksheet/exercisegenerator.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

// The teacher's "exercici" menu on the real window, in "rapid" mode.
class KitWindowTest : public RapidWindowTest {
    Q_OBJECT

private slots:
    void the_results_are_written_out_while_shown_data();
    void the_results_are_written_out_while_shown();
    void the_board_is_copied_and_saved_at_twice_the_design_size_data();
    void the_board_is_copied_and_saved_at_twice_the_design_size();
    void a_pupil_practises_250_and_300_with_the_keyboard_alone();
    void subratllar_underlines_the_marked_powers_on_screen_and_in_the_image();

private:
    void choose(const char* item) const {
        m_driver->chooseMenu(QLatin1String(item), QStringLiteral("mnuexercici"));
    }
    QString line(const char* name) const { return m_driver->control<QLabel>(name)->text(); }
};

void KitWindowTest::the_results_are_written_out_while_shown_data() {
    QTest::addColumn<QStringList>("row"); // the two numbers typed, the two lines
    QTest::newRow("250 and 300") << QStringList{"250", "300", "m.c.d.(250, 300) = 2 · 5² = 50",
                                                "m.c.m.(250, 300) = 2² · 3 · 5³ = 1500"};
    QTest::newRow("8 and 15") << QStringList{"8", "15", "m.c.d.(8, 15) = 1",
                                             "m.c.m.(8, 15) = 2³ · 3 · 5 = 120"};
    QTest::newRow("510510 and 2097152") << QStringList{
        "510510", "2097152", "m.c.d.(510.510, 2.097.152) = 2",
        "m.c.m.(510.510, 2.097.152) = 2²¹ · 3 · 5 · 7 · 11 · 13 · 17 = 535.308.533.760"};
    QTest::newRow("a line longer than the form") << QStringList{
        "2147483646", "983452470", "m.c.d.(2.147.483.646, 983.452.470) = 2 · 3 · 7 · 11 = 462",
        "m.c.m.(2.147.483.646, 983.452.470) = 2 · 3² · 5 · 7 · 11 · 13 · 31 · 151 · 331 · "
        "32.749 = 4.571.316.224.985.510"};
    QTest::newRow("typed values, not texts") << QStringList{
        "+2.500", "&h1e", "m.c.d.(2500, 30) = 2 · 5 = 10", "m.c.m.(2500, 30) = 2² · 3 · 5⁴ = 7500"};
}

void KitWindowTest::the_results_are_written_out_while_shown() {
    // State: both numbers decomposed, the results shown. Action: m.c.d., m.c.m, a window half
    // as large again. Expected: each line once its marks are made, every character of it in
    // sight. (Hiding, showing and "començar" are among the monkey's actions.)
    QFETCH(QStringList, row);
    choose("mnuresultats");
    m_driver->decompose(0, row[0]);
    m_driver->decompose(1, row[1]);
    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
    QCOMPARE(line("lblmcd") + '|' + line("lblmcm"), row[2] + '|');
    m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
    QCOMPARE(line("lblmcd") + '|' + line("lblmcm"), row[2] + '|' + row[3]);
    for (const double factor : {1.0, 1.5}) {
        QWidget* form = m_driver->control("form");
        window().resize(window().size() + form->size() * (factor - 1));
        for (const char* name : {"lblmcd", "lblmcm"}) {
            const auto* label = m_driver->control<QLabel>(name);
            QTRY_VERIFY(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <=
                        label->width());
            QVERIFY(form->rect().contains(label->geometry()));
        }
    }
}

void KitWindowTest::the_board_is_copied_and_saved_at_twice_the_design_size_data() {
    QTest::addColumn<QString>("file");  // none: to the clipboard
    QTest::addColumn<double>("factor"); // the window's size against its design size
    QTest::newRow("copied at 250 %") << "" << 2.5;
    QTest::newRow("saved as PNG at 150 %") << "board.png" << 1.5;
    QTest::newRow("saved as PDF at 170 %") << "board.pdf" << 1.7;
    QTest::newRow("into a folder that does not exist") << "none/board.png" << 1.0;
}

void KitWindowTest::the_board_is_copied_and_saved_at_twice_the_design_size() {
    // State: 250 and 300 decomposed and marked by m.c.d.; the board copied at the design
    // size. Action: at another size, "copiar la imatge", or "desar la imatge…" and the
    // file's name. Expected: the very image copied at the design size, twice as large as
    // the form was drawn, its red marks showing; or a PDF whose text stays text; or a
    // message that says why not; the window as it was.
    QFETCH(QString, file);
    QFETCH(double, factor);
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
    const auto copied = [this] {
        choose("mnucopiar");
        return QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    };
    const QImage atDesignSize = copied();
    QCOMPARE(atDesignSize.size(), QSize(1286, 910));
    int red = 0;
    for (int y = 0; y < atDesignSize.height(); ++y)
        for (int x = 0; x < atDesignSize.width(); ++x)
            red += atDesignSize.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY2(red > 20, qPrintable(QString::number(red)));
    QWidget* form = m_driver->control("form");
    window().resize(window().size() + form->size() * (factor - 1));
    QTest::qWait(20);
    const QStringList before = windowState(window());
    const QSize size = form->size();
    QWidget* focus = QApplication::focusWidget();
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    ModalCloser closer;
    closer.setFileToChoose(path);
    closer.arm();
    QImage image;
    if (file.isEmpty())
        image = copied();
    else
        choose("mnudesar");
    const QStringList shown = closer.disarm();

    QCOMPARE(windowState(window()), before);
    QCOMPARE(form->size(), size);
    QCOMPARE(QApplication::focusWidget(), focus);
    if (file.startsWith("none")) {
        QCOMPARE(shown, QStringList({"Desar la imatge", "No s'ha pogut desar la imatge a «" + path +
                                                            "»: la carpeta no existeix."}));
        return;
    }
    QCOMPARE(shown.size(), file.isEmpty() ? 0 : 1);
    QFile written(path);
    if (file.endsWith(".pdf")) {
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray pdf = written.readAll();
        QVERIFY(pdf.startsWith("%PDF") && pdf.contains("/FontName"));
        return;
    }
    QVERIFY(file.isEmpty() ? image == atDesignSize
                           : QImage(path).convertToFormat(QImage::Format_RGB32) == atDesignSize);
}

void KitWindowTest::a_pupil_practises_250_and_300_with_the_keyboard_alone() {
    // State: "practicar" on. Action: the whole exercise from the keys, mistakes included;
    // each step names where the focus must be (moving it stands for Tab) and its keys: "\n"
    // Enter, "\t" Tab, " " Space. Expected: each answer's message, and the right ones drawn.
    m_driver->chooseMenu(QStringLiteral("mnupracticar"), QStringLiteral("mnuexercici"));
    struct Step {
        const char* focus; // nothing: where the last step left it
        const char* keys;
        const char* message; // how the message line starts
    };
    const Step steps[] = {
        {"txt1", "\n", "Escriu el divisor primer més petit de 250."},
        {nullptr, "3\n", "250 no és divisible per 3."},
        {nullptr, "10\n", "10 no és primer."},
        {nullptr, "2\n", "Correcte! 2 és el divisor primer més petit de 250."},
        {nullptr, "120\n", "250 : 2 no fa 120."},
        {nullptr, "121\n", "250 : 2 no fa 121. Fes la divisió 250 : 2."},
        {nullptr, "125\n5\n25\n5\n5\n5\n", "Correcte! 5 és el divisor primer"},
        {nullptr, "1\n", "Correcte! Has arribat a 1"},
        {nullptr, "5\t3\t2\n", "Molt bé! 250 = 2 · 5³"},
        {"txt6", "\n2\n150\n2\n75\n3\n25\n5\n5\n5\n1\n", "Correcte! Has arribat a 1"},
        {nullptr, "2\t2\t5\t2\n", "Falta el 3."},
        {"txt4_2", "3\n", "Molt bé! 300 = 2² · 3 · 5²"},
        {"txt2_1", " ", ""},
        {"cmdMCD", " ", "Del 5, tria la potència d'exponent més petit."},
        {"txt2_1", " ", ""},
        {"txt2_0", " ", ""},
        {"txt4_2", " ", ""},
        {"cmdMCD", " ", "Molt bé! m.c.d. = 2 · 5² = 50"},
        {"txt2_1", " ", ""},
        {"txt4_0", " ", ""},
        {"cmdMCM", " ", "Falta el 3"},
        {"txt4_1", " ", ""},
        {"cmdMCM", " ", "Molt bé! m.c.m = 2² · 3 · 5³ = 1500"},
    };
    auto* message = m_driver->control<QLabel>("lblmissatge");
    for (const Step& step : steps) {
        if (step.focus)
            m_driver->control(step.focus)->setFocus();
        for (const QChar key : QString::fromUtf8(step.keys)) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (key == u'\n')
                QTest::keyClick(focus, Qt::Key_Return);
            else if (key == u'\t')
                QTest::keyClick(focus, Qt::Key_Tab);
            else if (key == u' ')
                QTest::keyClick(focus, Qt::Key_Space);
            else
                QTest::keyClicks(focus, key);
        }
        if (*step.message)
            QVERIFY2(message->text().startsWith(QString::fromUtf8(step.message)),
                     qPrintable(step.keys + QStringLiteral(": ") + message->text()));
    }
    QCOMPARE(m_driver->quotientLines(0), "250\n125\n25\n5\n1");
    QCOMPARE(m_driver->divisorLines(1), "2\n2\n3\n5\n5");
    QCOMPARE(m_driver->baseTexts(0).mid(0, 2), QStringList({"2", "5"}));
    QCOMPARE(m_driver->marks(0), ".B.....");
    QCOMPARE(m_driver->marks(1), "BB.....");
    QCOMPARE(m_driver->control<QLabel>("lblpuntuacio")->text(),
             "Encerts a la primera: 17 de 22 · ajudes: 0");
}

void KitWindowTest::subratllar_underlines_the_marked_powers_on_screen_and_in_the_image() {
    // State: 250 and 300 marked for the m.c.d. Action: the underline on, then off.
    // Expected: a red bar under the marked 2 of 250 and none under its 5, in the window and in
    // the copied board; off, the board exactly as before.
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    m_driver->click(m_driver->control("cmdMCD"));
    QWidget* form = m_window->centralWidget();
    const QImage plain = form->grab().toImage();
    const auto redRows = [](const QImage& image) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y) {
            int red = 0;
            for (int x = 0; x < image.width(); ++x)
                red += image.pixelColor(x, y) == QColor(Qt::red);
            rows += red * 2 >= image.width() / 3; // a bar, not the strokes of a digit
        }
        return rows;
    };
    choose("mnusubratllar");
    QVERIFY(redRows(m_driver->base(0, 0)->grab().toImage()) >= 2);
    QCOMPARE(redRows(m_driver->base(0, 1)->grab().toImage()), 0);
    choose("mnucopiar");
    const QImage copied = QApplication::clipboard()->image();
    const QRect twice(m_driver->base(0, 0)->geometry().topLeft() * 2,
                      m_driver->base(0, 0)->size() * 2);
    QVERIFY(redRows(copied.copy(twice)) >= 2);
    choose("mnusubratllar");
    QCOMPARE(form->grab().toImage(), plain);
}

WINDOW_TEST_MAIN(KitWindowTest)

#include "kit_window_test.moc"
