#include "shell/sample_tooltip.h"

#include <QBuffer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <cmath>
#include <exception>
#include <optional>

#include "appearance/colour_difference.h"
#include "appearance/srgb.h"
#include "numbers/number_reading.h"
#include "numbers/number_settings.h"
#include "numbers/result_columns.h"
#include "shell/string_grid.h"

namespace vexa {

namespace {

constexpr int kSwatchWidth = 48;
constexpr int kSwatchHeight = 24;
const QString kDot = QStringLiteral(" \u00B7 ");

struct SampleValues {
    Lab lab;
    double chroma = 0;
    double hue = 0;
};

// The swatch as an inline PNG, framed in grey so that a pale colour still
// shows its edge against the tooltip's background.
QString swatchImage(const SrgbColour& colour)
{
    QImage swatch(kSwatchWidth, kSwatchHeight, QImage::Format_RGB32);
    swatch.fill(QColor(colour.red, colour.green, colour.blue));
    {
        QPainter painter(&swatch);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(0, 0, kSwatchWidth - 1, kSwatchHeight - 1);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    swatch.save(&buffer, "PNG");
    return QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\">")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(kSwatchWidth)
        .arg(kSwatchHeight);
}

// A value with a point and a fixed number of decimals; a huge value typed
// into the grid shows in exponent form rather than as hundreds of digits.
QString number(double value, int decimals)
{
    return std::abs(value) < 1e6 ? QString::number(value, 'f', decimals) : QString::number(value, 'g', 6);
}

} // namespace

SampleTooltip::SampleTooltip(StringGrid& grid, std::function<int()> sampleRowEnd,
                             const NumberSettings& numberSettings, QObject* parent)
    : QObject(parent), grid_(grid), sampleRowEnd_(std::move(sampleRowEnd)), numberSettings_(numberSettings)
{
    grid_.viewport()->installEventFilter(this);
    grid_.verticalHeader()->viewport()->installEventFilter(this);
}

QString SampleTooltip::toolTip(int row) const
{
    const auto readSample = [this](int r) -> std::optional<SampleValues> {
        if (r < 1 || r >= sampleRowEnd_())
            return std::nullopt;
        const char32_t separator = numberSettings_.decimalSeparator();
        const auto read = [&](int column) { return readCellNumber(grid_.cell(column, r).toStdString(), separator); };
        try {
            return SampleValues{{read(kLightnessColumn), read(kAColumn), read(kBColumn)},
                                read(kChromaColumn),
                                read(kHueColumn)};
        } catch (const std::exception&) {
            return std::nullopt;
        }
    };

    const std::optional<SampleValues> sample = readSample(row);
    if (!sample)
        return {};

    try {
        const SrgbColour colour = labToSrgb(sample->lab);
        QString lines = QStringLiteral("L* ") + number(sample->lab.L, 1) + kDot + QStringLiteral("C* ") +
                        number(sample->chroma, 2) + kDot + QStringLiteral("h ") + number(sample->hue, 2);
        if (!colour.inGamut)
            lines += QStringLiteral("<br>outside sRGB");

        const int selected = grid_.selectedRow();
        if (selected != row) {
            if (const std::optional<SampleValues> other = readSample(selected)) {
                lines += QStringLiteral("<br>\u0394E*ab ") + number(deltaE76(sample->lab, other->lab), 1) + kDot +
                         QStringLiteral("\u0394E00 ") + number(deltaE2000(sample->lab, other->lab), 1) +
                         QStringLiteral(" from sample %1").arg(selected);
            }
        }

        return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                              "<td valign=\"middle\">%1</td>"
                              "<td valign=\"middle\" style=\"padding-left: 6px; white-space: pre\">%2</td>"
                              "</tr></table>")
            .arg(swatchImage(colour), lines);
    } catch (const std::exception&) {
        // A tooltip is a courtesy: when the colour cannot be worked out, none shows.
        return {};
    }
}

bool SampleTooltip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);

    const auto* help = static_cast<QHelpEvent*>(event);
    QWidget* area = static_cast<QWidget*>(watched);
    QHeaderView* rows = grid_.verticalHeader();
    // Model row r is grid row r + 1, in the cells and in the row-number column alike.
    const int modelRow =
        area == rows->viewport() ? rows->logicalIndexAt(help->pos()) : grid_.indexAt(help->pos()).row();
    const QString text = modelRow >= 0 ? toolTip(modelRow + 1) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The tooltip stays while the pointer stays in the row.
    const QRect rowArea(0, rows->sectionViewportPosition(modelRow), area->width(), rows->sectionSize(modelRow));
    QToolTip::showText(help->globalPos(), text, area, rowArea);
    return true;
}

} // namespace vexa
