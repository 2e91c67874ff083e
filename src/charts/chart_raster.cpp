#include "charts/chart_raster.h"

#include "fonts/design_fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vexa {

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// A fresh raster writes in the windows' own face and size until told otherwise.
const char* const kDefaultFace = "MS Sans Serif";
constexpr int kDefaultPoints = 8;

bool isBorder(QRgb pixel)
{
    return (pixel & RGB_MASK) == (kBlack & RGB_MASK);
}

QFont rasterFont(const QString& designedFace, int points, bool bold)
{
    QFont f = designFont(designedFace, pointsToPixels(points), bold);
    // Two-colour text: every pixel of a cell is either text or fill colour.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

ChartRaster::ChartRaster(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      pen_(kBlack),
      fill_(kWhite),
      text_(kBlack),
      fontName_(QString::fromLatin1(kDefaultFace)),
      fontPoints_(kDefaultPoints),
      font_(rasterFont(fontName_, fontPoints_, fontBold_))
{
    image_.fill(kWhite);
}

QColor ChartRaster::pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return {};
    return QColor(image_.pixel(x, y));
}

void ChartRaster::plot(qint64 x, qint64 y)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    reinterpret_cast<QRgb*>(image_.scanLine(int(y)))[x] = pen_;
}

void ChartRaster::lineTo(int x, int y)
{
    const qint64 x0 = current_.x();
    const qint64 y0 = current_.y();
    const qint64 x1 = x;
    const qint64 y1 = y;
    current_ = QPoint(x, y);

    // The chart lines are all horizontal or vertical; walk only the part of
    // those that lies on the raster, however long the line is.
    if (y0 == y1 || x0 == x1) {
        const bool horizontal = (y0 == y1);
        const qint64 from = horizontal ? x0 : y0;
        const qint64 to = horizontal ? x1 : y1;
        const qint64 limit = horizontal ? width() : height();
        const qint64 step = (to >= from) ? 1 : -1;
        // The last pixel painted is the one just before the end point.
        const qint64 last = to - step;
        qint64 lo = std::min(from, last);
        qint64 hi = std::max(from, last);
        if (from == to)
            return;
        lo = std::max<qint64>(lo, 0);
        hi = std::min<qint64>(hi, limit - 1);
        for (qint64 i = lo; i <= hi; ++i) {
            if (horizontal)
                plot(i, y0);
            else
                plot(x0, i);
        }
        return;
    }

    // Any other line: Bresenham, stopping before the end point.
    const qint64 dx = std::llabs(x1 - x0);
    const qint64 dy = -std::llabs(y1 - y0);
    const qint64 sx = x0 < x1 ? 1 : -1;
    const qint64 sy = y0 < y1 ? 1 : -1;
    qint64 err = dx + dy;
    qint64 px = x0;
    qint64 py = y0;
    while (px != x1 || py != y1) {
        plot(px, py);
        const qint64 e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            px += sx;
        }
        if (e2 <= dx) {
            err += dx;
            py += sy;
        }
    }
}

void ChartRaster::floodFill()
{
    const int w = width();
    const int h = height();
    if (w == 0 || h == 0 || isBorder(image_.pixel(0, 0)))
        return;

    // Scanline fill with an explicit stack of seeds. Pixels already painted
    // are remembered separately, so a fill colour that is itself black (or
    // already present) cannot confuse the border test.
    std::vector<std::uint8_t> done(std::size_t(w) * std::size_t(h), 0);
    // Pixels are read and written straight in the RGB32 buffer: a call per
    // pixel through QImage::pixel made the fill most of a chart's drawing.
    // bits() detaches the image once, here, so the pointer stays valid.
    QRgb* const pixels = reinterpret_cast<QRgb*>(image_.bits());
    const std::size_t stride = std::size_t(image_.bytesPerLine()) / sizeof(QRgb);
    auto fillable = [&](int x, int y) {
        return !done[std::size_t(y) * w + x] && !isBorder(pixels[std::size_t(y) * stride + x]);
    };

    std::vector<std::pair<int, int>> seeds{{0, 0}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!fillable(sx, sy))
            continue;

        int left = sx;
        while (left > 0 && fillable(left - 1, sy))
            --left;
        int right = sx;
        while (right < w - 1 && fillable(right + 1, sy))
            ++right;

        QRgb* line = pixels + std::size_t(sy) * stride;
        for (int x = left; x <= right; ++x) {
            line[x] = fill_;
            done[std::size_t(sy) * w + x] = 1;
        }

        // One seed for each run of fillable pixels above and below the span.
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = fillable(x, ny);
                if (open && !inRun)
                    seeds.emplace_back(x, ny);
                inRun = open;
            }
        }
    }
}

QFont ChartRaster::font() const
{
    return font_;
}

void ChartRaster::setFontState(const QString& designedFace, int points, bool bold)
{
    if (designedFace == fontName_ && points == fontPoints_ && bold == fontBold_)
        return;
    fontName_ = designedFace;
    fontPoints_ = points;
    fontBold_ = bold;
    font_ = rasterFont(fontName_, fontPoints_, fontBold_);
}

QSize ChartRaster::textCell(const QString& text) const
{
    const QFontMetrics metrics(font(), &image_);
    return QSize(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
}

void ChartRaster::textOut(int x, int y, const QString& text)
{
    const QFont f = font();
    const QFontMetrics metrics(f, &image_);
    const qint64 cellWidth = metrics.horizontalAdvance(text);
    const qint64 cellHeight = metrics.ascent() + metrics.descent();

    // A cell wholly off the raster draws nothing. Stopping here also keeps
    // far-away positions from overflowing the painter's integer geometry.
    if (qint64(x) >= width() || qint64(y) >= height() || qint64(x) + cellWidth <= 0
        || qint64(y) + cellHeight <= 0 || cellWidth <= 0)
        return;

    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(QRect(x, y, int(cellWidth), int(cellHeight)), QColor(fill_));
    painter.setFont(f);
    painter.setPen(QColor(text_));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

} // namespace vexa
