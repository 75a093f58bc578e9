#include "orvexwindow.h"
#include "pictures.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // After the application exists: the image readers consult its library paths.
    orvex::preloadPictures();
    QApplication::setApplicationName(QStringLiteral("orvex"));
    orvex::OrvexWindow window;
    window.show();
    return QApplication::exec();
}
