#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace vexa {

// An RGB pixel raster with a drawing state that lasts as long as the raster:
// pen colour, fill colour, font (designed face name, size in points, bold)
// and text colour. The charts are drawn on it step by step, and the markers
// later rely on whatever state the background drawing left behind.
//
// Everything drawn outside the raster is clipped silently.
class ChartRaster {
public:
    // A raster of the given size with every pixel white, a black pen, a white
    // fill, a regular font and black text. Negative sizes count as zero.
    ChartRaster(int width, int height);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }

    // The colour of one pixel; an invalid QColor outside the raster.
    QColor pixel(int x, int y) const;

    void setPenColor(const QColor& color) { m_pen = color.rgb(); }
    QColor penColor() const { return QColor(m_pen); }

    // Makes (x, y) the current point without drawing.
    void moveTo(int x, int y) { m_current = QPoint(x, y); }
    QPoint currentPoint() const { return m_current; }

    // A one-pixel solid line in the pen colour from the current point up to,
    // but not including, (x, y); (x, y) becomes the current point.
    void lineTo(int x, int y);

    void setFillColor(const QColor& color) { m_fill = color.rgb(); }
    QColor fillColor() const { return QColor(m_fill); }

    // Paints the region around pixel (0, 0) with the fill colour. The region
    // is bounded by black pixels only; any other colour is filled over.
    void floodFill();

    void setFontName(const QString& designedFace) { m_fontName = designedFace; }
    QString fontName() const { return m_fontName; }
    void setFontSize(int points) { m_fontPoints = points; }
    int fontSize() const { return m_fontPoints; }
    void setFontBold(bool bold) { m_fontBold = bold; }
    bool fontBold() const { return m_fontBold; }
    void setFontColor(const QColor& color) { m_text = color.rgb(); }
    QColor fontColor() const { return QColor(m_text); }

    // The font the current state selects, ready to draw (no antialiasing).
    QFont font() const;

    // The cell textOut() fills for this text: its advance width by the full
    // line height (ascent + descent) of the current font.
    QSize textCell(const QString& text) const;

    // Fills the text's cell, whose top-left corner is (x, y), with the fill
    // colour, then draws the glyphs over it in the text colour.
    void textOut(int x, int y, const QString& text);

private:
    void plot(qint64 x, qint64 y);

    QImage m_image;
    QRgb m_pen;
    QRgb m_fill;
    QRgb m_text;
    QString m_fontName;
    int m_fontPoints;
    bool m_fontBold = false;
    QPoint m_current;
};

} // namespace vexa
