// The window on a scaled screen (QT_SCALE_FACTOR): drawn as vectors at the device resolution.

#include "boardpoints.h"
#include "orvexwindow.h"

#include <QTest>
#include <QWindow>

using namespace orvex;
using namespace boardpoints;

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scaledWindow();
    void pinColoursAtScaledPlaces();
    void drawnAtDeviceResolution();

private:
    double m_factor = 1.0;
    QImage grabbed();
};

void TestHiDpi::initTestCase()
{
    m_factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY2(m_factor > 1.0, "run with QT_SCALE_FACTOR set, e.g. 2 or 1.5");
}

QImage TestHiDpi::grabbed()
{
    static OrvexWindow* window = [] {
        auto* w = new OrvexWindow;
        w->show();
        return w;
    }();
    if (!QTest::qWaitForWindowExposed(window))
        return {};
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TestHiDpi::scaledWindow()
{
    const QImage image = grabbed();
    QCOMPARE(image.size(), QSize(qRound(530 * m_factor), qRound(459 * m_factor)));
}

void TestHiDpi::pinColoursAtScaledPlaces()
{
    const QImage image = grabbed();
    const QString row = QStringLiteral("OCC CCO OCC OO CC OOCCCCOOCC OO CCO CCCCOO"); // setting 3
    for (int i = 0; i < int(kDriven.size()); ++i) {
        const QPoint p = (centre(kDriven[std::size_t(i)]) * m_factor).toPoint();
        QCOMPARE(image.pixel(p) | 0xFF000000, pinColour(row, i));
    }
    for (const FixedMark& f : kFixed)
        QCOMPARE(image.pixel((centre(f.name) * m_factor).toPoint()) | 0xFF000000, f.colour);
}

void TestHiDpi::drawnAtDeviceResolution()
{
    const QImage image = grabbed();
    // A one-pixel outline of the design is m_factor device pixels: the SMC chip's top side
    // (design row 168) is solid black across, with no grey fringe of an upscaled bitmap.
    const int y = int(2520 / 15 * m_factor);
    const int x = int(40 * m_factor);
    QCOMPARE(image.pixel(x, y) | 0xFF000000, qRgb(0, 0, 0));
    if (m_factor == 2.0) {
        QCOMPARE(image.pixel(x, y + 1) | 0xFF000000, qRgb(0, 0, 0));
        QCOMPARE(image.pixel(x, y + 2) | 0xFF000000, qRgb(0xF0, 0xF9, 0xF2)); // mint again
        // Text is laid out at device resolution: an upscaled bitmap would repeat every pixel
        // pair (2k, 2k+1); drawn glyphs change colour between such pairs all over the place.
        int splitPairs = 0;
        for (int yy = 0; yy < image.height(); ++yy)
            for (int xx = 0; xx + 1 < image.width(); xx += 2)
                splitPairs += image.pixel(xx, yy) != image.pixel(xx + 1, yy);
        QVERIFY2(splitPairs > 2000, qPrintable(QString::number(splitPairs)));
    }
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
