#include "fonts.h"
#include "mainfrm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    Fonts::installSubstitutions();

    MainFrm window;
    window.show();
    return app.exec();
}
