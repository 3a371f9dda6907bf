// Where the window and the boxes open: centred on the screen's available area where they fit,
// never with the title bar or the left edge outside it.

#include "qt/window_placement.h"

#include <QTest>

using namespace tavrolin::qt;

class TestWindowPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placed_data();
    void placed();
};

void TestWindowPlacement::placed_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("fits: centred") << QSize(548, 560) << screen << QPoint(366, 232);
    QTest::newRow("fits exactly") << QSize(1280, 1024) << screen << QPoint(0, 0);
    // At a 2x scale the fixed-size window is taller than a 1280x1024 screen (in device pixels,
    // a 640x512 area).
    QTest::newRow("taller: at the top, centred across")
        << QSize(548, 560) << QRect(0, 0, 640, 512) << QPoint(46, 0);
    QTest::newRow("wider: at the left, centred down")
        << QSize(700, 400) << QRect(0, 0, 640, 512) << QPoint(0, 56);
    QTest::newRow("larger: at the top left")
        << QSize(700, 600) << QRect(0, 0, 640, 512) << QPoint(0, 0);
    // A panel at the top or left of the screen leaves an area that does not start at 0, 0; a
    // second screen's area starts where the first ends.
    QTest::newRow("below a top panel, larger")
        << QSize(1300, 1100) << QRect(0, 30, 1280, 994) << QPoint(0, 30);
    QTest::newRow("right of a left panel, centred")
        << QSize(548, 560) << QRect(64, 0, 1216, 1024) << QPoint(398, 232);
    QTest::newRow("second screen, larger")
        << QSize(2000, 560) << QRect(1280, 0, 1920, 1080) << QPoint(1280, 260);
}

void TestWindowPlacement::placed() {
    QFETCH(QSize, frame);
    QFETCH(QRect, area);
    QFETCH(QPoint, expected);
    QCOMPARE(placedWindow(frame, area), expected);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
