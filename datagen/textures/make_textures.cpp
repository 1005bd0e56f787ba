// Makes the frame effect's built-in textures from code alone:
//   resources/texture/metal0..7.jpg, wood0..7.jpg, interest0..7.jpg
//   resources/texture/texture.qrc listing them under ":/texture/".
// The frame paints a texture as a repeating brush, so every noise here repeats
// across the tile: lattices wrap, and warps only add periodic offsets.
// Fixed seeds: the same sources always give the same files.
// Usage: make_textures <resources folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// 4:3 like the panel's buttons and tool-tip; both sides divide by 128 so that
// weaves and scale lattices fit a whole number of times.
constexpr int Width = 512, Height = 384;
constexpr int JpegQuality = 90;
constexpr double Pi = 3.14159265358979323846;

struct Rgb {
    double r, g, b;
};

Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}
Rgb mix(Rgb a, Rgb b, double t)
{
    return a * (1 - t) + b * t;
}

Rgb hex(uint32_t rgb)
{
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

double fract(double v)
{
    return v - std::floor(v);
}

int wrap(int i, int n)
{
    const int r = i % n;
    return r < 0 ? r + n : r;
}

// ---- Hashing and periodic noise -------------------------------------------

uint32_t scramble(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

uint32_t hashCell(int i, int j, uint32_t salt)
{
    return scramble(uint32_t(i) * 0x9e3779b1U ^ scramble(uint32_t(j) + salt * 0x85ebca6bU));
}

double unit(uint32_t h)
{
    return (h >> 8) * (1.0 / 16777216.0);
}

double fade(double t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// Gradient noise on a lattice that repeats every `px` by `py` cells; about -1..1.
double gradientNoise(double x, double y, int px, int py, uint32_t salt)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto corner = [&](int dx, int dy) {
        const double a = 2 * Pi * unit(hashCell(wrap(x0 + dx, px), wrap(y0 + dy, py), salt));
        return std::cos(a) * (fx - dx) + std::sin(a) * (fy - dy);
    };
    const double u = fade(fx), v = fade(fy);
    const double top = corner(0, 0) + u * (corner(1, 0) - corner(0, 0));
    const double bottom = corner(0, 1) + u * (corner(1, 1) - corner(0, 1));
    return 1.41 * (top + v * (bottom - top));
}

// Octaves of noise over the unit tile (u, v in 0..1); `cellsX` by `cellsY`
// lattice cells at the first octave. Roughly -0.6..0.6.
double fbm(double u, double v, int cellsX, int cellsY, int octaves, uint32_t salt,
           double gain = 0.5)
{
    double sum = 0, amplitude = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * gradientNoise(u * cellsX, v * cellsY, cellsX, cellsY, salt + 101 * o);
        norm += amplitude;
        amplitude *= gain;
        cellsX *= 2;
        cellsY *= 2;
    }
    return sum / norm;
}

// Nearest and second nearest feature point of a wrapping cell grid, in cell
// units, plus the nearest cell's hash (its identity for colouring).
struct Cellular {
    double f1, f2;
    uint32_t id;
    double cx, cy; // nearest feature point in tile units
};

Cellular cellular(double u, double v, int cellsX, int cellsY, uint32_t salt, double jitter = 0.9)
{
    const double x = u * cellsX, y = v * cellsY;
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    Cellular c{1e9, 1e9, 0, 0, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const uint32_t h = hashCell(wrap(ix + dx, cellsX), wrap(iy + dy, cellsY), salt);
            const double px = ix + dx + 0.5 + jitter * (unit(h) - 0.5);
            const double py = iy + dy + 0.5 + jitter * (unit(scramble(h)) - 0.5);
            const double d = std::hypot(px - x, py - y);
            if (d < c.f1) {
                c.f2 = c.f1;
                c.f1 = d;
                c.id = h;
                c.cx = px / cellsX;
                c.cy = py / cellsY;
            } else if (d < c.f2) {
                c.f2 = d;
            }
        }
    }
    return c;
}

// ---- Colour ramps, images and relief --------------------------------------

