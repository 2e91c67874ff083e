// Draws VEXA's pictures into a folder:
//   logo.bmp  120 x 60, 8 bits per pixel, 256-entry palette: a glass of red
//             wine beside the letters "VEXA".
//   vexa.ico  32 x 32, 4 bits per pixel (16 colours) with a transparency mask.
//   vexa.png  the same 32 x 32 icon as a 16-colour palette PNG, for desktops.
//   vexa-N.png the icon at the other sizes a desktop asks for (N = 16, 22, 24,
//             48, 64, 128, 256), anti-aliased, 32-bit with alpha.
//   vexa.svg  the icon as scalable vector graphics.
//
// Everything is computed from fixed shapes and colours, so running it again
// writes the same pictures (given the same Liberation fonts for the letters).
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// ---------------------------------------------------------------- logo

// Cuts a picture down to an 8-bit one with a 256-entry palette. Median cut:
// the box of colours with the widest spread is split at its median until
// there are 256 boxes; each box's mean is a palette entry and each pixel takes
// the nearest entry. Qt's own conversion keeps far fewer colours and leaves
// the anti-aliased edges ragged.
QImage toPalette256(const QImage& source)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            pixels.push_back(rgb.pixel(x, y) | 0xff000000u);

    struct Box {
        std::vector<QRgb> colours;
        int spread(int& channel) const
        {
            int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
            for (QRgb c : colours) {
                const int v[3] = {qRed(c), qGreen(c), qBlue(c)};
                for (int i = 0; i < 3; ++i) {
                    lo[i] = std::min(lo[i], v[i]);
                    hi[i] = std::max(hi[i], v[i]);
                }
            }
            channel = 0;
            for (int i = 1; i < 3; ++i)
                if (hi[i] - lo[i] > hi[channel] - lo[channel])
                    channel = i;
            return hi[channel] - lo[channel];
        }
    };
    auto channelOf = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };

    std::vector<Box> boxes{Box{pixels}};
    while (boxes.size() < 256) {
        int best = -1, bestSpread = 0, bestChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            int ch = 0;
            const int s = boxes[i].spread(ch);
            if (s > bestSpread) {
                best = i;
                bestSpread = s;
                bestChannel = ch;
            }
        }
        if (best < 0)
            break;                               // every box holds a single colour
        auto& cs = boxes[best].colours;
        std::stable_sort(cs.begin(), cs.end(), [&](QRgb a, QRgb b) {
            return channelOf(a, bestChannel) < channelOf(b, bestChannel);
        });
        // Split at the median, but never between two equal values.
        std::size_t mid = cs.size() / 2;
        const int v = channelOf(cs[mid], bestChannel);
        while (mid > 0 && channelOf(cs[mid - 1], bestChannel) == v)
            --mid;
        if (mid == 0)
            while (mid < cs.size() && channelOf(cs[mid], bestChannel) == v)
                ++mid;
        Box upper{std::vector<QRgb>(cs.begin() + mid, cs.end())};
        cs.resize(mid);
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> table;
    for (const Box& b : boxes) {
        long r = 0, g = 0, bl = 0;
        for (QRgb c : b.colours) {
            r += qRed(c);
            g += qGreen(c);
            bl += qBlue(c);
        }
        const long n = long(b.colours.size());
        table.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((bl + n / 2) / n)));
    }
    while (table.size() < 256)
        table.append(qRgb(0, 0, 0));             // unused entries

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            int best = 0;
            long bestDist = -1;
            for (int i = 0; i < int(boxes.size()); ++i) {
                const long dr = qRed(c) - qRed(table[i]);
                const long dg = qGreen(c) - qGreen(table[i]);
                const long db = qBlue(c) - qBlue(table[i]);
                const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                if (bestDist < 0 || d < bestDist) {
                    best = i;
                    bestDist = d;
                }
            }
            out.setPixel(x, y, best);
        }
    return out;
}

QPainterPath bowlOutline(double left, double top, double width, double height)
{
    // A tulip-shaped bowl: straight-ish sides narrowing to the rim, round bottom.
    const double right = left + width;
    const double bottom = top + height;
    const double cx = left + width / 2;
    QPainterPath p;
    p.moveTo(left + width * 0.12, top);
    p.cubicTo(left - width * 0.05, top + height * 0.45, left, bottom - height * 0.05, cx, bottom);
    p.cubicTo(right, bottom - height * 0.05, right + width * 0.05, top + height * 0.45,
              right - width * 0.12, top);
    p.closeSubpath();
    return p;
}

