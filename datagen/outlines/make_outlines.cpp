// Makes the pouch outline catalogue: resources/path/<GROUP>.path.
//
// Each outline is a window shape a pouch maker cuts, sized to its pouch group
// and centred on the origin, followed by the inner contours of its frame
// levels: true inward offsets at 9, 18, 36, 72 and 108 units (3 to 36 mm), as
// many as the shape takes without degenerating (at least two).
//
// Usage: make_outlines <resources folder>
#include "model/outlines/LMCatalogueFile.h"

#include <polyclipping/clipper.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr double Tolerance = 0.15; // largest gap between a curve and its chords, units
constexpr double Scale = 1000.0;   // fixed-point units for the offsetting
const double Insets[] = {9, 18, 36, 72, 108};
constexpr double SmallestSide = 20.0; // a contour narrower than this has degenerated

using Polygon = QPolygonF;

// ------------------------------------------------------------------ curves

// Points of an elliptical arc about c with radii (rx, ry) from angle a0 to a1
// (radians, y downwards), finely enough for Tolerance. The end point is left
// out unless asked for: where the next arc starts there, it would be doubled.
void addArc(Polygon &out, QPointF c, double rx, double ry, double a0, double a1,
            bool withEnd = false)
{
    const double r = std::max(rx, ry);
    const double step = r > Tolerance ? 2.0 * std::acos(1.0 - Tolerance / r) : M_PI / 2;
    const int n = std::max(1, int(std::ceil(std::fabs(a1 - a0) / step)));
    for (int i = 0; i < n; ++i) {
        const double a = a0 + (a1 - a0) * i / n;
        out << QPointF(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
    }
    if (withEnd)
        out << QPointF(c.x() + rx * std::cos(a1), c.y() + ry * std::sin(a1));
}

// A closed parametric curve, subdivided until every chord is within Tolerance.
Polygon sampleCurve(const std::function<QPointF(double)> &f, double t0, double t1)
{
    Polygon out;
    std::function<void(double, double, QPointF, QPointF, int)> split =
        [&](double a, double b, QPointF pa, QPointF pb, int depth) {
            const double m = 0.5 * (a + b);
            const QPointF pm = f(m);
            const QPointF chord = 0.5 * (pa + pb);
            if (depth > 14 || (depth > 3 && QLineF(pm, chord).length() < Tolerance)) {
                out << pa;
                return;
            }
            split(a, m, pa, pm, depth + 1);
            split(m, b, pm, pb, depth + 1);
        };
    split(t0, t1, f(t0), f(t1), 0);
    return out;
}

// ------------------------------------------------------------------ shapes

Polygon rectangle(double w, double h)
{
    return Polygon({{-w / 2, -h / 2}, {w / 2, -h / 2}, {w / 2, h / 2}, {-w / 2, h / 2}});
}

Polygon roundedRectangle(double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    Polygon p;
    const double x = w / 2 - r, y = h / 2 - r;
    addArc(p, {x, -y}, r, r, -M_PI / 2, 0, true);
    addArc(p, {x, y}, r, r, 0, M_PI / 2, true);
    addArc(p, {-x, y}, r, r, M_PI / 2, M_PI, true);
    addArc(p, {-x, -y}, r, r, M_PI, 1.5 * M_PI, true);
    return p;
}

Polygon ellipse(double w, double h)
{
    Polygon p;
    addArc(p, {0, 0}, w / 2, h / 2, 0, 2 * M_PI);
    return p;
}

// A rectangle with a round (elliptical) top: the classic arched window.
Polygon archedTop(double w, double h)
{
    const double rise = std::min(w / 2, h / 2);
    Polygon p;
    p << QPointF(w / 2, h / 2) << QPointF(-w / 2, h / 2);
    addArc(p, {0, -h / 2 + rise}, w / 2, rise, M_PI, 2 * M_PI, true);
    return p;
}

// A pointed (Gothic) arch: straight sides up to the springing line, then two
// circular arcs meeting at the top. Each arc's centre lies on the springing
// line, on the far side of the middle.
Polygon pointedArch(double w, double h)
{
    const double rise = std::max(w / 2, std::min(w * 0.9, h * 0.6));
    const double base = -h / 2 + rise;
    const double xc = (w * w / 4 - rise * rise) / w; // right arc's centre, left of the middle
    const double r = w / 2 - xc;
    Polygon p;
    p << QPointF(w / 2, h / 2);
    addArc(p, {xc, base}, r, r, 0, std::atan2(-rise, -xc));
    addArc(p, {-xc, base}, r, r, std::atan2(-rise, xc), -M_PI, true);
    p << QPointF(-w / 2, h / 2);
    return p;
}

Polygon octagon(double w, double h, double cut)
{
    return Polygon({{-w / 2 + cut, -h / 2},
                    {w / 2 - cut, -h / 2},
                    {w / 2, -h / 2 + cut},
                    {w / 2, h / 2 - cut},
                    {w / 2 - cut, h / 2},
                    {-w / 2 + cut, h / 2},
                    {-w / 2, h / 2 - cut},
                    {-w / 2, -h / 2 + cut}});
}

Polygon heart(double w, double h)
{
    // The classic heart curve, y flipped so the point is at the bottom.
    return sampleCurve(
        [w, h](double t) {
            const double x = 16 * std::pow(std::sin(t), 3);
            const double y =
                13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
            return QPointF(x * w / 32.0, -y * h / 29.0);
        },
        0, 2 * M_PI);
}

// An oval whose edge is a row of outward bumps; `bulge` is the height of each
// bump against its chord, as a share of the chord.
Polygon scalloped(double w, double h, int bumps, double bulge)
{
    Polygon p;
    for (int i = 0; i < bumps; ++i) {
        const double a0 = 2 * M_PI * i / bumps, a1 = 2 * M_PI * (i + 1) / bumps;
        const QPointF p0(w / 2 * std::cos(a0), h / 2 * std::sin(a0));
        const QPointF p1(w / 2 * std::cos(a1), h / 2 * std::sin(a1));
        const QPointF mid = 0.5 * (p0 + p1);
        const double chord = QLineF(p0, p1).length();
        const double sagitta = bulge * chord;
        const double r = (chord * chord / 4 + sagitta * sagitta) / (2 * sagitta);
        // The bump's circle centre lies inwards from the chord's middle.
        const QPointF outward = QPointF(mid.x() / (w * w), mid.y() / (h * h));
        const double len = std::hypot(outward.x(), outward.y());
        const QPointF n(outward.x() / len, outward.y() / len);
        const QPointF c = mid - n * (r - sagitta);
        const double s0 = std::atan2(p0.y() - c.y(), p0.x() - c.x());
        double s1 = std::atan2(p1.y() - c.y(), p1.x() - c.x());
        while (s1 < s0)
            s1 += 2 * M_PI;
        addArc(p, c, r, r, s0, s1);
    }
    return p;
}

// A rectangle with quarter-circle notches in its corners: a ticket.
Polygon ticket(double w, double h, double r)
{
    Polygon p;
    addArc(p, {-w / 2, -h / 2}, r, r, M_PI / 2, 0, true);
    addArc(p, {w / 2, -h / 2}, r, r, M_PI, M_PI / 2, true);
    addArc(p, {w / 2, h / 2}, r, r, 1.5 * M_PI, M_PI, true);
    addArc(p, {-w / 2, h / 2}, r, r, 2 * M_PI, 1.5 * M_PI, true);
    return p;
}

// ------------------------------------------------------------------ outlines

struct Design {
    const char *what;
    double fw, fh; // share of the group's largest width and height
    std::function<Polygon(double w, double h)> make;
};

// Stretches a polygon so that its bounding box is exactly w x h about the origin.
Polygon fitted(const Polygon &p, double w, double h)
{
    const QRectF box = p.boundingRect();
    Polygon out;
    for (const QPointF &q : p)
        out << QPointF((q.x() - box.center().x()) * w / box.width(),
                       (q.y() - box.center().y()) * h / box.height());
    return out;
}

ClipperLib::Path toClipper(const Polygon &p)
{
    ClipperLib::Path out;
    for (const QPointF &q : p)
        out.push_back({ClipperLib::cInt(std::llround(q.x() * Scale)),
                       ClipperLib::cInt(std::llround(q.y() * Scale))});
    return out;
}

Polygon fromClipper(const ClipperLib::Path &p)
{
    Polygon out;
    for (const ClipperLib::IntPoint &q : p)
        out << QPointF(q.X / Scale, q.Y / Scale);
    return out;
}

QPainterPath closedPath(const Polygon &p)
{
    QPainterPath path;
    path.moveTo(p.first());
    for (int i = 1; i < p.size(); ++i)
        path.lineTo(p[i]);
    path.lineTo(p.first());
    return path;
}

// The outline and the inner contours of its frame levels.
QList<QPainterPath> outlineWithLevels(const Polygon &outline)
{
    QList<QPainterPath> paths{closedPath(outline)};
    for (double inset : Insets) {
        ClipperLib::ClipperOffset offset(2.0, 0.1 * Scale);
        offset.AddPath(toClipper(outline), ClipperLib::jtRound, ClipperLib::etClosedPolygon);
        ClipperLib::Paths result;
        offset.Execute(result, -inset * Scale);
        if (result.size() != 1)
            break;
        ClipperLib::CleanPolygon(result[0], 0.02 * Scale);
        const Polygon contour = fromClipper(result[0]);
        const QRectF box = contour.boundingRect();
        if (contour.size() < 3 || std::min(box.width(), box.height()) < SmallestSide)
            break;
        paths << closedPath(contour);
    }
    return paths;
}

const QList<Design> &designs()
{
    // In catalogue order: the first is what a new document shows, so it lies
    // well inside the margins; the full-size window comes last.
    static const QList<Design> list = {
        {"rounded, medium corners", 0.88, 0.86,
         [](double w, double h) { return roundedRectangle(w, h, 0.1 * std::min(w, h)); }},
        {"rounded, small corners", 0.94, 0.92,
         [](double w, double h) { return roundedRectangle(w, h, 9); }},
        {"rounded, large corners", 0.80, 0.80,
         [](double w, double h) { return roundedRectangle(w, h, 0.22 * std::min(w, h)); }},
        {"oval", 0.92, 0.92, [](double w, double h) { return ellipse(w, h); }},
        {"circle", 0.90, 0.90,
         [](double w, double h) { return ellipse(std::min(w, h), std::min(w, h)); }},
        {"stadium", 0.90, 0.62, [](double w, double h) { return roundedRectangle(w, h, h / 2); }},
        {"arched top", 0.70, 0.96, [](double w, double h) { return archedTop(w, h); }},
        {"pointed arch", 0.62, 0.96, [](double w, double h) { return pointedArch(w, h); }},
        {"octagon", 0.86, 0.86,
         [](double w, double h) { return octagon(w, h, 0.22 * std::min(w, h)); }},
        {"heart", 0.76, 0.88, [](double w, double h) { return heart(w, h); }},
        {"scalloped oval", 0.86, 0.84,
         [](double w, double h) { return scalloped(w, h, 24, 0.18); }},
        {"cloud", 0.86, 0.78, [](double w, double h) { return scalloped(w, h, 11, 0.32); }},
        {"tall rounded", 0.60, 0.96,
         [](double w, double h) { return roundedRectangle(w, h, 0.12 * std::min(w, h)); }},
        {"ticket", 0.88, 0.74,
         [](double w, double h) { return ticket(w, h, 0.12 * std::min(w, h)); }},
        {"rectangle", 1.00, 1.00, [](double w, double h) { return rectangle(w, h); }},
    };
    return list;
}

struct Group {
    const char *id;
    double maxWidth, maxHeight;
    QList<int> designs; // indexes into designs(), in catalogue order
};

QList<QPainterPath> makeOutline(const Group &g, int design)
{
    const Design &d = designs()[design];
    const double w = std::round(g.maxWidth * d.fw), h = std::round(g.maxHeight * d.fh);
    Polygon shape = d.make(w, h);
    // Every shape fills its box exactly (bumps and all), but a circle stays round.
    const QRectF box = shape.boundingRect();
    const bool round = std::fabs(box.width() - box.height()) < 1e-6;
    const double side = std::min(w, h);
    shape = round ? fitted(shape, side, side) : fitted(shape, w, h);
    return outlineWithLevels(shape);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_outlines <resources folder>\n");
        return 2;
    }
    const QList<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    const QList<Group> groups = {
        {"LS", 837, 648, all},               // letter size, landscape
        {"HLS", 648, 419, all},              // half letter
        {"CARD", 267, 153, all},             // business card
        {"XL", 915, 762, {0, 3, 14}},        // 12 x 10 in
        {"OTHER", 459, 306, {2, 3, 9, 14}},  // 6 x 4 in photo
        {"POCKET", 324, 420, {2, 6, 3, 14}}, // pocket, portrait
        {"A4", 891, 630, {0, 3, 4, 14}},     // A4, not offered by the catalogue
        {"HA4", 630, 444, {2, 3, 9, 14}},    // A5 (half A4), not offered either
    };
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    resources.mkpath(QStringLiteral("path"));
    qint64 total = 0;
    for (const Group &g : groups) {
        QList<QList<QPainterPath>> outlines;
        QStringList levels;
        for (int d : g.designs) {
            outlines << makeOutline(g, d);
            levels << QString::number(outlines.last().size());
        }
        const QByteArray bytes = LMCatalogueFile::write(outlines);
        QFile file(resources.filePath(QStringLiteral("path/%1.path").arg(QLatin1String(g.id))));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        total += bytes.size();
        std::printf("%-7s %2lld outlines, %7lld bytes, paths per outline: %s\n", g.id,
                    qlonglong(outlines.size()), qlonglong(bytes.size()),
                    qPrintable(levels.join(' ')));
    }
    std::printf("%lld bytes in all\n", qlonglong(total));
    return 0;
}