struct Stop {
    double at;
    uint32_t rgb;
};
using Ramp = std::vector<Stop>;

Rgb sample(const Ramp &ramp, double t)
{
    t = clamp01(t);
    for (size_t i = 1; i < ramp.size(); ++i) {
        if (t <= ramp[i].at) {
            const double span = ramp[i].at - ramp[i - 1].at;
            const double k = span > 0 ? (t - ramp[i - 1].at) / span : 0;
            return mix(hex(ramp[i - 1].rgb), hex(ramp[i].rgb), k);
        }
    }
    return hex(ramp.back().rgb);
}

QRgb toPixel(Rgb c)
{
    return qRgb(int(clamp01(c.r) * 255 + 0.5), int(clamp01(c.g) * 255 + 0.5),
                int(clamp01(c.b) * 255 + 0.5));
}

using Shader = std::function<Rgb(double u, double v, int x, int y)>;

QImage render(const Shader &shader)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < Width; ++x)
            line[x] = toPixel(shader((x + 0.5) / Width, (y + 0.5) / Height, x, y));
    }
    return image;
}

// A height per pixel; lit from the upper left, wrapping at the edges.
class Relief {
public:
    explicit Relief(const std::function<double(double u, double v)> &height)
        : h(size_t(Width) * Height)
    {
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                h[size_t(y) * Width + x] = height((x + 0.5) / Width, (y + 0.5) / Height);
    }
    double at(int x, int y) const { return h[size_t(wrap(y, Height)) * Width + wrap(x, Width)]; }
    // Lambert light relative to a flat surface: 1 flat, above 1 facing the light.
    double light(int x, int y, double steepness) const
    {
        const double dx = (at(x + 1, y) - at(x - 1, y)) * steepness;
        const double dy = (at(x, y + 1) - at(x, y - 1)) * steepness;
        const double lx = -0.5, ly = -0.6, lz = 0.62; // normalised
        const double n = std::sqrt(dx * dx + dy * dy + 1);
        return (-dx * lx - dy * ly + lz) / (n * lz);
    }

private:
    std::vector<double> h;
};

// ---- Metals -----------------------------------------------------------------

struct BrushedLook {
    Ramp ramp;      // dark to bright tone of the metal
    int streakRows; // brush streaks per tile height: more is finer
    double streaks; // strength of the streaks
    double sheen;   // strength of the broad light bands across the brushing
    double mottle;  // tarnish or patina patches
    uint32_t salt;
};

// Brushing leaves long horizontal scratches; the light catches them in broad
// bands across the stroke.
QImage brushedMetal(const BrushedLook &m)
{
    return render([&](double u, double v, int, int) {
        const double longStreaks = fbm(u, v, 2, m.streakRows / 4, 3, m.salt);
        const double scratches =
            gradientNoise(u * 6, v * m.streakRows, 6, m.streakRows, m.salt + 7);
        const double hair = gradientNoise(u * 24, v * Height, 24, Height, m.salt + 9);
        const double band = std::cos(2 * Pi * (u + 0.2 * fbm(u, v, 2, 1, 2, m.salt + 3)));
        const double patch = fbm(u, v, 4, 3, 4, m.salt + 5);
        double t = 0.5 + m.sheen * 0.32 * band +
                   m.streaks * (0.14 * longStreaks + 0.09 * scratches + 0.05 * hair);
        t -= m.mottle * smoothstep(0.05, 0.35, patch) * 0.25;
        return sample(m.ramp, t);
    });
}

struct PolishedLook {
    Ramp ramp;       // the reflected scene from shadow to highlight
    double softness; // 0 crisp mirror edges .. 1 soft satin
    double hairlines;
    uint32_t salt;
};

// A mirror finish shows the room: a bright sky band with a crisp horizon to
// the dark floor, bent by the sheet's slight waviness.
double reflectedScene(double s, double softness)
{
    const double edge = 0.02 + 0.12 * softness;
    const double sky = smoothstep(0.0, 0.55, s) * (1 - smoothstep(0.62 - edge, 0.62, s));
    const double floorGlow = 0.3 * smoothstep(0.62, 1.0, s);
    return 0.12 + 0.85 * sky + floorGlow;
}

