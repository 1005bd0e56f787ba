// Measures the text layouts that run on every key press: a 2,000-character
// text in a 300-pixel field and a 200-character text along an arc, at 48 points.
#include "tools/text/LMGraphFuncText.h"
#include "tools/text/LMGraphFuncTextAlongArc.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

template <class Item> Item *makeItem(int width, int height, const QString &text)
{
    auto *item = new Item;
    item->createHandles({QPoint(0, 0), QPoint(width / 2, 0), QPoint(width, 0),
                         QPoint(width, height / 2), QPoint(width, height),
                         QPoint(width / 2, height), QPoint(0, height), QPoint(0, height / 2)});
    item->font = QFont(QStringLiteral("Times"), 48);
    item->font.setStyleStrategy(QFont::ForceOutline);
    item->text = text;
    item->rotate = true;
    return item;
}

template <class Item>
void measure(const char *what, int width, int height, const QString &text, int runs)
{
    QVector<double> ms;
    int glyphElements = 0;
    int glyphs = 0;
    for (int i = 0; i < runs; ++i) {
        Item *item = makeItem<Item>(width, height, text);
        QElapsedTimer timer;
        timer.start();
        item->layoutText(true);
        ms << timer.nsecsElapsed() / 1e6;
        glyphElements = item->glyphs.elementCount();
        glyphs = int(item->glyphs.toSubpathPolygons().size());
        delete item;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %.2f ms, p90 %.2f ms, min %.2f ms (%d path elements, %d outlines)\n",
                what, ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.first(), glyphElements, glyphs);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString sentence = QStringLiteral("Pouch inserts printed at home look great. ");
    QString field = sentence.repeated(2000 / sentence.size() + 1).left(2000);
    QString arc = sentence.repeated(5).left(200);
    measure<LMGraphFuncText>("2000 characters in a 300-pixel field", 300, 60, field, 31);
    // Wide enough that all 200 characters fit along the arc.
    measure<LMGraphFuncTextAlongArc>("200 characters along an arc", 7000, 3500, arc, 31);
    return 0;
}
