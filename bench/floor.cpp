// The floor for the start-up benchmark: the least a Qt Widgets program needs to show a
// window like the jumper viewer's. Same size, same title, the same three standard controls
// at the same places, and one painted grey square where a pin mark lies. Nothing else: no
// pictures, no embedded fonts, no board.

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace {

class FloorWindow : public QWidget
{
public:
    FloorWindow()
    {
        setWindowTitle(QStringLiteral("ORVEX"));
        setFixedSize(530, 459);

        auto* list = new QComboBox(this);
        for (int i = 1; i <= 31; ++i)
            list->addItem(QStringLiteral(" PROCESSOR %1 MHz (3.3v)").arg(i * 10));
        list->setGeometry(70, 8, 338, 23);

        auto* print = new QPushButton(QStringLiteral("&Print"), this);
        print->setGeometry(416, 4, 49, 33);
        auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
        exit->setGeometry(472, 4, 49, 33);
        connect(exit, &QPushButton::clicked, this, &QWidget::close);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(318, 248, 9, 9, QColor(0x80, 0x80, 0x80));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.show();
    return QApplication::exec();
}