QImage drawLogo()
{
    QImage img(120, 60, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Plain cream card (a gradient would band once cut down to 256 colours).
    p.fillRect(img.rect(), QColor(255, 253, 244));

    // The glass. The frame that shows the logo hides the right-most three
    // columns and bottom two rows, so everything stays clear of those edges.
    const double bowlLeft = 8, bowlTop = 5, bowlWidth = 26, bowlHeight = 27;
    const QPainterPath bowl = bowlOutline(bowlLeft, bowlTop, bowlWidth, bowlHeight);
    const double cx = bowlLeft + bowlWidth / 2;

    // Faint tint inside the empty part of the glass.
    p.fillPath(bowl, QColor(232, 236, 240));

    // Wine: the bowl below the surface line, dark red with a glow.
    const double surface = bowlTop + bowlHeight * 0.42;
    QPainterPath below;
    below.addRect(QRectF(0, surface, 60, 60));
    const QPainterPath wine = bowl.intersected(below);
    QRadialGradient wineFill(cx - 4, surface + 5, bowlWidth * 0.75);
    wineFill.setColorAt(0, QColor(196, 20, 52));
    wineFill.setColorAt(0.55, QColor(138, 6, 34));
    wineFill.setColorAt(1, QColor(84, 0, 22));
    p.fillPath(wine, wineFill);
    // Surface of the wine seen slightly from above.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 30, 60));
    p.drawEllipse(QRectF(bowlLeft + 2.2, surface - 1.6, bowlWidth - 4.4, 3.2));

    // Stem and foot.
    p.setBrush(QColor(196, 202, 210));
    p.setPen(QPen(QColor(120, 128, 138), 0.8));
    p.drawRect(QRectF(cx - 1.3, bowlTop + bowlHeight - 0.5, 2.6, 17));
    p.drawEllipse(QRectF(cx - 11, bowlTop + bowlHeight + 15, 22, 5));

    // Rim and outline of the bowl, then a highlight on the left side.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 118, 128), 1.0));
    p.drawPath(bowl);
    p.setPen(QPen(QColor(140, 148, 158), 0.8));
    p.drawEllipse(QRectF(bowlLeft + bowlWidth * 0.12, bowlTop - 1.5, bowlWidth * 0.76, 3));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shine;
    shine.moveTo(bowlLeft + 5, bowlTop + 5);
    shine.cubicTo(bowlLeft + 3, bowlTop + 11, bowlLeft + 3.5, bowlTop + 17, bowlLeft + 6, bowlTop + 21);
    p.drawPath(shine);

    // The letters.
    QFont letters(QStringLiteral("Liberation Serif"));
    letters.setPixelSize(27);
    letters.setBold(true);
    p.setFont(letters);
    p.setPen(QColor(128, 0, 128));
    p.drawText(QRectF(40, 6, 74, 32), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("VEXA"));

    // A thin wine-coloured rule and a small caption under the name.
    p.setPen(QPen(QColor(138, 6, 34), 1.2));
    p.drawLine(QPointF(46, 41.5), QPointF(110, 41.5));
    QFont caption(QStringLiteral("Liberation Sans"));
    caption.setPixelSize(9);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(caption);
    p.setPen(QColor(96, 60, 72));
    p.drawText(QRectF(42, 43, 72, 12), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("wine colour"));
    p.end();

    // 8 bits per pixel with a full 256-entry palette.
    return toPalette256(img);
}

// ---------------------------------------------------------------- icon

// The classic 16-colour palette.
constexpr std::array<QRgb, 16> kPalette16 = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
enum Pal { Black = 0, Maroon = 1, Purple = 5, Silver = 7, Grey = 8, Red = 9, White = 15 };
constexpr int kTransparent = -1;

// A 5 x 5 pixel alphabet for the letters on the icon's band ('X' is ink).
struct Glyph {
    int width;
    const char* rows[5];
};
Glyph glyph(char c)
{
    switch (c) {
    case 'V': return {5, {"X...X", "X...X", ".X.X.", ".X.X.", "..X.."}};
    case 'E': return {4, {"XXXX", "X...", "XXX.", "X...", "XXXX"}};
    case 'X': return {5, {"X...X", ".X.X.", "..X..", ".X.X.", "X...X"}};
    case 'A': return {5, {"..X..", ".X.X.", "X...X", "XXXXX", "X...X"}};
    default: return {0, {"", "", "", "", ""}};
    }
}

// Colour index of each icon pixel, or kTransparent.
std::array<std::array<int, 32>, 32> iconPixels()
{
    std::array<std::array<int, 32>, 32> px{};
    for (auto& row : px)
        row.fill(kTransparent);

    // Bowl: rows 1..16, a tulip whose half-width swells below the rim and
    // closes towards the stem.
    const double cx = 15.5;
    const int rim = 1, bottom = 16, surface = 7;
    auto halfWidth = [&](int y) {
        const double t = double(y - rim) / (bottom - rim);   // 0 at the rim, 1 at the bottom
        return 5.0 + 2.5 * std::sin(t * 3.14159 * 0.75) - 6.0 * std::pow(t, 4);
    };
    for (int y = rim; y <= bottom; ++y) {
        const double hw = halfWidth(y);
        for (int x = 0; x < 32; ++x) {
            const double d = std::abs(x + 0.5 - cx);
            if (d > hw + 0.5)
                continue;
            const bool edge = d > hw - 0.5 || y == rim || y == bottom;
            if (edge)
                px[y][x] = Grey;
            else if (y < surface)
                px[y][x] = White;
            else if (y == surface)
                px[y][x] = Red;                        // the wine's surface
            else
                px[y][x] = Maroon;
        }
    }
    // Glints: down the left of the empty glass, and a brighter patch of wine.
    for (int y = rim + 2; y < surface; ++y)
        px[y][static_cast<int>(std::ceil(cx - halfWidth(y) + 0.5)) + 1] = Silver;
    for (int y = surface + 2; y <= surface + 4; ++y)
        for (int x = 10; x <= 11; ++x)
            px[y][x] = Red;

    // Stem and foot.
    for (int y = bottom + 1; y <= 20; ++y) {
        px[y][15] = Silver;
        px[y][16] = Grey;
    }
    for (int x = 10; x <= 21; ++x)
        px[21][x] = (x == 10 || x == 21) ? Grey : Silver;
    for (int x = 9; x <= 22; ++x)
        px[22][x] = Grey;

    // Purple band with the letters, along the bottom.
    for (int y = 25; y <= 31; ++y)
        for (int x = 0; x < 32; ++x)
            px[y][x] = Purple;
    const char* word = "VEXA";
    int left = 5;                                      // 22 pixels of letters, centred
    for (const char* c = word; *c; ++c) {
        const Glyph g = glyph(*c);
        for (int gy = 0; gy < 5; ++gy)
            for (int gx = 0; gx < g.width; ++gx)
                if (g.rows[gy][gx] == 'X')
                    px[26 + gy][left + gx] = White;
        left += g.width + 1;
    }
    // Round the band's corners.
    px[25][0] = px[25][31] = px[31][0] = px[31][31] = kTransparent;
    return px;
}

QImage iconImage()
{
    const auto px = iconPixels();
    QImage img(32, 32, QImage::Format_Indexed8);
    // Black is not drawn on the icon, so its entry serves as the transparent
    // one and the palette stays at 16 entries.
    QList<QRgb> table(kPalette16.begin(), kPalette16.end());
    table[Black] = qRgba(0, 0, 0, 0);
    img.setColorTable(table);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            img.setPixel(x, y, px[y][x] == kTransparent ? Black : px[y][x]);
    return img;
}

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// A Windows icon file with one 32 x 32 image at 4 bits per pixel: colour
// bits, then the AND mask that marks the transparent pixels.
QByteArray iconFile()
{
    const auto px = iconPixels();
    const int w = 32, h = 32;
    const int xorRow = w / 2;                 // 4 bpp, already a multiple of 4 bytes
    const int andRow = 4;                     // 1 bpp, padded to 4 bytes
    const quint32 imageBytes = 40 + 16 * 4 + xorRow * h + andRow * h;

    QByteArray out;
    // ICONDIR
    put16(out, 0);
    put16(out, 1);                            // icon
    put16(out, 1);                            // one image
    // ICONDIRENTRY
    out.append(char(w));
    out.append(char(h));
    out.append(char(16));                     // colours in the palette
    out.append(char(0));
    put16(out, 1);                            // planes
    put16(out, 4);                            // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16);                       // offset of the image
    // BITMAPINFOHEADER (height counts colour bits and mask together)
    put32(out, 40);
    put32(out, w);
    put32(out, h * 2);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);                            // no compression
    put32(out, xorRow * h + andRow * h);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (QRgb c : kPalette16) {               // BGRA entries
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    // Rows bottom-up.
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; x += 2) {
            const int a = px[y][x] == kTransparent ? 0 : px[y][x];
            const int b = px[y][x + 1] == kTransparent ? 0 : px[y][x + 1];
            out.append(char((a << 4) | b));
        }
    for (int y = h - 1; y >= 0; --y)
        for (int byte = 0; byte < andRow; ++byte) {
            unsigned char bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (px[y][byte * 8 + bit] == kTransparent)
                    bits |= 0x80 >> bit;
            out.append(char(bits));
        }
    return out;
}

