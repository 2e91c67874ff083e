#include "printing/sheet_layout.h"

#include <stdexcept>

#include "common/checked_int.h"
#include "numbers/result_columns.h"

namespace vexa {

namespace {

__extension__ typedef __int128 Int128;

// A page fraction as an exact decimal: numerator / 10^digits. The factors are
// given to twenty significant digits, more than a double holds, and a
// position is the nearest pixel to the exact product.
struct Fraction {
    Int128 numerator = 0;
    Int128 denominator = 1;
};

consteval Fraction fraction(const char* decimal)
{
    // "0." followed by the digits.
    Fraction f;
    for (const char* p = decimal + 2; *p; ++p) {
        f.numerator = f.numerator * 10 + (*p - '0');
        f.denominator *= 10;
    }
    return f;
}

// R(length x fraction): the nearest integer, halves to the even one.
std::int32_t scaled(std::int32_t length, Fraction f)
{
    const Int128 product = Int128(length) * f.numerator;
    Int128 whole = product / f.denominator;
    Int128 rest = product % f.denominator;
    if (rest < 0) { // floor division for a negative length
        whole -= 1;
        rest += f.denominator;
    }
    const Int128 twice = 2 * rest;
    if (twice > f.denominator || (twice == f.denominator && whole % 2 != 0))
        whole += 1;
    // |fraction| < 1, so the result lies within the 32-bit length.
    return static_cast<std::int32_t>(whole);
}

std::int32_t checkedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw IntegerOverflow();
    return product;
}

// start + step x i, overflow-checked.
std::int32_t stepped(std::int32_t start, std::int32_t i, std::int32_t step)
{
    return checkedAdd(start, checkedMul(i, step));
}

// A rule left of each value column: between the names and X, and between values.
constexpr int kColumnRuleCount = kValueColumnCount;

// Vertical measures, fractions of the height.
constexpr Fraction kTitleTop = fraction("0.01259763164525069287");
constexpr Fraction kTableTop = fraction("0.03779289493575207861"); // T0, the first rule
constexpr Fraction kSubtitleTop = fraction("0.04031250251953140747");
constexpr Fraction kHeaderRowTop = fraction("0.05593341686056917845"); // T1, where the column rules start
constexpr Fraction kHeaderTextTop = fraction("0.057949178570393764666"); // Y0
constexpr Fraction kRowPitch = fraction("0.018140589569160997733");    // P

// Horizontal measures, fractions of the width.
constexpr Fraction kTitleLeft = fraction("0.05186721991701244813");
constexpr Fraction kTableLeft = fraction("0.036539557725193294262"); // L
constexpr Fraction kNumberRule = fraction("0.07189072609633357297"); // right of the "no" column
constexpr Fraction kFirstColumnRule = fraction("0.19213403270121236575"); // C0
constexpr Fraction kColumnPitch = fraction("0.06915629322268326418"); // Q
constexpr Fraction kTableRight = fraction("0.7454342154304882594"); // E
constexpr Fraction kSubtitleLeft = fraction("0.25");
constexpr Fraction kNumberText = fraction("0.047619047619047619047"); // "no" and the row numbers
constexpr Fraction kNameText = fraction("0.083333333333333333336");   // sample names
constexpr Fraction kValueBase = fraction("0.06719481793564080338");   // V: value texts at V + c x Q

struct Header {
    const char* text;
    Fraction left;
};

// "X*" on paper, where the grid on screen says "X".
constexpr Header kHeaders[] = {
    {"no", kNumberText},
    {"Sample", fraction("0.1052631578947368421")},
    {"X*", fraction("0.21980437410704473019")},
    {"Y", fraction("0.28896723111599144655")},
    {"Z", fraction("0.358114883254548059")},
    {"L*", fraction("0.42727738848060160655")},
    {"C*", fraction("0.49642573471008737091")},
    {"h*", fraction("0.5655788699734177931")},
    {"a*", fraction("0.6347191367819739765")},
    {"b*", fraction("0.70392791778121920315")},
};

} // namespace

SheetCellText cellsFromRows(std::vector<std::vector<QString>> rows)
{
    return [rows = std::move(rows)](int column, int row) -> QString {
        if (row < 1 || static_cast<std::size_t>(row) > rows.size())
            return {};
        const auto& cells = rows[static_cast<std::size_t>(row) - 1];
        if (column < 0 || static_cast<std::size_t>(column) >= cells.size())
            return {};
        return cells[static_cast<std::size_t>(column)];
    };
}

QString sheetTitleLine(const QString& caption, const QString& dateTime)
{
    return caption + QStringLiteral("          (") + dateTime + QLatin1Char(')');
}

QString sheetSubtitle()
{
    return QStringLiteral("Coordinates with illuminant D65 and 10\u00BA observer");
}

std::vector<SheetOperation> layoutResultsSheet(std::int32_t width, std::int32_t height, const SheetContent& content)
{
    const std::int32_t n = content.numFila;
    if (n < 1 || n > kMaxNumFila)
        throw std::out_of_range("The sheet's next-sample row must lie between 1 and 51");

    const std::int32_t t0 = scaled(height, kTableTop);
    const std::int32_t t1 = scaled(height, kHeaderRowTop);
    const std::int32_t y0 = scaled(height, kHeaderTextTop);
    const std::int32_t p = scaled(height, kRowPitch);
    const std::int32_t left = scaled(width, kTableLeft);
    const std::int32_t right = scaled(width, kTableRight);
    const std::int32_t c0 = scaled(width, kFirstColumnRule);
    const std::int32_t q = scaled(width, kColumnPitch);
    const std::int32_t v = scaled(width, kValueBase);
    const std::int32_t bottom = stepped(t1, n, p);

    std::vector<SheetOperation> ops;
    ops.push_back(SheetOperation::textAt({scaled(width, kTitleLeft), scaled(height, kTitleTop)},
                                         sheetTitleLine(content.caption, content.dateTime)));

    // n + 2 rules: the caption band's top and bottom, the header row's bottom
    // and one under every sample row.
    for (std::int32_t i = 0; i <= n + 1; ++i) {
        const std::int32_t y = stepped(t0, i, p);
        ops.push_back(SheetOperation::line({left, y}, {right, y}));
    }

    const auto columnRule = [&](std::int32_t x, std::int32_t top) {
        ops.push_back(SheetOperation::line({x, top}, {x, bottom}));
    };
    columnRule(scaled(width, kNumberRule), t1);
    columnRule(left, t0);
    for (std::int32_t j = 0; j < kColumnRuleCount; ++j)
        columnRule(stepped(c0, j, q), t1);
    columnRule(right, t0);

    ops.push_back(SheetOperation::textAt({scaled(width, kSubtitleLeft), scaled(height, kSubtitleTop)},
                                         sheetSubtitle()));
    for (const Header& header : kHeaders)
        ops.push_back(SheetOperation::textAt({scaled(width, header.left), y0}, QLatin1String(header.text)));

    const auto cellColumn = [&](int column, std::int32_t x) {
        for (std::int32_t r = 1; r < n; ++r)
            ops.push_back(SheetOperation::textAt({x, stepped(y0, r, p)},
                                                 content.cell ? content.cell(column, r) : QString()));
    };
    cellColumn(kRowNumberColumn, scaled(width, kNumberText));
    cellColumn(kNameColumn, scaled(width, kNameText));
    for (int c = kFirstValueColumn; c <= kLastValueColumn; ++c)
        cellColumn(c, stepped(v, c, q));
    return ops;
}

} // namespace vexa