QImage polishedMetal(const PolishedLook &m)
{
    return render([&](double u, double v, int, int) {
        const double wave = fbm(u, v, 1, 2, 2, m.salt);
        const double s = fract(2 * v + 0.22 * wave + 0.04 * std::cos(2 * Pi * u));
        const double hair = gradientNoise(u * 16, v * 192, 16, 192, m.salt + 4);
        const double t = reflectedScene(s, m.softness) + m.hairlines * 0.05 * hair;
        return sample(m.ramp, t);
    });
}

// Bead blasting leaves a fine even grain that scatters light; only a soft
// sheen survives. Read as a dark technical finish.
QImage blastedMetal(const Ramp &ramp, uint32_t salt)
{
    return render([&](double u, double v, int, int) {
        const double grain = gradientNoise(u * 256, v * 192, 256, 192, salt);
        const double sheen = std::cos(2 * Pi * (u - v + 0.3 * fbm(u, v, 1, 1, 2, salt + 1)));
        const double brushing = gradientNoise(u * 4, v * 128, 4, 128, salt + 2);
        return sample(ramp, 0.5 + 0.25 * sheen + 0.08 * grain + 0.06 * brushing);
    });
}

QImage metal(int index)
{
    switch (index) {
    case 0: // brushed steel
        return brushedMetal({{{0, 0x4a5058}, {0.5, 0x9aa2ab}, {1, 0xe6eaee}}, 96, 1.0, 0.8, 0, 11});
    case 1: // chrome
        return polishedMetal(
            {{{0, 0x15181d}, {0.35, 0x59616c}, {0.75, 0xc8d3df}, {1, 0xfafcff}}, 0.1, 0.3, 21});
    case 2: // polished gold
        return polishedMetal(
            {{{0, 0x4a3206}, {0.35, 0x9c7415}, {0.75, 0xe6c25a}, {1, 0xfff4c2}}, 0.6, 0.4, 31});
    case 3: // brushed rose gold
        return brushedMetal(
            {{{0, 0x6e3b2c}, {0.5, 0xc07f68}, {1, 0xf6d2c2}}, 128, 0.9, 0.9, 0, 41});
    case 4: // bronze, coarsely brushed
        return brushedMetal(
            {{{0, 0x4a3220}, {0.5, 0x9a6b3c}, {1, 0xf2cc96}}, 48, 0.9, 0.9, 0.15, 51});
    case 5: // brushed aluminium
        return brushedMetal(
            {{{0, 0x8b9096}, {0.5, 0xc4c8cc}, {1, 0xf4f5f6}}, 192, 0.8, 0.55, 0, 61});
    case 6: // gunmetal titanium
        return blastedMetal({{0, 0x1e2228}, {0.5, 0x4b525c}, {1, 0x9aa3ad}}, 71);
    default: // brushed brass with a little tarnish
        return brushedMetal(
            {{{0, 0x5a4a1c}, {0.5, 0xb59d4c}, {1, 0xf2e3a0}}, 96, 0.9, 0.9, 0.15, 81});
    }
}

// ---- Woods -------------------------------------------------------------------

struct WoodLook {
    uint32_t early, late; // the pale spring growth and the dense summer band
    double rings;         // growth rings across the tile height
    double figure;        // how far the grain wanders
    double latewood;      // sharpness of the ring's dark band (higher: thinner)
    double fibres;
    double pores;  // open pores, as in oak
    double ribbon; // interlocked stripes, as in mahogany
    int knots;
    double nodes; // bamboo's joints
    uint32_t salt;
};

// Distance in tile-height units to the nearest copy of a point on the wrapping
// tile, so a knot near an edge continues on the other side.
double wrappedDistance(double u, double v, double pu, double pv, double *du, double *dv)
{
    double x = u - pu, y = v - pv;
    x -= std::round(x);
    y -= std::round(y);
    *du = x * Width / Height;
    *dv = y;
    return std::hypot(*du, *dv);
}

