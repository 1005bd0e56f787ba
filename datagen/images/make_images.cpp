// Re-makes the window's images from their editable sources:
//   resources/icons/*.svg   one glyph per tool or command (24 x 24, colour "#GLYPH")
// and writes
//   resources/buttons/<button>_<state>.png plus buttons.qrc listing them,
//   resources/background.png (tiled window background),
//   resources/floating.png   (9-slice panel behind the button groups),
//   resources/images/arrow_rotate.png (the cursor over a frame's turning band),
//   resources/buttons/{tick,cross}_{normal,hovered,pressed}.png (the screen
//   capture's confirm and cancel buttons, drawn over any picture).
// Usage: make_images <resources folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

enum class State { Normal, Hovered, Checked };

struct Button {
    const char *image; // file name stem used by the style sheet
    const char *glyph; // icons/<glyph>.svg
    QSize size;
    int glyphSide;
    bool checkable;
};

const QSize toolSize(34, 30), pouchSize(62, 45), commandSize(58, 45);

const Button buttons[] = {
    {"d00", "line", toolSize, 20, true},         {"d01", "hand", toolSize, 20, true},
    {"d02", "rectangle", toolSize, 20, true},    {"d03", "ellipse", toolSize, 20, true},
    {"d04", "select", toolSize, 20, true},       {"d05", "roundrectangle", toolSize, 20, true},
    {"d10", "image", toolSize, 20, true},        {"d11", "pencil", toolSize, 20, true},
    {"d12", "eraser", toolSize, 20, true},       {"d13", "text", toolSize, 20, true},
    {"d14", "textalongarc", toolSize, 20, true}, {"d15", "rhombus", toolSize, 20, true},
    {"adjust", "adjust", toolSize, 20, true},    {"b0", "pouch", pouchSize, 30, true},
    {"b1", "frame", pouchSize, 30, true},        {"b2", "strip", pouchSize, 30, true},
    {"t00", "new", commandSize, 26, false},      {"t10", "open", commandSize, 26, false},
    {"t11", "save", commandSize, 26, false},     {"tsaveas", "saveas", commandSize, 26, false},
    {"undo", "undo", commandSize, 26, false},    {"redo", "redo", commandSize, 26, false},
    {"t01", "print", commandSize, 26, false},
};

struct Look {
    QColor fill, border, glyph;
};

Look lookOf(State state)
{
    switch (state) {
    case State::Normal:
        return {QColor(255, 255, 255, 14), QColor(255, 255, 255, 34), QColor("#d9dee6")};
    case State::Hovered:
        return {QColor("#465161"), QColor("#6c7a8f"), QColor("#ffffff")};
    case State::Checked:
        return {QColor("#2f7de1"), QColor("#79aef5"), QColor("#ffffff")};
    }
    return {};
}

const char *suffixOf(State state)
{
    switch (state) {
    case State::Normal:
        return "normal";
    case State::Hovered:
        return "hovered";
    case State::Checked:
        return "checked";
    }
    return "";
}

QImage renderButton(const Button &b, State state, const QByteArray &svg)
{
    const Look look = lookOf(state);
    QImage image(b.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look.border, 1.0));
    p.setBrush(look.fill);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    QByteArray coloured = svg;
    coloured.replace("#GLYPH", look.glyph.name().toLatin1());
    QSvgRenderer renderer(coloured);
    const int s = b.glyphSide;
    renderer.render(&p, QRectF((b.size.width() - s) / 2.0, (b.size.height() - s) / 2.0, s, s));
    return image;
}

// A quiet, seamless dark tile: a base tone with a little grain.
QImage renderBackground()
{
    const int side = 96;
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator grain(20261206);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int n = int(grain.bounded(7)) - 3;
            image.setPixel(x, y, qRgb(33 + n, 37 + n, 44 + n));
        }
    }
    return image;
}

// The panel behind each button group: a rounded card with a soft shadow. The
// style sheet slices it 18 pixels from the top and bottom and 20 from the sides.
QImage renderFloating()
{
    const int w = 80, h = 72, inset = 6;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = inset; i > 0; --i) {
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(
            QRectF(inset - i, inset - i + 1, w - 2 * (inset - i), h - 2 * (inset - i)), 10 + i,
            10 + i);
    }
    const QRectF card(inset, inset, w - 2 * inset, h - 2 * inset);
    QLinearGradient face(card.topLeft(), card.bottomLeft());
    face.setColorAt(0, QColor("#343b46"));
    face.setColorAt(1, QColor("#2c323c"));
    p.setBrush(face);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1.0));
    p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    return image;
}

