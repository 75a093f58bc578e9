// The whole board as drawn: fills, pictures, stacking, tooltips, palette roles.

#include "fonts.h"
#include "shownwindow.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QPainter>
#include <QResource>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace orvex;

namespace {

QPointF px(double xTwips, double yTwips)
{
    return {xTwips / 15.0, yTwips / 15.0};
}

// Centre of a box given in twips.
QPointF mid(int left, int top, int width, int height)
{
    return px(left + width / 2.0, top + height / 2.0);
}

// 0xBBGGRR as the board's chart writes it, to a QRgb, independently of the program.
QRgb chart(std::uint32_t bgr)
{
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

using Fixture = ShownWindow;

QRgb at(const QImage& image, QPointF p)
{
    return image.pixel(p.toPoint()) | 0xFF000000;
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

int countNear(const QImage& image, const QRect& area, QRgb colour, int tolerance)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAbs(qRed(c) - qRed(colour)) <= tolerance
                && qAbs(qGreen(c) - qGreen(colour)) <= tolerance
                && qAbs(qBlue(c) - qBlue(colour)) <= tolerance)
                ++n;
        }
    return n;
}

const QString kCache = QStringLiteral(
    "It is a 256K Pipeline Burst Cache chip.  512K will be marked 64 x 32 on the chip.");

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void filledRectangles_data();
    void filledRectangles();
    void backgroundPicture();
    void socketPicture();
    void icon();
    void sharedOutlines_data();
    void sharedOutlines();
    void biosCaptionBreaksChipOutline();
    void helpTooltips_data();
    void helpTooltips();
    void noTooltip_data();
    void noTooltip();
    void paletteRoles();
    void drawingUnchangedByChoices();
    void fonts_data();
    void fonts();
};

void TestBoard::filledRectangles_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<uint>("bgr");
    struct Row {
        const char* name;
        int left, top, width, height;
        std::uint32_t bgr;
    };
    const Row rows[] = {
        {"Shape18 DIMM", 840, 840, 3585, 150, 0xC0C0C0},
        {"Shape19 SIMM1", 1155, 1155, 2955, 120, 0xC0E0FF},
        {"Shape20 SIMM2", 1155, 1365, 2955, 120, 0xC0E0FF},
        {"Shape21 SIMM3", 1155, 1575, 2955, 120, 0xC0E0FF},
        {"Shape22 SIMM4", 1155, 1785, 2955, 120, 0xC0E0FF},
        {"Shape23 short slot", 1470, 2415, 2325, 255, 0xC0E0FF},
        {"Shape24 short slot", 1470, 2835, 2325, 255, 0xC0E0FF},
        {"Shape25 short slot", 1470, 3255, 2325, 255, 0xC0E0FF},
        {"Shape26 long slot", 945, 3780, 3375, 285, 0xC0C0C0},
        {"Shape27 long slot", 945, 4200, 3375, 285, 0xC0C0C0},
        {"Shape28 long slot", 945, 4620, 3375, 285, 0xC0C0C0},
        {"Shape29 long slot", 945, 5040, 3375, 285, 0xC0C0C0},
        {"Shape1 purple", 5040, 5145, 120, 120, 0x800080},
        {"Shape2 purple", 5145, 5145, 120, 120, 0x800080},
        {"Shape3 purple", 5250, 5145, 120, 120, 0x800080},
        {"Shape4 purple", 5355, 5145, 120, 120, 0x800080},
        {"Shape5 red", 5040, 5280, 120, 120, 0x0000FF},
        {"Shape6 red", 5145, 5280, 120, 120, 0x0000FF},
        {"Shape7 red", 5250, 5280, 120, 120, 0x0000FF},
        {"Shape8 yellow", 5500, 5145, 120, 120, 0x00FFFF},
        {"Shape9 yellow", 5500, 5250, 120, 120, 0x00FFFF},
        {"Shape10 cyan", 5640, 5145, 120, 120, 0xFFFF00},
        {"Shape11 cyan", 5640, 5250, 120, 120, 0xFFFF00},
        {"Shape12 orange", 5800, 5145, 120, 120, 0x0080FF},
        {"Shape13 orange", 5800, 5250, 120, 120, 0x0080FF},
        {"Shape16 navy", 5945, 5145, 120, 120, 0x800000},
        {"Shape17 navy", 5945, 5250, 120, 120, 0x800000},
        {"Shape14 green", 6090, 5145, 120, 120, 0x00FF00},
        {"Shape15 green", 6090, 5250, 120, 120, 0x00FF00},
        {"Shape40 legend box", 120, 5895, 1335, 960, 0xFFFFFF},
        {"Shape41 closed sample", 360, 6120, 135, 135, 0x404040},
        {"Shape42 closed sample", 360, 6240, 135, 135, 0x404040},
        {"Shape43 open sample", 360, 6480, 135, 135, 0xFFFFFF},
        {"Shape44 open sample", 360, 6600, 135, 135, 0xFFFFFF},
    };
    for (const Row& r : rows) {
        QPointF centre = mid(r.left, r.top, r.width, r.height);
        if (QByteArray(r.name).startsWith("Shape40"))
            centre = px(r.left + 120, r.top + 120); // clear of the legend's samples and words
        QTest::newRow(r.name) << centre << uint(r.bgr);
    }
}

