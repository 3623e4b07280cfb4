#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));

    // The main window arrives with the window's own code; until then an empty frame.
    QWidget window;
    window.setWindowTitle(QStringLiteral(" Orvane"));
    window.setFixedSize(382, 453);
    window.show();
    return app.exec();
}
