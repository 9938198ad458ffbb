#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

// The window and the task bar draw the program's icon from its SVG through Qt's SVG icon
// engine, a plugin that is missing unless libqt6svg6 is installed: then the icon comes out
// empty, silently.
class IconTest : public QObject {
    Q_OBJECT

private slots:
    void the_icon_draws_a_board_at_every_size_a_desktop_asks_for_data();
    void the_icon_draws_a_board_at_every_size_a_desktop_asks_for();
};

void IconTest::the_icon_draws_a_board_at_every_size_a_desktop_asks_for_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("16: menu") << 16;
    QTest::newRow("24: task bar") << 24;
    QTest::newRow("48: launcher") << 48;
    QTest::newRow("256: software centre") << 256;
}

void IconTest::the_icon_draws_a_board_at_every_size_a_desktop_asks_for() {
    QFETCH(int, size);
    const QIcon icon(QStringLiteral(":/icons/cat.escola.descomposicio.svg"));
    const QImage image = icon.pixmap(QSize(size, size)).toImage();

    QCOMPARE(image.size(), QSize(size, size));
    // The corners are rounded off, so they stay transparent; the middle is the green board.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    const QColor middle = image.pixelColor(size / 4, size / 2);
    QCOMPARE(middle.alpha(), 255);
    QVERIFY2(middle.green() > middle.red() && middle.green() > middle.blue(),
             qPrintable(middle.name()));
}

QTEST_MAIN(IconTest)
#include "icon_test.moc"