void TestBoard::filledRectangles()
{
    QFETCH(QPointF, centre);
    QFETCH(uint, bgr);
    Fixture f;
    QCOMPARE(hex(at(f.image(), centre)), hex(chart(bgr)));
}

void TestBoard::backgroundPicture()
{
    Fixture f;
    const QImage image = f.image();
    // Mint ground between the memory sockets and the first slot, and right of the board.
    QCOMPARE(hex(at(image, px(3000, 2100))), hex(chart(0xF2F9F0)));
    QCOMPARE(hex(at(image, QPointF(500, 40))), hex(chart(0xF2F9F0)));
    // The top and left lines of the picture's frame show along the drawing area's edges.
    QCOMPARE(hex(at(image, QPointF(200, 0))), hex(qRgb(0, 0, 0)));
    QCOMPARE(hex(at(image, QPointF(0, 300))), hex(qRgb(0, 0, 0)));
    // "ORVEX" in orchid down the right edge, the maker's line in deep pink at the bottom.
    const QRgb orchid = chart(0xBC7CD5);
    const QRgb pink = chart(0x8513CE);
    QVERIFY(countNear(image, QRect(QPoint(492, 68), QPoint(518, 328)), orchid, 0) > 500);
    QCOMPARE(countNear(image, QRect(QPoint(460, 68), QPoint(491, 328)), orchid, 40), 0);
    QVERIFY(countNear(image, QRect(QPoint(136, 397), QPoint(506, 420)), pink, 0) > 500);
    QCOMPARE(countNear(image, QRect(QPoint(136, 380), QPoint(506, 396)), pink, 40), 0);
}

void TestBoard::socketPicture()
{
    // Image2 at 5520, 3240, 1065 x 1035: mostly the cream socket body.
    Fixture f;
    const QRect frame(368, 216, 71, 69);
    const int cream = countNear(f.image(), frame.adjusted(4, 4, -4, -4), chart(0xE1F9F8), 6);
    QVERIFY2(cream > frame.width() * frame.height() / 5, qPrintable(QString::number(cream)));
}

void TestBoard::icon()
{
    Fixture f;
    const QIcon icon = f.window->windowIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(hex(image.pixel(0, 0)), hex(qRgb(0, 0, 0))); // black square around the disc
    int red = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            red += qRed(image.pixel(x, y)) >= 0x80 && qGreen(image.pixel(x, y)) == 0;
    QVERIFY(red > 300);
}

void TestBoard::sharedOutlines_data()
{
    // Neighbours 105 twips apart with 120-twip squares share their one outline line.
    QTest::addColumn<QPoint>("outline");
    QTest::addColumn<QPoint>("step"); // from the outline into each square
    QTest::addColumn<uint>("bgr");
    QTest::newRow("purple row, Shape1|Shape2") << QPoint(5145 / 15, 5205 / 15) << QPoint(1, 0) << 0x800080u;
    QTest::newRow("red row, Shape6|Shape7") << QPoint(5250 / 15, 5340 / 15) << QPoint(1, 0) << 0x0000FFu;
    QTest::newRow("yellow pair, Shape8/Shape9") << QPoint(5560 / 15, 5250 / 15) << QPoint(0, 1) << 0x00FFFFu;
    QTest::newRow("navy pair, Shape16/Shape17") << QPoint(6005 / 15, 5250 / 15) << QPoint(0, 1) << 0x800000u;
}

void TestBoard::sharedOutlines()
{
    QFETCH(QPoint, outline);
    QFETCH(QPoint, step);
    QFETCH(uint, bgr);
    Fixture f;
    const QImage image = f.image();
    QCOMPARE(hex(image.pixel(outline)), hex(qRgb(0, 0, 0)));
    QCOMPARE(hex(image.pixel(outline - step)), hex(chart(bgr)));
    QCOMPARE(hex(image.pixel(outline + step)), hex(chart(bgr)));
}

