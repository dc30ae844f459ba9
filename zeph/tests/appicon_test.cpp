// The program icon as the windows get it: every size rendered from the one
// picture and compiled into the program, none of them blank.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "resources/appicon.h"

class AppIconTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void sizes_data();
    void sizes();
};

void AppIconTest::sizes_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
    }
}

void AppIconTest::sizes() {
    QFETCH(int, size);
    const QIcon icon = zeph::AppIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));

    const QImage image =
        icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    // Outside the rounded sheet the icon is transparent (the 16 px corner
    // catches a trace of the border's smoothing); inside, above the curves,
    // the sheet is white; somewhere the plotted point shows red.
    QVERIFY(qAlpha(image.pixel(0, 0)) < 8);
    QCOMPARE(image.pixel(size * 3 / 10, size * 3 / 10), qRgb(255, 255, 255));
    bool red = false;
    for (int y = 0; y < size && !red; ++y) {
        for (int x = 0; x < size && !red; ++x) {
            const QRgb p = image.pixel(x, y);
            red = qAlpha(p) == 255 && qRed(p) > 200 && qGreen(p) < 100 && qBlue(p) < 100;
        }
    }
    QVERIFY2(red, "no red state point in the icon");
}

QTEST_MAIN(AppIconTest)
#include "appicon_test.moc"
