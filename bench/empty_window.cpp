// The floor for Lumetra's start: Qt showing an empty window of the same size.
#include <QApplication>
#include <QWidget>
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1309, 512);
    window.show();
    return app.exec();
}
