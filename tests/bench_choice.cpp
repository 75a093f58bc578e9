// What one choice in the processor list costs: set the 34 marks and repaint the board.
// Not a test; run it by hand or through `make bench` (QTest prints the figures).

#include "orvexwindow.h"

#include <QComboBox>
#include <QTest>

using namespace orvex;

class BenchChoice : public QObject
{
    Q_OBJECT

private slots:
    void choiceAndRepaint()
    {
        OrvexWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = window.findChild<QComboBox*>(QStringLiteral("cbocpu"));
        int entry = 0;
        QBENCHMARK {
            entry = entry == 30 ? 0 : 30; // settings 7 and 29 differ in many pins
            list->setCurrentIndex(entry);
            QCoreApplication::processEvents(); // the repaint the choice asked for
        }
    }

    void fullBoardPaint()
    {
        OrvexWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* board = window.findChild<QWidget*>(QStringLiteral("board"));
        QBENCHMARK {
            board->repaint();
        }
    }
};

QTEST_MAIN(BenchChoice)
#include "bench_choice.moc"