void TestBoard::biosCaptionBreaksChipOutline()
{
    // Shape37's left side (x 315) is black above "BIOS" (Top 4560) and hidden behind it.
    Fixture f;
    const QImage image = f.image();
    const int x = 315 / 15;
    QCOMPARE(hex(image.pixel(x, 4400 / 15)), hex(qRgb(0, 0, 0)));
    QCOMPARE(hex(image.pixel(x, 4580 / 15)), hex(qRgb(255, 255, 255))); // caption's white box
    QCOMPARE(hex(image.pixel(x, 5000 / 15)), hex(qRgb(0, 0, 0)));
}

void TestBoard::helpTooltips_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QString>("text");
    const auto in = [](int left, int top) { return px(left + 30, top + 45); };
    QTest::newRow("DIMM1") << in(120, 800) << "SDRAM has to be 3.3V Non-buffer synchronize or 3.3V EDO.";
    QTest::newRow("SIMM1") << in(360, 1050) << "SIMM 1/2/3/4 are auto bank.";
    QTest::newRow("SIMM2") << in(360, 1280)
                           << "SIMM modules can be put on SIMM 1/2 or SIMM 3/4 or SIMM 1/2/3/4.";
    QTest::newRow("SIMM3") << in(360, 1490)
                           << "This motherboard will support DRAM size from 8MB to 512 MB .";
    QTest::newRow("SIMM4") << in(360, 1700)
                           << "Not recommand to use DIMM /SIMM together as it will shorten the "
                              "life cycle of  3.3V DIMM. ";
    QTest::newRow("SIMM4 over the foot of SIMM3") << px(400, 1710)
                           << "Not recommand to use DIMM /SIMM together as it will shorten the "
                              "life cycle of  3.3V DIMM. ";
    QTest::newRow("32Kx32 upper") << in(5890, 1440) << kCache;
    QTest::newRow("32Kx32 lower") << in(5900, 2000) << kCache;
    QTest::newRow("BIOS") << in(300, 4560) << "AWARD BIOS REV. 4.51PG. BREVANE BIOS REV. 3.01.";
    QTest::newRow("Ext_SMI") << in(4850, 4850) << "An optional jumper for Green feature. ";
    QTest::newRow("Green LED") << in(6240, 5160) << "An optional jumper for Green function.";
    QTest::newRow("JP4") << in(500, 3450)
                         << "To clear CMOS , move the jumper to 2-3, power on for about 7 Sec. "
                            "then off, put the jumper back to 1-2.";
    QTest::newRow("JP10") << in(6660, 1250) << "Use for Cyrix CPU only.";
}

void TestBoard::helpTooltips()
{
    QFETCH(QPointF, pos);
    QFETCH(QString, text);
    Fixture f;
    QCOMPARE(tooltipAt(f.board(), pos), text);
}

void TestBoard::noTooltip_data()
{
    QTest::addColumn<QPointF>("pos");
    const auto in = [](int left, int top) { return px(left + 30, top + 45); };
    QTest::newRow("SMC marking") << in(495, 2760);
    QTest::newRow("VT marking") << in(4410, 2730);
    QTest::newRow("82C586A marking") << in(4170, 2940);
    QTest::newRow("82C585VPX marking") << in(5415, 2730);
    QTest::newRow("Power LED /Key Lock") << in(2850, 5475);
    QTest::newRow("Speaker") << in(4725, 5460);
    QTest::newRow("Turbo LED") << in(5460, 5600);
    QTest::newRow("HDD LED") << in(5595, 5400);
    QTest::newRow("Reset") << in(6510, 5565);
    QTest::newRow("title line") << in(2055, 6480);
    QTest::newRow("slot Shape26") << mid(945, 3780, 3375, 285);
    QTest::newRow("chip outline Shape30, inside") << px(400, 2600);
    QTest::newRow("line Line1, middle") << px((5040 + 4305) / 2, (5145 + 5460) / 2);
    QTest::newRow("socket picture Image2") << mid(5520, 3240, 1065, 1035);
    QTest::newRow("pin mark v1jp1") << mid(5760, 4710, 135, 135);
    QTest::newRow("front-panel square Shape10") << mid(5640, 5145, 120, 120);
    QTest::newRow("mint ground") << px(3000, 2100);
}