// A 32 x 32 cursor: the black glyph on a white halo, readable on any picture.
QImage renderCursor(const QByteArray &svg)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QByteArray halo = svg;
    halo.replace("#GLYPH", "#ffffff");
    halo.replace("stroke-width=\"1.8\"", "stroke-width=\"4.2\"");
    QSvgRenderer(halo).render(&p, QRectF(3, 3, 26, 26));
    QByteArray glyph = svg;
    glyph.replace("#GLYPH", "#000000");
    QSvgRenderer(glyph).render(&p, QRectF(3, 3, 26, 26));
    return image;
}

// The plate behind each outline picture of the outline panel (9-slice, 6 px).
QImage renderLittleButton(State state)
{
    const Look look = lookOf(state);
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(state == State::Normal ? QColor(255, 255, 255, 22) : look.border, 1.0));
    p.setBrush(state == State::Normal ? QColor(255, 255, 255, 8) : look.fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    return image;
}

// The capture's buttons float over whatever the screen shows, so they are
// solid plates; the glyph's colour says which is which. Drawn at the size the
// picker shows them, so nothing is stretched.
QImage renderCaptureButton(const QByteArray &svg, const QColor &accent, const char *state)
{
    const QSize size(75, 23);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QByteArray look(state);
    const bool pressed = look == "pressed", hovered = look == "hovered";
    p.setPen(QPen(pressed ? accent.lighter(130) : QColor(255, 255, 255, hovered ? 120 : 60), 1.0));
    p.setBrush(pressed ? accent.darker(115) : hovered ? QColor("#465161") : QColor("#2c323c"));
    p.drawRoundedRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    QByteArray coloured = svg;
    coloured.replace("#GLYPH", (pressed ? QColor(Qt::white) : accent).name().toLatin1());
    QSvgRenderer(coloured).render(&p, QRectF((size.width() - 17) / 2.0, 3, 17, 17));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images <resources folder>\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    resources.mkpath(QStringLiteral("buttons"));

    QStringList written;
    for (const Button &b : buttons) {
        QFile source(
            resources.filePath(QStringLiteral("icons/%1.svg").arg(QLatin1String(b.glyph))));
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "missing %s\n", qPrintable(source.fileName()));
            return 1;
        }
        const QByteArray svg = source.readAll();
        QList<State> states = {State::Normal, State::Hovered};
        if (b.checkable)
            states << State::Checked;
        for (State state : states) {
            const QString name = QStringLiteral("%1_%2.png")
                                     .arg(QLatin1String(b.image), QLatin1String(suffixOf(state)));
            if (!save(renderButton(b, state, svg),
                      resources.filePath(QStringLiteral("buttons/") + name)))
                return 1;
            written << name;
        }
    }
    const struct {
        const char *name;
        QColor accent;
    } captureButtons[] = {{"tick", QColor("#4cc38a")}, {"cross", QColor("#f0625f")}};
    for (const auto &c : captureButtons) {
        QFile source(
            resources.filePath(QStringLiteral("icons/%1.svg").arg(QLatin1String(c.name))));
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "missing %s\n", qPrintable(source.fileName()));
            return 1;
        }
        const QByteArray svg = source.readAll();
        for (const char *state : {"normal", "hovered", "pressed"}) {
            const QString name = QStringLiteral("%1_%2.png")
                                     .arg(QLatin1String(c.name), QLatin1String(state));
            if (!save(renderCaptureButton(svg, c.accent, state),
                      resources.filePath(QStringLiteral("buttons/") + name)))
                return 1;
            written << name;
        }
    }
    QFile rotate(resources.filePath(QStringLiteral("icons/arrow_rotate.svg")));
    resources.mkpath(QStringLiteral("images"));
    if (!rotate.open(QIODevice::ReadOnly) ||
        !save(renderCursor(rotate.readAll()),
              resources.filePath(QStringLiteral("images/arrow_rotate.png"))))
        return 1;
    for (State state : {State::Normal, State::Hovered, State::Checked}) {
        const QString name =
            QStringLiteral("images/little_%1.png").arg(QLatin1String(suffixOf(state)));
        if (!save(renderLittleButton(state), resources.filePath(name)))
            return 1;
    }
    if (!save(renderBackground(), resources.filePath(QStringLiteral("background.png"))) ||
        !save(renderFloating(), resources.filePath(QStringLiteral("floating.png"))))
        return 1;

    QFile qrc(resources.filePath(QStringLiteral("buttons/buttons.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 1;
    QTextStream out(&qrc);
    out << "<!-- Written by datagen/images/make_images; re-make, do not edit. -->\n"
        << "<RCC>\n    <qresource prefix=\"/\">\n";
    for (const QString &name : std::as_const(written))
        out << "        <file>" << name << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    std::printf("%lld button images, background.png, floating.png, arrow_rotate.png\n",
                qlonglong(written.size()));
    return 0;
}