// ---------------------------------------------------------- scalable icon

// The icon at the other sizes is drawn from shapes on a 256 x 256 canvas: the
// same glass of red wine above the purple "VEXA" band as the 16-colour icon.
// The shapes are both painted into PNGs and written out as SVG, so the two
// agree. Below 32 pixels the letters would be a smudge: those sizes show the
// glass alone, larger.
constexpr double kCanvas = 256;

struct Paint {
    enum Kind { Solid, Linear, Radial } kind = Solid;
    QColor colour;                               // Solid
    QPointF from, to;                            // Linear: the gradient's line
    QPointF centre;                              // Radial
    double radius = 0;
    QList<QPair<double, QColor>> stops;          // Linear and Radial
};

Paint solid(QColor colour)
{
    Paint p;
    p.colour = colour;
    return p;
}

Paint linear(QPointF from, QPointF to, QList<QPair<double, QColor>> stops)
{
    Paint p;
    p.kind = Paint::Linear;
    p.from = from;
    p.to = to;
    p.stops = std::move(stops);
    return p;
}

Paint radial(QPointF centre, double radius, QList<QPair<double, QColor>> stops)
{
    Paint p;
    p.kind = Paint::Radial;
    p.centre = centre;
    p.radius = radius;
    p.stops = std::move(stops);
    return p;
}