struct Knot {
    double u, v, radius;
};

std::vector<Knot> placeKnots(int count, uint32_t salt)
{
    std::vector<Knot> knots;
    for (int i = 0; i < count; ++i) {
        const uint32_t h = hashCell(i, 0, salt);
        knots.push_back({(i + 0.2 + 0.6 * unit(h)) / count, 0.15 + 0.7 * unit(scramble(h)),
                         0.045 + 0.03 * unit(scramble(h + 1))});
    }
    return knots;
}

// Grain runs along x. The ring coordinate climbs with v; periodic warps keep
// it a whole number of rings per tile so the tile repeats.
QImage wood(const WoodLook &w)
{
    const std::vector<Knot> knots = placeKnots(w.knots, w.salt + 17);
    const Rgb early = hex(w.early), late = hex(w.late);
    return render([&](double u, double v, int, int) {
        double bend = 0, knotness = 0, knotRing = 0;
        for (const Knot &k : knots) {
            double du, dv;
            const double d = wrappedDistance(u, v, k.u, k.v, &du, &dv);
            const double fall = std::exp(-d * d / (9 * k.radius * k.radius));
            bend += (dv >= 0 ? 1 : -1) * 2.2 * k.radius * fall; // rings swerve round it
            const double inside = 1 - smoothstep(k.radius * 0.8, k.radius * 1.1, d);
            knotness = std::max(knotness, inside);
            if (inside > 0)
                knotRing = std::pow(fract(d / k.radius * 3.2), 3) * inside;
        }
        const double wander = fbm(u, v, 1, 2, 3, w.salt) * w.figure;
        const double ringPos =
            w.rings * (v - bend) + wander * 2.2 + 0.35 * fbm(u, v, 2, 8, 2, w.salt + 1);
        // Growth darkens through the season, then the next spring starts pale.
        const double season = fract(ringPos);
        const double ring = std::pow(season, w.latewood) * smoothstep(1.0, 0.93, season);
        const double fibre = fbm(u, v, 3, 160, 2, w.salt + 2);
        const double pore =
            smoothstep(0.35, 0.6, gradientNoise(u * 48, v * 320, 48, 320, w.salt + 3)) * (1 - ring);
        const double stripe = std::sin(2 * Pi * (6 * v + 0.6 * wander));
        const double tone = fbm(u, v, 4, 3, 3, w.salt + 4);
        const double joint =
            w.nodes > 0 ? std::exp(-std::pow(fract(2 * u + 0.01 * fibre + 0.5) - 0.5, 2) / 0.0003)
                        : 0;

        double shade = 1 + 0.25 * tone + w.fibres * 0.35 * fibre + w.ribbon * 0.12 * stripe;
        shade -= w.pores * 0.45 * pore;
        shade -= w.nodes * 0.4 * joint;
        Rgb c = mix(early, late, clamp01(ring + 0.8 * knotRing));
        c = mix(c, late * 0.7, 0.6 * knotness);
        return c * shade;
    });
}

QImage woodOf(int index)
{
    switch (index) {
    case 0: // oak
        return wood({0xc9a06a, 0x8a6236, 10, 1.0, 3, 0.6, 1.0, 0, 0, 0, 101});
    case 1: // walnut
        return wood({0x6e4c36, 0x3a261a, 12, 1.4, 2, 0.5, 0.3, 0, 0, 0, 111});
    case 2: // cherry
        return wood({0xb86a45, 0x8a4428, 14, 0.8, 3, 0.4, 0, 0, 0, 0, 121});
    case 3: // maple
        return wood({0xecd7b2, 0xd2b68c, 16, 0.6, 4, 0.25, 0, 0, 0, 0, 131});
    case 4: // mahogany
        return wood({0x8e3b22, 0x5a2012, 9, 0.5, 3, 0.4, 0.2, 1.0, 0, 0, 141});
    case 5: // knotty pine
        return wood({0xe8c98f, 0xb77a3c, 8, 0.8, 4, 0.3, 0, 0, 3, 0, 157});
    case 6: // ebony
        return wood({0x2b2520, 0x0f0c0a, 14, 1.2, 2, 0.6, 0, 0, 0, 0, 161});
    default: // bamboo
        return wood({0xdcc38a, 0xc7a765, 24, 0.15, 1.5, 1.0, 0, 0, 0, 1.0, 171});
    }
}

