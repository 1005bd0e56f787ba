// The floor for a headless export: the least a Qt program does to turn a
// page picture into a file.
//   export_floor png IN.png OUT.png   read the picture, write it again
//   export_floor pdf IN.png OUT.pdf   one Letter page of it through QPdfWriter
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    if (std::strcmp(argv[1], "png") == 0) {
        const QImage page(QString::fromLocal8Bit(argv[2]));
        return !page.isNull() && page.save(QString::fromLocal8Bit(argv[3]), "png") ? 0 : 1;
    }
    // A painter on a PDF needs the GUI side of Qt.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage page(QString::fromLocal8Bit(argv[2]));
    if (page.isNull())
        return 1;
    QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageOrientation(page.width() > page.height() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    QPainter painter(&pdf);
    painter.drawImage(QRect(0, 0, pdf.width(), pdf.height()), page);
    return painter.end() ? 0 : 1;
}