void TestBoard::noTooltip()
{
    QFETCH(QPointF, pos);
    Fixture f;
    QCOMPARE(tooltipAt(f.board(), pos), QString());
}

void TestBoard::paletteRoles()
{
    // A scheme whose title-bar, highlighted and window text are none of the standard colours.
    Fixture f;
    const QColor base(0x30, 0x50, 0x70);       // stands for title-bar text
    const QColor highlighted(0x70, 0x30, 0x50); // highlighted text
    const QColor windowText(0x10, 0x90, 0x20);
    QPalette pal = f.board()->palette();
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::HighlightedText, highlighted);
    pal.setColor(QPalette::WindowText, windowText);
    f.board()->setPalette(pal);
    const QImage image = f.image();
    // The top-left pixel of a caption's box is box, not letter.
    QCOMPARE(hex(at(image, px(120, 800))), hex(highlighted.rgb()));  // DIMM1
    QCOMPARE(hex(at(image, px(500, 3450))), hex(highlighted.rgb())); // JP4
    QCOMPARE(hex(at(image, px(6045, 4850))), hex(base.rgb()));       // JP3/2/11
    QCOMPARE(hex(at(image, px(2055, 6480))), hex(base.rgb()));       // title line
    // Outlines follow window text: the SMC chip's top side, the board's outline.
    QCOMPARE(hex(image.pixel(2 + 315 / 15 + 10, 2520 / 15)), hex(windowText.rgb()));
    QCOMPARE(hex(image.pixel(100, 630 / 15)), hex(windowText.rgb()));
    // Fixed colours stay: marking boxes white, fills, pin marks, the background picture.
    QCOMPARE(hex(at(image, px(495, 2760))), hex(qRgb(255, 255, 255))); // SMC box
    QCOMPARE(hex(at(image, mid(840, 840, 3585, 150))), hex(chart(0xC0C0C0)));
    QCOMPARE(hex(at(image, mid(5040, 5145, 120, 120))), hex(chart(0x800080)));
    QCOMPARE(hex(at(image, boardpoints::centre("h1jp4"))), hex(qRgb(0x80, 0x80, 0x80)));
    QCOMPARE(hex(at(image, px(3000, 2100))), hex(chart(0xF2F9F0)));
}

void TestBoard::drawingUnchangedByChoices()
{
    // Apart from the 34 driven pin marks, not one pixel of the board moves or changes.
    Fixture f;
    const QImage start = withoutDrivenMarks(f.image());
    for (int entry = 0; entry < 31; ++entry) {
        f.list()->setCurrentIndex(entry);
        QVERIFY2(withoutDrivenMarks(f.image()) == start, qPrintable(QStringLiteral("entry %1").arg(entry)));
    }
}

void TestBoard::fonts_data()
{
    // The board's own family where the machine has it, else the built-in look-alike.
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    const QStringList bookman{QStringLiteral("Bookman Old Style"), QStringLiteral("TeX Gyre Bonum")};
    const QStringList sans{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")};
    const QStringList serif{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    QTest::newRow("window font, 8.25 pt") << int(FontId::Window) << bookman << 11 << false;
    QTest::newRow("window font bold") << int(FontId::WindowBold) << bookman << 11 << true;
    QTest::newRow("title line, 9 pt") << int(FontId::Title) << bookman << 12 << false;
    QTest::newRow("MS Sans Serif 8.25 pt") << int(FontId::SansSerif) << sans << 11 << false;
    QTest::newRow("Times New Roman 8.25 pt") << int(FontId::TimesRoman) << serif << 11 << false;
    QTest::newRow("MS Serif 6 pt") << int(FontId::SmallSerif) << serif << 8 << false;
}

void TestBoard::fonts()
{
    QFETCH(int, id);
    QFETCH(QStringList, families);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    const QFont font = boardFont(FontId(id));
    const QFontInfo info(font);
    QVERIFY2(std::any_of(families.begin(), families.end(),
                         [&](const QString& f) { return info.family().startsWith(f); }),
             qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), pixels);
    QCOMPARE(info.bold(), bold);
    // The look-alikes are built in, stored uncompressed so they are used in place.
    for (const char* file : {":/fonts/texgyrebonum-regular.otf", ":/fonts/texgyrebonum-bold.otf",
                             ":/fonts/LiberationSans-Regular.ttf",
                             ":/fonts/LiberationSerif-Regular.ttf"}) {
        const QResource resource(QString::fromLatin1(file));
        QVERIFY2(resource.isValid() && resource.size() > 50000, file);
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    }
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