struct Shape {
    QPainterPath path;
    std::optional<Paint> fill;
    std::optional<QColor> stroke;
    double strokeWidth = 0;
    bool roundEnds = false;                      // round caps and joins; otherwise square caps, mitre joins
    std::optional<QPainterPath> clip;            // painted only inside this path
};

QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addRect(x, y, w, h);
    return p;
}

QPainterPath ellipse(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addEllipse(x, y, w, h);
    return p;
}

// A tulip glass standing on its foot, in a box of the given height whose top
// centre is (cx, top). Proportions follow the 16-colour icon.
std::vector<Shape> glassShapes(double cx, double top, double height)
{
    const double u = height / 176;               // the glass alone is 176 units high at full size
    auto at = [&](double dx, double dy) { return QPointF(cx + dx * u, top + dy * u); };

    QPainterPath bowl;
    bowl.moveTo(at(-40, 0));
    bowl.cubicTo(at(-58, 34), at(-72, 110), at(0, 124));
    bowl.cubicTo(at(72, 110), at(58, 34), at(40, 0));
    bowl.closeSubpath();

    const QColor maroon(128, 0, 0), red(222, 24, 40), dark(74, 0, 14);
    const QColor silver(192, 192, 192), grey(128, 128, 128);
    const double surface = 46;
    std::vector<Shape> shapes;

    // The empty part of the glass, faintly tinted.
    shapes.push_back({bowl, linear(at(-60, 0), at(60, 0), {{0, QColor(236, 240, 244)}, {1, QColor(252, 252, 255)}}),
                      {}, 0, false, {}});
    // The wine below its surface, with a glow on the left.
    shapes.push_back({rect(cx - 80 * u, top + surface * u, 160 * u, 90 * u),
                      radial(at(-18, 70), 66 * u, {{0, QColor(190, 16, 44)}, {0.55, maroon}, {1, dark}}), {}, 0, false,
                      bowl});
    // The surface seen slightly from above.
    shapes.push_back({ellipse(cx - 52 * u, top + (surface - 7) * u, 104 * u, 14 * u), solid(red), {}, 0, false, bowl});
    // Stem and foot.
    shapes.push_back({rect(cx - 6 * u, top + 122 * u, 12 * u, 40 * u),
                      linear(at(-6, 0), at(6, 0), {{0, silver}, {1, grey}}), grey, 3 * u, false, {}});
    QPainterPath foot;
    foot.addRoundedRect(QRectF(at(-46, 158), at(46, 174)), 8 * u, 8 * u);
    shapes.push_back({foot, linear(at(0, 158), at(0, 174), {{0, silver}, {1, grey}}), grey, 3 * u, false, {}});
    // Outline of the bowl, then the glints on the glass and in the wine.
    shapes.push_back({bowl, {}, grey, 6 * u, true, {}});
    QPainterPath glint;
    glint.moveTo(at(-34, 12));
    glint.cubicTo(at(-42, 26), at(-44, 38), at(-42, 52));
    shapes.push_back({glint, {}, QColor(255, 255, 255, 230), 7 * u, true, {}});
    shapes.push_back({ellipse(cx - 40 * u, top + 60 * u, 13 * u, 26 * u), solid(QColor(240, 60, 70, 150)), {}, 0,
                      false, {}});
    return shapes;
}

