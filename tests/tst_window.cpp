// The real window, offscreen: start-up, choices, keys, tooltips and the drawn pin marks.

#include "shownwindow.h"

#include "jumpers.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QComboBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QHelpEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace orvex;
using namespace boardpoints;

namespace {

// Settings rows of the jumper chart for the entries the tests choose.
const QString kSetting3 = QStringLiteral("OCC CCO OCC OO CC OOCCCCOOCC OO CCO CCCCOO");
const QString kSetting29 = QStringLiteral("OCC CCO OCC OO OO OOCCCCOOOO OO CCO OOCCCC");
const QString kSetting7 = QStringLiteral("OCC OCC OCC OO OO OOCCCCOOCC OO CCO CCCCOO");
const QString kSetting13 = QStringLiteral("OCC CCO OCC CC OO OOCCOOOOOO OO CCO OOCCCC");
const QString kSetting1 = QStringLiteral("OCC CCO OCC OO OO OOCCCCOOCC OO CCO CCCCOO");

using Shown = ShownWindow;

QRgb colourAt(const QImage& image, QPointF p)
{
    return image.pixel(p.toPoint()) | 0xFF000000;
}

// Every driven mark shows `row`; returns an empty string or the first mismatch.
QString checkDriven(const QImage& image, const QString& row)
{
    for (int i = 0; i < int(kDriven.size()); ++i) {
        const QRgb want = pinColour(row, i);
        const QRgb got = colourAt(image, centre(kDriven[std::size_t(i)]));
        if (want != got)
            return QStringLiteral("%1: got #%2, want #%3")
                .arg(QLatin1String(kDriven[std::size_t(i)]))
                .arg(got & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                .arg(want & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    }
    return {};
}

QString checkFixed(const QImage& image)
{
    for (const FixedMark& f : kFixed)
        if (colourAt(image, centre(f.name)) != f.colour)
            return QLatin1String(f.name);
    return {};
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUp();
    void listHoldsTheCatalogue();
    void choiceRecoloursMarks_data();
    void choiceRecoloursMarks();
    void keyboardChoice();
    void fixedMarksNeverChange();
    void frontMarkCoversNeighbour();
    void focusOrder();
    void exitKeys_data();
    void exitKeys();
    void enterOnlyOnFocusedButton();
    void escapeClosesOpenListOnly();
    void tooltips_data();
    void tooltips();
    void overflowingTagWritesNothing();
    void accessibleJumpers_data();
    void accessibleJumpers();
    void accessibleCaptionsAndControls();
    void accessibilityUpdateOnChoice();
    void darkPalette();
    void stress();
    void oneRepaintPerChoice();
};

void TestWindow::startUp()
{
    Shown s;
    QCOMPARE(s.window->windowTitle(), QStringLiteral("ORVEX"));
    QCOMPARE(s.window->size(), QSize(530, 459));
    QCOMPARE(s.window->minimumSize(), s.window->maximumSize()); // not resizable
    QVERIFY(!(s.window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(s.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(s.list()->currentIndex(), 4);
    QCOMPARE(s.list()->currentText(), QStringLiteral(" INTEL PENTIUM 133 MHz (3.3v)"));
    QCOMPARE(s.window->showJumpersRuns(), 1);
    QCOMPARE(s.window->lastShowResult(), ShowResult::Shown);
    QCOMPARE(QApplication::focusWidget(), s.list());
    const QImage image = s.picture();
    QCOMPARE(checkDriven(image, kSetting3), QString());
    QCOMPARE(checkFixed(image), QString());
    // Controls in their places (twips / 15).
    QCOMPARE(s.list()->geometry().topLeft(), QPoint(70, 8));
    QCOMPARE(s.button("cmdprint")->geometry(), QRect(416, 4, 49, 33));
    QCOMPARE(s.button("cmdexit")->geometry(), QRect(472, 4, 49, 33));
    QCOMPARE(s.button("cmdprint")->text(), QStringLiteral("&Print"));
    QCOMPARE(s.button("cmdexit")->text(), QStringLiteral("E&xit"));
    QVERIFY(s.button("cmdprint")->font().bold());
    QCOMPARE(s.list()->palette().color(QPalette::Text), QColor(0x80, 0x80, 0x00)); // olive
    QVERIFY(!s.list()->isEditable());
}

void TestWindow::listHoldsTheCatalogue()
{
    Shown s;
    QComboBox* list = s.list();
    QCOMPARE(list->count(), 31);
    // A few entries with their irregular spacing and tags, straight from the list.
    QCOMPARE(list->itemText(0), QStringLiteral(" INTEL PENTIUM 75 MHz (3.3v)"));
    QCOMPARE(list->itemData(0).toInt(), 702);
    QCOMPARE(list->itemText(11), QStringLiteral(" CYRIX 6x86  120+  100 MHz 3.52V "));
    QCOMPARE(list->itemText(14), QStringLiteral(" CYRIX 6x86  166+  133 MHz   3.52V "));
    QCOMPARE(list->itemText(30), QStringLiteral(" AMD K6 MMX PR233   233MHz ( 3.2v)"));
    QCOMPARE(list->itemData(30).toInt(), 2902);
    QCOMPARE(list->itemData(23).toInt(), 1802);
    QCOMPARE(list->itemData(25).toInt(), 1802);
}

void TestWindow::choiceRecoloursMarks_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("row");
    QTest::newRow("entry 30, AMD K6 PR233 -> setting 29") << 30 << kSetting29;
    QTest::newRow("entry 0, Pentium 75 -> setting 7") << 0 << kSetting7;
    QTest::newRow("entry 9, MMX 200 -> setting 13") << 9 << kSetting13;
    QTest::newRow("entry 2, Pentium 100 -> setting 1") << 2 << kSetting1;
}

void TestWindow::choiceRecoloursMarks()
{
    QFETCH(int, entry);
    QFETCH(QString, row);
    Shown s;
    s.list()->setCurrentIndex(entry);
    QCOMPARE(s.window->showJumpersRuns(), 2);
    const QImage image = s.picture();
    QCOMPARE(checkDriven(image, row), QString());
    QCOMPARE(checkFixed(image), QString());
}

void TestWindow::keyboardChoice()
{
    Shown s;
    s.list()->setFocus();
    QTest::keyClick(s.list(), Qt::Key_End);
    QCOMPARE(s.list()->currentIndex(), 30);
    QCOMPARE(checkDriven(s.picture(), kSetting29), QString());
    QTest::keyClick(s.list(), Qt::Key_Home);
    QCOMPARE(s.list()->currentIndex(), 0);
    QCOMPARE(checkDriven(s.picture(), kSetting7), QString());
    QTest::keyClick(s.list(), Qt::Key_Down);
    QTest::keyClick(s.list(), Qt::Key_Down);
    QCOMPARE(s.list()->currentIndex(), 2);
    QCOMPARE(checkDriven(s.picture(), kSetting1), QString());
    QCOMPARE(s.window->showJumpersRuns(), 5);
}

void TestWindow::fixedMarksNeverChange()
{
    Shown s;
    for (int entry = 0; entry < 31; ++entry) {
        s.list()->setCurrentIndex(entry);
        QCOMPARE(checkFixed(s.picture()), QString());
    }
}

void TestWindow::frontMarkCoversNeighbour()
{
    // Setting 7: JP7 2-3, so pin 2 is grey and white pin 1 stands in front of it: the row
    // where pin 1's box starts (3720) shows pin 1's outline, not pin 2's grey.
    Shown s;
    s.list()->setCurrentIndex(0);
    const QImage image = s.picture();
    const QPointF p2 = centre("v2jp7");
    QCOMPARE(colourAt(image, p2), QRgb(0xFF808080));
    const int pin1Top = 3720 / 15;
    QCOMPARE(colourAt(image, QPointF(p2.x(), pin1Top + 1)), QRgb(0xFFFFFFFF));
    QCOMPARE(qGray(colourAt(image, QPointF(p2.x(), pin1Top))) < 0x60, true); // pin 1's outline
}

void TestWindow::focusOrder()
{
    Shown s;
    QCOMPARE(QApplication::focusWidget(), s.list());
    QTest::keyClick(s.window.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.button("cmdprint"));
    QTest::keyClick(s.window.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.button("cmdexit"));
    QTest::keyClick(s.window.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.list());
}

void TestWindow::exitKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Alt+X") << int(Qt::Key_X) << int(Qt::AltModifier);
}

void TestWindow::exitKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Shown s;
    QSignalSpy exits(s.button("cmdexit"), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(exits.count(), 1); // an access key animates the press first
    QVERIFY(!s.window->isVisible());
}

void TestWindow::enterOnlyOnFocusedButton()
{
    Shown s;
    QSignalSpy exits(s.button("cmdexit"), &QPushButton::clicked);
    QSignalSpy prints(s.button("cmdprint"), &QPushButton::clicked);
    // Enter in the list presses nothing and leaves the choice alone.
    QTest::keyClick(s.list(), Qt::Key_Return);
    QTest::keyClick(s.list(), Qt::Key_Enter);
    QCOMPARE(exits.count() + prints.count(), 0);
    QCOMPARE(s.list()->currentIndex(), 4);
    QVERIFY(s.window->isVisible());
    // Enter on the focused Exit button presses it.
    s.button("cmdexit")->setFocus();
    QTest::keyClick(s.button("cmdexit"), Qt::Key_Return);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(prints.count(), 0);
}

void TestWindow::escapeClosesOpenListOnly()
{
    Shown s;
    QSignalSpy exits(s.button("cmdexit"), &QPushButton::clicked);
    s.list()->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::qWait(150); // long enough for an animated press to land
    QCOMPARE(exits.count(), 0);
    QVERIFY(s.window->isVisible());
    QCOMPARE(s.list()->currentIndex(), 4);
    // The next Esc, with the list closed, ends the program.
    QTest::keyClick(s.list(), Qt::Key_Escape);
    QCOMPARE(exits.count(), 1);
}

void TestWindow::tooltips_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QString>("text");
    // Just inside the top-left corner of each caption's box: (Left + 30, Top + 30) twips.
    const auto at = [](int left, int top) { return QPointF((left + 30) / 15.0, (top + 30) / 15.0); };
    QTest::newRow("JP4") << at(500, 3450)
                         << "To clear CMOS , move the jumper to 2-3, power on for about 7 Sec. "
                            "then off, put the jumper back to 1-2.";
    QTest::newRow("JP10") << at(6660, 1250) << "Use for Cyrix CPU only.";
    QTest::newRow("pin mark v2jp7") << centre("v2jp7") << QString();
    QTest::newRow("pin mark h1jp4") << centre("h1jp4") << QString();
    QTest::newRow("caption JP5") << at(4200, 3480) << QString();
    QTest::newRow("caption JP 9") << at(4410, 4620) << QString();
    QTest::newRow("legend box") << at(150, 5930) << QString();
    QTest::newRow("CPU Type") << at(90, 210) << QString();
}

void TestWindow::tooltips()
{
    QFETCH(QPointF, pos);
    QFETCH(QString, text);
    Shown s;
    QCOMPARE(tooltipAt(s.board(), pos), text);
}

void TestWindow::overflowingTagWritesNothing()
{
    // A tag that does not fit in 16 bits is reported and leaves every mark alone.
    Shown s;
    const QImage before = s.board()->grab().toImage();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("16 bits")));
    s.list()->addItem(QStringLiteral(" test entry"), 40002);
    s.list()->setCurrentIndex(31);
    QCOMPARE(s.window->lastShowResult(), ShowResult::TagOverflow);
    QVERIFY(s.window->isVisible());
    QCOMPARE(checkDriven(s.picture(), kSetting3), QString());
    QCOMPARE(s.board()->grab().toImage(), before);
}

namespace {

QAccessibleInterface* accessibleChild(QWidget* board, const QString& name)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(board);
    if (!iface)
        return nullptr;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* c = iface->child(i); c && c->text(QAccessible::Name) == name)
            return c;
    return nullptr;
}

} // namespace

