#include "PageSetup.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace word {

namespace {

constexpr double kLineFactor = 1.2;       // line height over font size, as for a single line
constexpr int kMeasurePixels = 200;       // glyph widths scale with the size: measure once, large
constexpr int kMinText = 120;             // narrowest room for text in a column
// Room kept beyond the measured width: word processors lay text out in whole twips or device
// units and take the borders out of the cell, and a text that is a hair too long breaks.
constexpr double kWidthAllowance = 1.03;
constexpr int kExtraAllowance = 30;

// Where the named font is missing, word processors on Linux draw the text in DejaVu Sans, which
// runs wider than most: columns are made wide enough for either.
const QString kFallbackFamily = QStringLiteral("DejaVu Sans");

// Widths of texts in twips at one size, measured on a large pixel size so that no screen
// resolution enters the result, in the named font and in the fallback, whichever is wider.
class TextMeasure
{
public:
    TextMeasure(const QString &family, double size, bool bold)
        : m_named(makeFont(family, bold)), m_fallback(makeFont(kFallbackFamily, bold)),
          m_scale(size * 20.0 / kMeasurePixels)
    {
    }

    int width(QStringView text) const
    {
        if (text.isEmpty())
            return 0;
        const QString s = text.toString();
        const qreal widest = std::max(m_named.horizontalAdvance(s), m_fallback.horizontalAdvance(s));
        return int(std::ceil(widest * m_scale * kWidthAllowance)) + kExtraAllowance;
    }

private:
    static QFont makeFont(const QString &family, bool bold)
    {
        QFont font(family);
        font.setPixelSize(kMeasurePixels);
        font.setBold(bold);
        font.setKerning(false);   // as word processors lay text out by default
        return font;
    }

    QFontMetricsF m_named;
    QFontMetricsF m_fallback;
    double m_scale;
};

struct Extent
{
    int preferred = 0;   // widest paragraph on one line
    int minimum = 0;     // widest single word
};

Extent measureCell(const QString &text, const TextMeasure &measure)
{
    Extent extent;
    for (QStringView paragraph : QStringView(text).split(u'\r')) {
        if (!paragraph.contains(u' ') && !paragraph.contains(u'\t') && !paragraph.contains(u'\v')) {
            const int single = measure.width(paragraph);   // one word: nothing can wrap
            extent.preferred = std::max(extent.preferred, single);
            extent.minimum = std::max(extent.minimum, single);
            continue;
        }
        for (QStringView line : paragraph.split(u'\v'))
            extent.preferred = std::max(extent.preferred, measure.width(line));
        QString words = paragraph.toString();
        words.replace(u'\t', u' ').replace(u'\v', u' ');
        for (QStringView word : QStringView(words).split(u' ', Qt::SkipEmptyParts))
            extent.minimum = std::max(extent.minimum, measure.width(word));
    }
    return extent;
}

long long sum(const std::vector<int> &values)
{
    return std::accumulate(values.begin(), values.end(), 0LL);
}

// Shares `available` out: every column keeps its minimum and the rest goes to the columns in
// proportion to how much more they would like.
std::vector<int> distribute(const std::vector<int> &minimum, const std::vector<int> &preferred,
                            long long available)
{
    std::vector<int> widths(minimum.size());
    const long long sumMinimum = sum(minimum);
    const long long sumPreferred = sum(preferred);
    if (sumPreferred <= available)
        return preferred;
    if (sumMinimum >= available) {
        for (size_t c = 0; c < widths.size(); ++c)
            widths[c] = int(minimum[c] * available / sumMinimum);
        return widths;
    }
    const double share = double(available - sumMinimum) / double(sumPreferred - sumMinimum);
    for (size_t c = 0; c < widths.size(); ++c)
        widths[c] = minimum[c] + int((preferred[c] - minimum[c]) * share);
    return widths;
}

}   // namespace

int lineSpacing(double size)
{
    return int(std::lround(size * kLineFactor * 20.0));
}

int TableGeometry::width() const
{
    return int(sum(widths));
}

static TableGeometry measureTable(const Table &table);

TableGeometry tableGeometry(const Table &table)
{
    // Measuring every cell is the costliest step of writing and of counting pages, and both ask
    // for the same table: a table is measured once for each state of its content.
    static QHash<quint64, TableGeometry> measured;
    if (const auto found = measured.constFind(table.stamp); table.stamp != 0 && found != measured.cend())
        return *found;
    if (measured.size() > 256)
        measured.clear();
    const TableGeometry geometry = measureTable(table);
    if (table.stamp != 0)
        measured.insert(table.stamp, geometry);
    return geometry;
}

static TableGeometry measureTable(const Table &table)
{
    const auto cols = size_t(table.cols);
    TableGeometry geometry;
    if (table.autoFormat == 0) {
        geometry.widths.assign(cols, kTextWidth / table.cols);
        return geometry;
    }

    const TextMeasure regular(table.fontName, table.fontSize, table.bold);
    const TextMeasure bold(table.fontName, table.fontSize, true);
    std::vector<int> preferredText(cols, kMinText);
    std::vector<int> minimumText(cols, kMinText);
    for (int r = 0; r < table.rows; ++r) {
        const TextMeasure &measure = table.cellBold(r) ? bold : regular;
        for (int c = 0; c < table.cols; ++c) {
            const QString &text = table.cell(r, c);
            if (text.isEmpty())
                continue;
            const Extent e = measureCell(text, measure);
            preferredText[size_t(c)] = std::max(preferredText[size_t(c)], e.preferred);
            minimumText[size_t(c)] = std::max(minimumText[size_t(c)], e.minimum);
        }
    }

    // The first arrangement in which no word has to break: the usual padding within the text
    // width, then narrower padding, then reaching into the margins.
    const struct { int margin; int room; } arrangements[] = {
        {kCellMargin, kTextWidth}, {kNarrowCellMargin, kTextWidth},
        {kCellMargin, kWideWidth}, {kNarrowCellMargin, kWideWidth}};
    for (const auto &a : arrangements) {
        std::vector<int> preferred(cols);
        std::vector<int> minimum(cols);
        for (size_t c = 0; c < cols; ++c) {
            preferred[c] = preferredText[c] + 2 * a.margin;
            minimum[c] = minimumText[c] + 2 * a.margin;
        }
        const bool last = a.margin == kNarrowCellMargin && a.room == kWideWidth;
        if (sum(minimum) <= a.room || last) {
            geometry.cellMargin = a.margin;
            geometry.widths = distribute(minimum, preferred, a.room);
            break;
        }
    }
    if (geometry.width() > kTextWidth)
        geometry.indent = -(geometry.width() - kTextWidth) / 2;
    return geometry;
}

bool keptWithNext(const DocumentModel &document, size_t block)
{
    const auto &blocks = document.blocks();
    const auto *p = block + 1 < blocks.size() ? std::get_if<Paragraph>(&blocks[block]) : nullptr;
    return p && (p->keepWithNext || (p->isEmpty() && std::holds_alternative<Table>(blocks[block + 1])));
}

void installFontSubstitutions()
{
    static const bool installed = [] {
        // URW Gothic is a clone of ITC Avant Garde Gothic, whose widths Century Gothic follows.
        QFont::insertSubstitution(QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"));
        return true;
    }();
    Q_UNUSED(installed);
}

}   // namespace word
