#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace vexa {

class NumberSettings;
class StringGrid;

// Hovering over a sample's row of the results grid shows what the sample
// looks like: a swatch of its colour on screen and its L*, C* and h. When
// the selected cell lies in another sample's row, the tooltip adds how far
// the two samples lie apart (CIE76 and CIEDE2000).
//
// The values come from the row's cell texts, read like the marker does it
// (the comma or the user's separator), so samples loaded from a file or
// typed into the grid show too. A row whose texts do not read as numbers
// has no tooltip, and no error is shown for it.
class SampleTooltip : public QObject {
    Q_OBJECT

public:
    // `sampleRowEnd` gives the first grid row that holds no sample (rows 1
    // up to it hold samples). The tooltip watches the grid's cells and its
    // row-number column.
    SampleTooltip(StringGrid& grid, std::function<int()> sampleRowEnd, const NumberSettings& numberSettings,
                  QObject* parent = nullptr);

    // The tooltip of a grid row as rich text; empty for a row that holds no
    // readable sample.
    QString toolTip(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StringGrid& grid_;
    std::function<int()> sampleRowEnd_;
    const NumberSettings& numberSettings_;
};

} // namespace vexa