void TestWindow::accessibleJumpers_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("jumper");
    QTest::addColumn<QString>("state");
    // Entry 4 shows setting 3, entry 30 setting 29.
    QTest::newRow("entry 4: JP6") << 4 << "JP6" << "pins 2-3 closed";
    QTest::newRow("entry 4: JP7") << 4 << "JP7" << "pins 1-2 closed";
    QTest::newRow("entry 4: JP1") << 4 << "JP1" << "pins 1 to 4 closed";
    QTest::newRow("entry 4: JP9") << 4 << "JP9" << "rows B, C and E closed";
    QTest::newRow("entry 4: JP3") << 4 << "JP3" << "pins 1-2 closed";
    QTest::newRow("entry 4: JP2") << 4 << "JP2" << "open";
    QTest::newRow("entry 4: JP4, fixed") << 4 << "JP4" << "pins 1-2 closed";
    QTest::newRow("entry 4: JP11, fixed") << 4 << "JP11" << "open";
    QTest::newRow("entry 30: JP1") << 30 << "JP1" << "pins 3 to 6 closed";
    QTest::newRow("entry 30: JP9") << 30 << "JP9" << "rows B and C closed";
    QTest::newRow("entry 30: JP3") << 30 << "JP3" << "open";
    QTest::newRow("entry 15: JP5") << 15 << "JP5" << "pins 2-3 closed";
    QTest::newRow("entry 11: JP10") << 11 << "JP10" << "pins 1-2 closed";
}

