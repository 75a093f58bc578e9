#include "orvexwindow.h"
#include "pictures.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    orvex::preloadPictures();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex"));
    orvex::OrvexWindow window;
    window.show();
    return QApplication::exec();
}
