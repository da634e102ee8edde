#include "PageCounter.h"

#include "PageSetup.h"

#include <QHash>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>

namespace word {

namespace {

// Pages are laid out as a word processor lays out what the package writes: every line of a
// paragraph or of a table row has the paragraph's exact spacing, so only the number of lines of
// each paragraph and cell needs Qt's text layout; the rest is adding heights. All lengths are in
// twips, and fonts are given in pixels of one twip (a size in points times 20), so no screen
// resolution and no rounding enters the count.
//
// Word processors lay text out without pair kerning unless a document asks for it, and break a
// line once its text reaches the line's width: lines here are a hair narrower than the text area,
// so that a line that just fills it breaks here as there.
constexpr double kBreakAllowance = 0.2;   // twips
constexpr int kTextHeight = kPageHeight - 2 * kMargin;
constexpr int kTableBorder = kBorder * 5 / 2;   // eighths of a point to twips

QString layoutText(const QString &text)
{
    QString out = text;
    out.replace(u'\v', QChar::LineSeparator);
    // Word processors may break a line after the point of "mc.1500" (Unicode's line-breaking
    // rules for a point between a letter and a digit); Qt keeps such a word whole, unless told
    // where it may break.
    static const QRegularExpression puntoCifra(QStringLiteral("(?<=\\p{L})\\.(?=\\p{Nd})"));
    out.replace(puntoCifra, QStringLiteral(".\u200B"));
    return out;
}

QFont layoutFont(const CharFormat &f)
{
    QFont font(f.name);
    font.setPixelSize(std::max(1, int(std::lround(f.size * 20.0))));
    font.setBold(f.bold);
    font.setKerning(false);
    return font;
}

QString formatKey(const CharFormat &f)
{
    return f.name + QLatin1Char('/') + QString::number(f.size) + (f.bold ? QLatin1String("/b") : QLatin1String("/r"));
}

int countLines(QTextLayout &layout, double width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(708);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return std::max(lines, 1);
}

// Lines of text already laid out, by their text, fonts and width: a report is counted more than
// once while its page count settles, and its tables repeat many cells.
class LineCache
{
public:
    int lines(const QString &key, const std::function<int()> &layout)
    {
        if (const auto found = m_lines.constFind(key); found != m_lines.cend())
            return *found;
        if (m_lines.size() > 50000)
            m_lines.clear();
        const int n = layout();
        m_lines.insert(key, n);
        return n;
    }

private:
    QHash<QString, int> m_lines;
};

LineCache &lineCache()
{
    static LineCache cache;
    return cache;
}

int paragraphLines(const Paragraph &p, const CharFormat &mark, double width)
{
    if (p.runs.empty())
        return 1;
    QString key = QString::number(width);
    for (const Run &r : p.runs)
        key += QChar(0x1E) + formatKey(r.format) + QChar(0x1F) + r.text;
    return lineCache().lines(key, [&] {
        QString text;
        QList<QTextLayout::FormatRange> formats;
        for (const Run &r : p.runs) {
            const QString t = layoutText(r.text);
            QTextCharFormat format;
            format.setFont(layoutFont(r.format), QTextCharFormat::FontPropertiesAll);
            formats.append({int(text.size()), int(t.size()), format});
            text += t;
        }
        QTextLayout layout(text, layoutFont(mark));
        layout.setFormats(formats);
        return countLines(layout, width);
    });
}

int cellLines(const QString &text, const CharFormat &format, double width)
{
    if (text.isEmpty())
        return 1;
    const QString key = QString::number(width) + QChar(0x1E) + formatKey(format) + QChar(0x1F) + text;
    return lineCache().lines(key, [&] {
        QTextLayout layout(layoutText(text), layoutFont(format));
        return countLines(layout, width);
    });
}

// Lines going down the pages: a line that does not fit below the last one starts a new page.
class Pages
{
public:
    int count() const { return m_pages; }
    int position() const { return m_y; }
    bool atTop() const { return m_y == 0; }

    void newPage()
    {
        ++m_pages;
        m_y = 0;
    }
    bool fits(int height) const { return m_y + height <= kTextHeight; }
    // `below`: room the line needs under it on its page without taking it (the border under
    // the part of a table that a page holds).
    void line(int height, int below = 0)
    {
        if (!fits(height + below) && !atTop())
            newPage();
        m_y += height;
    }

private:
    int m_pages = 1;
    int m_y = 0;
};

// A table goes in as its rows: a row is as high as its fullest cell's lines plus a border above
// it, and it may break between lines at the end of a page, as in a word processor; a border
// closes the table, and also the part of it that each page holds.
void addTable(Pages &pages, const Table &t, bool openedByBlank, int blankHeight)
{
    const TableGeometry geometry = tableGeometry(t);
    const int line = lineSpacing(t.fontSize);
    // The blank line kept with the table goes along when not even the first line of the first
    // row fits below it, unless it stands at the top of its page already.
    if (openedByBlank && !pages.fits(kTableBorder + line + kTableBorder) && pages.position() > blankHeight) {
        pages.newPage();
        pages.line(blankHeight);
    }
    for (int r = 0; r < t.rows; ++r) {
        const CharFormat format{t.fontName, t.fontSize, t.cellBold(r)};
        int lines = 1;
        for (int c = 0; c < t.cols; ++c) {
            const double width = geometry.widths[size_t(c)] - 2 * geometry.cellMargin - kBreakAllowance;
            int inCell = 0;
            for (QStringView paragraph : QStringView(t.cell(r, c)).split(u'\r'))
                inCell += cellLines(paragraph.toString(), format, width);
            lines = std::max(lines, inCell);
        }
        pages.line(kTableBorder + line, kTableBorder);
        for (int i = 1; i < lines; ++i)
            pages.line(line, kTableBorder);
    }
    pages.line(kTableBorder);
}

}   // namespace

int countPages(const DocumentModel &document)
{
    installFontSubstitutions();
    Pages pages;
    const double width = kTextWidth - kBreakAllowance;
    const auto &blocks = document.blocks();
    int blankHeight = 0;   // the blank line just laid out that opens a table; 0 when none
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (const auto *p = std::get_if<Paragraph>(&blocks[i])) {
            const CharFormat &mark = document.markOf(i);
            const int height = lineSpacing(p->largestSize(mark));
            if (p->pageBreakBefore && !pages.atTop())
                pages.newPage();
            const int lines = paragraphLines(*p, mark, width);
            for (int l = 0; l < lines; ++l)
                pages.line(height);
            blankHeight = keptWithTable(document, i) ? height : 0;
        } else {
            addTable(pages, std::get<Table>(blocks[i]), blankHeight > 0, blankHeight);
            blankHeight = 0;
        }
    }
    return pages.count();
}

}   // namespace word