// The letters "VEXA" drawn as strokes of the given width, their cap height
// `height`, centred on cx with the top at `top`.
QPainterPath letterStrokes(double cx, double top, double height)
{
    const double w = height * 36 / 34, e = height * 28 / 34, gap = height * 12 / 34;
    double x = cx - (3 * w + e + 3 * gap) / 2;
    const double bottom = top + height, middle = top + height / 2;
    QPainterPath p;
    // V
    p.moveTo(x, top);
    p.lineTo(x + w / 2, bottom);
    p.lineTo(x + w, top);
    x += w + gap;
    // E
    p.moveTo(x + e, top);
    p.lineTo(x, top);
    p.lineTo(x, bottom);
    p.lineTo(x + e, bottom);
    p.moveTo(x, middle);
    p.lineTo(x + e * 0.8, middle);
    x += e + gap;
    // X
    p.moveTo(x, top);
    p.lineTo(x + w, bottom);
    p.moveTo(x + w, top);
    p.lineTo(x, bottom);
    x += w + gap;
    // A
    p.moveTo(x, bottom);
    p.lineTo(x + w / 2, top);
    p.lineTo(x + w, bottom);
    p.moveTo(x + w * 0.22, top + height * 0.66);
    p.lineTo(x + w * 0.78, top + height * 0.66);
    return p;
}

std::vector<Shape> iconShapes(bool withBand)
{
    if (!withBand)
        return glassShapes(kCanvas / 2, 20, 216);

    std::vector<Shape> shapes = glassShapes(kCanvas / 2, 8, 180);
    QPainterPath band;
    band.addRoundedRect(QRectF(4, 198, 248, 54), 14, 14);
    shapes.push_back({band, linear({0, 198}, {0, 252}, {{0, QColor(150, 20, 150)}, {1, QColor(104, 0, 104)}}),
                      QColor(84, 0, 84), 3, false, {}});
    shapes.push_back({letterStrokes(kCanvas / 2, 209, 32), {}, QColor(255, 255, 255), 9, false, {}});
    return shapes;
}

QBrush brushOf(const Paint& paint)
{
    switch (paint.kind) {
    case Paint::Linear: {
        QLinearGradient g(paint.from, paint.to);
        for (const auto& [at, colour] : paint.stops)
            g.setColorAt(at, colour);
        return g;
    }
    case Paint::Radial: {
        QRadialGradient g(paint.centre, paint.radius);
        for (const auto& [at, colour] : paint.stops)
            g.setColorAt(at, colour);
        return g;
    }
    case Paint::Solid:
        break;
    }
    return paint.colour;
}

QImage renderIcon(const std::vector<Shape>& shapes, int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kCanvas, size / kCanvas);
    for (const Shape& s : shapes) {
        p.save();
        if (s.clip)
            p.setClipPath(*s.clip);
        p.setBrush(s.fill ? brushOf(*s.fill) : QBrush(Qt::NoBrush));
        if (s.stroke)
            p.setPen(QPen(*s.stroke, s.strokeWidth, Qt::SolidLine, s.roundEnds ? Qt::RoundCap : Qt::SquareCap,
                          s.roundEnds ? Qt::RoundJoin : Qt::MiterJoin));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(s.path);
        p.restore();
    }
    p.end();
    return img;
}

QString svgNumber(double v)
{
    return QString::number(std::round(v * 1000) / 1000, 'g', 8);
}

QString svgColour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