void TestWindow::accessibleJumpers()
{
    QFETCH(int, entry);
    QFETCH(QString, jumper);
    QFETCH(QString, state);
    Shown s;
    s.list()->setCurrentIndex(entry);
    QAccessibleInterface* child = accessibleChild(s.board(), jumper);
    QVERIFY(child);
    QCOMPARE(child->text(QAccessible::Description), state);
    QVERIFY(s.board()->rect().contains(s.board()->mapFromGlobal(child->rect().center())));
}

void TestWindow::accessibleCaptionsAndControls()
{
    Shown s;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(s.board());
    QVERIFY(board);
    QCOMPARE(board->childCount(), 11 + 12); // jumpers JP1 to JP11, red help captions
    QAccessibleInterface* simm4 = accessibleChild(s.board(), QStringLiteral("SIMM4"));
    QVERIFY(simm4);
    QCOMPARE(simm4->text(QAccessible::Description),
             QStringLiteral("Not recommand to use DIMM /SIMM together as it will shorten the "
                            "life cycle of  3.3V DIMM. "));
    QCOMPARE(simm4->parent(), board);
    QCOMPARE(board->indexOfChild(simm4) >= 0, true);
    QCOMPARE(accessibleChild(s.board(), QStringLiteral("JP10"))->role(), QAccessible::Graphic);
    // On Linux a combo box's accessible name is its current text; its purpose is its description.
    QCOMPARE(QAccessible::queryAccessibleInterface(s.list())->text(QAccessible::Name),
             s.list()->currentText());
    QVERIFY(QAccessible::queryAccessibleInterface(s.list())
                ->text(QAccessible::Description)
                .contains(QStringLiteral("processor")));
    QCOMPARE(QAccessible::queryAccessibleInterface(s.button("cmdprint"))->text(QAccessible::Name),
             QStringLiteral("Print"));
    QCOMPARE(QAccessible::queryAccessibleInterface(s.button("cmdexit"))->text(QAccessible::Name),
             QStringLiteral("Exit"));
}