// ---- Other materials -------------------------------------------------------

// Carrara: milky white, cloudy grey, dark veins that fork and wander.
QImage marble()
{
    return render([](double u, double v, int, int) {
        const double cloud = fbm(u, v, 4, 3, 5, 201);
        auto vein = [&](double s, double width) {
            return std::exp(-std::abs(std::sin(Pi * s)) / width);
        };
        const double mainPath = u + 2 * v + 1.5 * fbm(u, v, 2, 2, 5, 202, 0.45);
        const double minorPath = 3 * u - v + 0.9 * fbm(u, v, 3, 3, 4, 203, 0.45);
        Rgb c = mix(hex(0xf6f4f0), hex(0xd6d8db), smoothstep(-0.3, 0.5, cloud));
        c = mix(c, hex(0xb4b8be), clamp01(0.7 * vein(mainPath, 0.3)));
        c = mix(c, hex(0x6a6e76), clamp01(0.9 * vein(mainPath, 0.07)));
        return mix(c, hex(0xa2a6ad), clamp01(0.6 * vein(minorPath, 0.05)));
    });
}

// 2 x 2 twill: each tow passes over two and under two, stepping one per row.
QImage carbonFibre()
{
    const int tow = 16;
    return render([&](double u, double v, int x, int y) {
        const int i = x / tow, j = y / tow, phase = (i + j) & 3;
        const double lx = (x % tow + 0.5) / tow, ly = (y % tow + 0.5) / tow;
        const bool horizontal = phase < 2;
        const double across = horizontal ? ly : lx;
        const double along = ((horizontal ? phase : phase - 2) + (horizontal ? lx : ly)) / 2;
        const double bulge = std::sin(Pi * across);
        const double gap = smoothstep(0.0, 0.12, across) * smoothstep(0.0, 0.12, 1 - across);
        const double dive = std::pow(std::sin(Pi * along), 0.5);
        const double fibre = horizontal ? gradientNoise(u * 8, v * Height, 8, Height, 301)
                                        : gradientNoise(u * Width, v * 8, Width, 8, 302);
        const double lit = horizontal ? 0.5 : 0.24;
        const double t = lit * (0.7 + 0.3 * bulge) * (0.55 + 0.45 * dive) * gap + 0.06 * fibre;
        return sample({{0, 0x060708}, {0.4, 0x2a2e33}, {1, 0xb8c0c8}}, t);
    });
}

// Pebbled hide: rounded cells pushed up between fine creases.
QImage leather()
{
    const Relief relief([](double u, double v) {
        const Cellular c = cellular(u, v, 56, 42, 401);
        const double pebble = smoothstep(0.0, 0.45, c.f2 - c.f1);
        return pebble + 0.25 * fbm(u, v, 64, 48, 2, 402);
    });
    return render([&](double u, double v, int x, int y) {
        const double tone = fbm(u, v, 4, 3, 4, 403);
        const double crease = 1 - smoothstep(0.0, 0.25, relief.at(x, y));
        Rgb c = mix(hex(0x7a4424), hex(0x5a2f18), smoothstep(-0.3, 0.3, tone));
        c = c * (0.75 + 0.3 * relief.light(x, y, 2.2));
        return mix(c, hex(0x2a140a), 0.5 * crease);
    });
}

struct Sparkle {
    double x, y, size;
};

