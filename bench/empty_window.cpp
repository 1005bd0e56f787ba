// The floor for Lumetra's start: Qt showing an empty window of the same size
// (width and height in pixels as arguments).
#include <QApplication>
#include <QWidget>
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(argc > 2 ? atoi(argv[1]) : 1309, argc > 2 ? atoi(argv[2]) : 512);
    window.show();
    return app.exec();
}
