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

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }

    // The colour of one pixel; an invalid QColor outside the raster.
    QColor pixel(int x, int y) const;

    void setPenColor(const QColor& color) { pen_ = color.rgb(); }
    QColor penColor() const { return QColor(pen_); }

    // Makes (x, y) the current point without drawing.
    void moveTo(int x, int y) { current_ = QPoint(x, y); }
    QPoint currentPoint() const { return current_; }

    // A one-pixel solid line in the pen colour from the current point up to,
    // but not including, (x, y); (x, y) becomes the current point.
    void lineTo(int x, int y);

    void setFillColor(const QColor& color) { fill_ = color.rgb(); }
    QColor fillColor() const { return QColor(fill_); }

    // Paints the region around pixel (0, 0) with the fill colour. The region
    // is bounded by black pixels only; any other colour is filled over.
    void floodFill();

    void setFontName(const QString& designedFace) { setFontState(designedFace, fontPoints_, fontBold_); }
    QString fontName() const { return fontName_; }
    void setFontSize(int points) { setFontState(fontName_, points, fontBold_); }
    int fontSize() const { return fontPoints_; }
    void setFontBold(bool bold) { setFontState(fontName_, fontPoints_, bold); }
    bool fontBold() const { return fontBold_; }
    void setFontColor(const QColor& color) { text_ = color.rgb(); }
    QColor fontColor() const { return QColor(text_); }

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
    void setFontState(const QString& designedFace, int points, bool bold);

    QImage image_;
    QRgb pen_;
    QRgb fill_;
    QRgb text_;
    QString fontName_;
    int fontPoints_;
    bool fontBold_ = false;
    // The font of the state above, made once: a font made afresh for every
    // text would be looked up in the font database again each time.
    QFont font_;
    QPoint current_;
};

} // namespace vexa
