#include "orvexwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex"));
    orvex::OrvexWindow window;
    window.show();
    return QApplication::exec();
}
