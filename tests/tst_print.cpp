// Printing: the window's picture on a page, and what happens when there is no printer.

#include "boardpoints.h"
#include "orvexwindow.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvex;
using namespace boardpoints;

namespace {

constexpr int kDpi = 100; // resolution of the page image the test looks at

QImage rasterise(const QString& pdf, const QString& outBase)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         pdf, outBase});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QImage(outBase + QStringLiteral(".png"));
}

int pageCount(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QString info = QString::fromLatin1(p.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageShowsCurrentChoice();
    void noPrinterShowsMessage();
};

void TestPrint::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QFAIL("pdftoppm (poppler-utils) is needed to look at the printed page");
}

void TestPrint::pageShowsCurrentChoice()
{
    OrvexWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QComboBox*>(QStringLiteral("cbocpu"))->setCurrentIndex(30); // setting 29

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QString error;
    QVERIFY2(window.printTo(printer, &error), qPrintable(error));
    QCOMPARE(pageCount(pdf), 1);

    const QImage page = rasterise(pdf, dir.filePath(QStringLiteral("page")));
    QVERIFY(!page.isNull());
    // The drawing lies at the top left of the printable area at its own size (96 dpi).
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Inch).topLeft() * kDpi;
    const double scale = kDpi / 96.0;
    const auto at = [&](QPointF designPx) {
        return page.pixel((origin + designPx * scale).toPoint()) | 0xFF000000;
    };
    const QString row = QStringLiteral("OCC CCO OCC OO OO OOCCCCOOOO OO CCO OOCCCC");
    for (int i = 0; i < int(kDriven.size()); ++i) {
        const QRgb got = at(centre(kDriven[std::size_t(i)]));
        const QRgb want = pinColour(row, i);
        QVERIFY2(qAbs(qGray(got) - qGray(want)) < 12 && qAbs(qRed(got) - qBlue(got)) < 12,
                 kDriven[std::size_t(i)]);
    }
    for (const FixedMark& f : kFixed)
        QVERIFY2(qAbs(qGray(at(centre(f.name))) - qGray(f.colour)) < 12, f.name);
    // The buttons are on the page too: Print's white face at its centre, inside its frame.
    const QRgb face = at(QPointF((6240 + 735 / 2) / 15.0, (60 + 100) / 15.0));
    QVERIFY(qGray(face) > 200);
}

void TestPrint::noPrinterShowsMessage()
{
    // CUPS_SERVER points at nothing (set before the application starts): no printer at all.
    OrvexWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QComboBox*>(QStringLiteral("cbocpu"))->setCurrentIndex(12);
    const QImage before = window.grab().toImage();
    window.findChild<QPushButton*>(QStringLiteral("cmdprint"))->click();
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("printFailure"));
    QVERIFY(box);
    QVERIFY(box->text().contains(QStringLiteral("No printer")));
    QVERIFY(window.isVisible());
    box->accept();
    QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cbocpu"))->currentIndex(), 12);
    QTRY_COMPARE(window.grab().toImage(), before);
}

int main(int argc, char* argv[])
{
    qputenv("CUPS_SERVER", "/nonexistent/orvex-test-cups.sock");
    QApplication app(argc, argv);
    TestPrint test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_print.moc"