// SVG path data. A subpath that ends where it began is closed, as the painter
// treats it when stroking.
QString svgPathData(const QPainterPath& path)
{
    QStringList parts;
    QPointF start;
    auto point = [](const QPointF& pt) { return svgNumber(pt.x()) + u' ' + svgNumber(pt.y()); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            start = e;
            parts << u'M' + point(e);
            break;
        case QPainterPath::LineToElement:
            parts << u'L' + point(e);
            break;
        case QPainterPath::CurveToElement:
            parts << u'C' + point(e) + u' ' + point(path.elementAt(i + 1)) + u' ' + point(path.elementAt(i + 2));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
        const bool subpathEnds = i + 1 == path.elementCount() || path.elementAt(i + 1).type == QPainterPath::MoveToElement;
        if (subpathEnds && e.type != QPainterPath::MoveToElement && QPointF(path.elementAt(i)) == start)
            parts << QStringLiteral("Z");
    }
    return parts.join(u' ');
}

QString svgStops(const Paint& paint)
{
    QString out;
    for (const auto& [at, colour] : paint.stops) {
        out += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"").arg(svgNumber(at), svgColour(colour));
        if (colour.alpha() != 255)
            out += QStringLiteral(" stop-opacity=\"%1\"").arg(svgNumber(colour.alphaF()));
        out += QStringLiteral("/>\n");
    }
    return out;
}

QByteArray iconSvg(const std::vector<Shape>& shapes)
{
    QString defs, body;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const Shape& s = shapes[i];
        QString attributes;
        if (s.clip) {
            const QString id = QStringLiteral("clip%1").arg(i);
            defs += QStringLiteral("    <clipPath id=\"%1\"><path d=\"%2\"/></clipPath>\n").arg(id, svgPathData(*s.clip));
            attributes += QStringLiteral(" clip-path=\"url(#%1)\"").arg(id);
        }
        if (!s.fill) {
            attributes += QStringLiteral(" fill=\"none\"");
        } else if (s.fill->kind == Paint::Solid) {
            attributes += QStringLiteral(" fill=\"%1\"").arg(svgColour(s.fill->colour));
            if (s.fill->colour.alpha() != 255)
                attributes += QStringLiteral(" fill-opacity=\"%1\"").arg(svgNumber(s.fill->colour.alphaF()));
        } else {
            const QString id = QStringLiteral("paint%1").arg(i);
            if (s.fill->kind == Paint::Linear)
                defs += QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" "
                                       "y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                            .arg(id, svgNumber(s.fill->from.x()), svgNumber(s.fill->from.y()),
                                 svgNumber(s.fill->to.x()), svgNumber(s.fill->to.y()))
                        + svgStops(*s.fill) + QStringLiteral("    </linearGradient>\n");
            else
                defs += QStringLiteral("    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" "
                                       "cy=\"%3\" r=\"%4\">\n")
                            .arg(id, svgNumber(s.fill->centre.x()), svgNumber(s.fill->centre.y()),
                                 svgNumber(s.fill->radius))
                        + svgStops(*s.fill) + QStringLiteral("    </radialGradient>\n");
            attributes += QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        }
        if (s.stroke) {
            attributes += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                              .arg(svgColour(*s.stroke), svgNumber(s.strokeWidth));
            if (s.stroke->alpha() != 255)
                attributes += QStringLiteral(" stroke-opacity=\"%1\"").arg(svgNumber(s.stroke->alphaF()));
            attributes += s.roundEnds ? QStringLiteral(" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
                                      : QStringLiteral(" stroke-linecap=\"square\" stroke-linejoin=\"miter\"");
        }
        body += QStringLiteral("  <path d=\"%1\"%2/>\n").arg(svgPathData(s.path), attributes);
    }
    const QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                       "viewBox=\"0 0 256 256\">\n"
                                       "  <title>VEXA</title>\n"
                                       "  <defs>\n")
                        + defs + QStringLiteral("  </defs>\n") + body + QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

// The sizes a desktop asks for besides 32, which is the 16-colour icon.
constexpr std::array kIconSizes{16, 22, 24, 48, 64, 128, 256};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-assets OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = drawLogo().save(dir.filePath(QStringLiteral("logo.bmp")), "BMP");
    ok = writeFile(dir.filePath(QStringLiteral("vexa.ico")), iconFile()) && ok;
    ok = iconImage().save(dir.filePath(QStringLiteral("vexa.png")), "PNG", 9) && ok;
    for (int size : kIconSizes)
        ok = renderIcon(iconShapes(size >= 32), size).save(dir.filePath(QStringLiteral("vexa-%1.png").arg(size)), "PNG", 9)
             && ok;
    ok = writeFile(dir.filePath(QStringLiteral("vexa.svg")), iconSvg(iconShapes(true))) && ok;
    if (!ok) {
        std::fprintf(stderr, "make-assets: could not write the pictures\n");
        return 1;
    }
    return 0;
}
