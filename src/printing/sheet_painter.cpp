#include "printing/sheet_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "fonts/design_fonts.h"

namespace vexa {

QFont sheetFont()
{
    QFont font(installedFace(QStringLiteral("Arial")));
    font.setPointSize(8);
    return font;
}

void playSheet(QPainter& painter, const std::vector<SheetOperation>& operations)
{
    painter.save();
    painter.setFont(sheetFont());
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics metrics = painter.fontMetrics();

    for (const SheetOperation& op : operations) {
        if (op.kind == SheetOperation::Kind::Line) {
            painter.drawLine(op.from, op.to);
            continue;
        }
        if (op.text.isEmpty())
            continue;
        const QRect box(op.from, QSize(metrics.horizontalAdvance(op.text), metrics.height()));
        painter.fillRect(box, Qt::white);
        painter.drawText(QPoint(op.from.x(), op.from.y() + metrics.ascent()), op.text);
    }
    painter.restore();
}

} // namespace vexa