namespace {
QList<QAccessible::Event> g_events;
QList<int> g_eventChildren;
void recordEvent(QAccessibleEvent* event)
{
    g_events << event->type();
    g_eventChildren << event->child();
}
} // namespace

void TestWindow::accessibilityUpdateOnChoice()
{
    Shown s;
    // As if a screen reader were listening.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(recordEvent);
    g_events.clear();
    g_eventChildren.clear();
    s.list()->setCurrentIndex(30);
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QVERIFY(g_events.count(QAccessible::DescriptionChanged) >= 11);
    // Every jumper child is announced.
    for (int child = 0; child < 11; ++child)
        QVERIFY(g_eventChildren.contains(child));
}

void TestWindow::darkPalette()
{
    Shown s;
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x30));
    dark.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::HighlightedText, QColor(0xFF, 0xEE, 0xDD));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents(); // the scheme reaches the widgets through posted events
    const QImage image = s.board()->grab().toImage();
    QApplication::setPalette(light);
    const auto pixel = [&](int xTwips, int yTwips) {
        return image.pixel(QPoint(xTwips / 15, yTwips / 15)) | 0xFF000000;
    };
    QCOMPARE(pixel(6045, 4850), QColor(0x2A, 0x2A, 0x30).rgb()); // "JP3/2/11" box: title-bar text
    QCOMPARE(pixel(120, 800), QColor(0xFF, 0xEE, 0xDD).rgb());   // "DIMM1" box: highlighted text
    QCOMPARE(pixel(1500, 630), QColor(0xE0, 0xE0, 0xE0).rgb());  // board outline: window text
    QCOMPARE(pixel(495, 2760), qRgb(255, 255, 255));             // "SMC" box stays white
    QCOMPARE(colourAt(image, centre("h1jp4")), QRgb(0xFF808080)); // pin marks keep their fills
    QCOMPARE(checkDriven(image, kSetting3), QString());
}

