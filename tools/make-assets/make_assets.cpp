// Draws VEXA's pictures into a folder:
//   logo.bmp  120 x 60, 8 bits per pixel, 256-entry palette: a glass of red
//             wine beside the letters "VEXA".
//   vexa.ico  32 x 32, 4 bits per pixel (16 colours) with a transparency mask.
//   vexa.png  the same 32 x 32 icon as a 16-colour palette PNG, for desktops.
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
    if (!ok) {
        std::fprintf(stderr, "make-assets: could not write the pictures\n");
        return 1;
    }
    return 0;
}