// Flakes of foil at random tilts: most show their dark side, a few flash.
QImage glitter()
{
    QImage image = render([](double u, double v, int, int) {
        const Cellular c = cellular(u, v, 160, 120, 501);
        const double flash = std::pow(unit(c.id), 5);
        const double hue = unit(scramble(c.id + 3));
        const Rgb tint =
            sample({{0, 0xff7fd0}, {0.33, 0xffd27f}, {0.66, 0x7fe3ff}, {1, 0xd9b3ff}}, hue);
        const Rgb flake = mix(hex(0x3a3340), mix(tint, hex(0xffffff), 0.5), flash);
        const double edge = smoothstep(0.0, 0.12, c.f2 - c.f1);
        return mix(hex(0x1a151e), flake, 0.35 + 0.65 * edge);
    });
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < 70; ++i) {
        const uint32_t h = hashCell(i, 1, 502);
        const Sparkle s{unit(h) * Width, unit(scramble(h)) * Height,
                        3 + 9 * std::pow(unit(scramble(h + 1)), 3)};
        for (int ox : {-Width, 0, Width}) {
            for (int oy : {-Height, 0, Height}) {
                const QPointF at(s.x + ox, s.y + oy);
                QRadialGradient glow(at, s.size);
                glow.setColorAt(0, QColor(255, 255, 255, 200));
                glow.setColorAt(1, QColor(255, 255, 255, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(glow);
                p.drawEllipse(at, s.size, s.size);
                p.setPen(QPen(QColor(255, 255, 255, 150), 1));
                p.drawLine(at - QPointF(s.size * 1.6, 0), at + QPointF(s.size * 1.6, 0));
                p.drawLine(at - QPointF(0, s.size * 1.6), at + QPointF(0, s.size * 1.6));
            }
        }
    }
    return image;
}

// 3/1 twill: indigo warp threads cover three of every four weft crossings,
// making the diagonal; slubs and fading vary the blue.
QImage denim()
{
    const int thread = 4;
    return render([&](double u, double v, int x, int y) {
        const int tx = x / thread, ty = y / thread;
        const bool warpUp = wrap(tx - ty, 4) != 0;
        const double lx = (x % thread + 0.5) / thread, ly = (y % thread + 0.5) / thread;
        const double roundness = std::sin(Pi * (warpUp ? lx : ly));
        const double slub = gradientNoise(tx * 1.0, v * 6, Width / thread, 6, 601);
        const double fade = fbm(u, v, 4, 3, 4, 602);
        Rgb c = warpUp ? mix(hex(0x1d2f57), hex(0x4a6796), clamp01(0.5 + 0.8 * slub + 0.8 * fade))
                       : mix(hex(0x9aa1ab), hex(0xdcdcd6), clamp01(0.5 + fade));
        return c * (0.7 + 0.35 * roundness);
    });
}

// Chips of coloured stone set in a pale cement.
QImage terrazzo()
{
    const Ramp chips = {{0, 0xc0583f},   {0.2, 0x8aa489}, {0.4, 0x2f3236},
                        {0.6, 0xd9a441}, {0.8, 0xf0ece4}, {1, 0xe3a3a0}};
    return render([&](double u, double v, int, int) {
        const double speck = gradientNoise(u * 256, v * 192, 256, 192, 701);
        Rgb c = hex(0xe7e1d6) * (0.97 + 0.05 * speck);
        for (const auto &[cellsX, cellsY, share, salt] :
             {std::tuple{20, 15, 0.55, 702U}, std::tuple{56, 42, 0.45, 703U}}) {
            const Cellular cell = cellular(u, v, cellsX, cellsY, salt);
            if (unit(scramble(cell.id + 9)) > share)
                continue;
            const double inside = smoothstep(0.22, 0.28, cell.f2 - cell.f1);
            const Rgb stone = sample(chips, unit(scramble(cell.id + 5))) *
                              (0.92 + 0.1 * gradientNoise(u * 128, v * 96, 128, 96, salt + 1));
            c = mix(c, stone, inside);
        }
        return c;
    });
}

// Overlapping diamond scales in python blotches; each scale takes one colour.
QImage snakeSkin()
{
    const int scale = 16; // divides both sides, so the lattice repeats
    return render([&](double, double, int x, int y) {
        const double a = double(x + y) / scale, b = double(x - y) / scale;
        const double fa = fract(a), fb = fract(b);
        const double ca = std::floor(a) + 0.5, cb = std::floor(b) + 0.5;
        const double centreU = (ca + cb) * scale / 2 / Width,
                     centreV = (ca - cb) * scale / 2 / Height;
        const double edge = std::min({fa, 1 - fa, fb, 1 - fb});
        const double blotch = fbm(centreU, centreV, 3, 3, 3, 801);
        const double ring = std::abs(blotch);
        Rgb c = ring < 0.05 ? hex(0x2b1d12) : blotch > 0 ? hex(0xc8a468) : hex(0x8d6a3c);
        c = c * (0.9 + 0.2 * unit(hashCell(int(ca), int(cb), 802)));
        // Each scale is domed and overlaps the next: lit on its upper rim,
        // shadowed where it tucks under its neighbours.
        const double rise = std::sqrt(smoothstep(0.0, 0.3, edge));
        const double toward = 0.5 * ((1 - fa) + fb) - 0.5; // + toward the upper left
        c = c * ((0.5 + 0.5 * rise) * (0.9 + 0.35 * toward));
        return mix(c, hex(0x1a120a), 0.7 * (1 - smoothstep(0.0, 0.04, edge)));
    });
}

// Ground cork: irregular pressed granules of different browns, dark gaps
// between them and the odd hollow one.
QImage cork()
{
    return render([](double u, double v, int, int) {
        const double bentU = u + 0.006 * fbm(u, v, 32, 24, 2, 904);
        const double bentV = v + 0.008 * fbm(u, v, 32, 24, 2, 905);
        const Cellular granule = cellular(bentU, bentV, 72, 54, 901);
        const Cellular crumb = cellular(u, v, 160, 120, 906);
        const double tone = 0.6 * unit(granule.id) + 0.4 * unit(crumb.id);
        const double inner = gradientNoise(u * 256, v * 192, 256, 192, 902);
        const double broad = fbm(u, v, 4, 3, 3, 903);
        Rgb c = sample({{0, 0x6e4526}, {0.5, 0xa87a4a}, {1, 0xd6ac78}},
                       0.1 + 0.8 * tone + 0.3 * broad + 0.25 * inner);
        const double gap = 1 - smoothstep(0.0, 0.2, granule.f2 - granule.f1);
        c = mix(c, hex(0x5a3a20), 0.35 * gap);
        const bool hollow = unit(scramble(granule.id + 1)) < 0.05;
        return hollow ? mix(c, hex(0x2e1a0c), 0.8 * (1 - smoothstep(0.2, 0.45, granule.f1))) : c;
    });
}

QImage interest(int index)
{
    switch (index) {
    case 0:
        return marble();
    case 1:
        return carbonFibre();
    case 2:
        return leather();
    case 3:
        return glitter();
    case 4:
        return denim();
    case 5:
        return terrazzo();
    case 6:
        return snakeSkin();
    default:
        return cork();
    }
}

struct Family {
    const char *stem;
    QImage (*make)(int);
};

const Family families[] = {{"metal", metal}, {"wood", woodOf}, {"interest", interest}};

bool writeQrc(const QDir &folder, const QStringList &names)
{
    QFile qrc(folder.filePath(QStringLiteral("texture.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&qrc);
    out << "<!-- Written by datagen/textures/make_textures; re-make, do not edit. -->\n"
        << "<RCC>\n    <qresource prefix=\"/texture\">\n";
    for (const QString &name : names)
        out << "        <file>" << name << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_textures <resources folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("texture"));
    folder.cd(QStringLiteral("texture"));

    QStringList written;
    for (const Family &family : families) {
        for (int i = 0; i < 8; ++i) {
            const QString name = QStringLiteral("%1%2.jpg").arg(QLatin1String(family.stem)).arg(i);
            if (!family.make(i).save(folder.filePath(name), "JPG", JpegQuality)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
                return 1;
            }
            written << name;
        }
    }
    if (!writeQrc(folder, written)) {
        std::fprintf(stderr, "cannot write texture.qrc\n");
        return 1;
    }
    std::printf("%lld textures of %d x %d\n", qlonglong(written.size()), Width, Height);
    return 0;
}