void TestWindow::stress()
{
    // Thousands of choices by code and by key, then the marks are exactly the last one's and
    // nothing else of the board has moved.
    Shown s;
    const QImage start = withoutDrivenMarks(s.image());
    QRandomGenerator random(1997);
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                            Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
    s.list()->setFocus();
    for (int i = 0; i < 4000; ++i) {
        if (random.bounded(2) == 0)
            s.list()->setCurrentIndex(random.bounded(31));
        else
            QTest::keyClick(s.list(), keys[random.bounded(6)]);
        if (i % 500 == 0)
            QCoreApplication::processEvents();
    }
    QCOMPARE(s.list()->count(), 31);
    const int last = s.list()->currentIndex();
    QVERIFY(last >= 0 && last < 31);
    const PinStates states = *GetPinStates(s.list()->itemData(last).toInt() / 100);
    QString row;
    for (PinState p : states)
        row += p == PinState::Closed ? QLatin1Char('C') : QLatin1Char('O');
    const QImage image = s.image();
    QCOMPARE(checkDriven(image, row), QString());
    QCOMPARE(checkFixed(image), QString());
    QVERIFY(withoutDrivenMarks(image) == start);
}

namespace {
struct PaintCounter : QObject {
    QList<QRegion> paints;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints << static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
} // namespace

void TestWindow::oneRepaintPerChoice()
{
    // A choice rewrites 34 marks but the board repaints them in one go, and only them. (The
    // list repaints its new text too; the board shows through its corners, so the board also
    // paints the list's box, on its own.)
    Shown s;
    PaintCounter counter;
    s.board()->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints.clear();
    s.list()->setCurrentIndex(30);
    QTRY_VERIFY(!counter.paints.isEmpty());
    QTest::qWait(50);
    const QRegion listBox(s.list()->geometry());
    int jumperPaints = 0;
    for (const QRegion& region : std::as_const(counter.paints)) {
        if ((region - listBox).isEmpty())
            continue;
        ++jumperPaints;
        QVERIFY(region.contains(centre("v1jp1").toPoint()));
        QVERIFY(region.contains(centre("v1jp10").toPoint()));
        QVERIFY(!region.contains(QPoint(3000 / 15, 2100 / 15))); // the memory area is not redrawn
    }
    QCOMPARE(jumperPaints, 1);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
