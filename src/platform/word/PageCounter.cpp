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
    // What must stand together on one page (a row that may not break, a heading with the first
    // line after it) starts a new page when it does not fit below the last line; never when it
    // would not fit on a page of its own either.
    void keepTogether(int height)
    {
        if (!fits(height) && !atTop() && height <= kTextHeight)
            newPage();
    }

private:
    int m_pages = 1;
    int m_y = 0;
};

// A table measured for the pages: the lines of each row (its fullest cell's) and the height of
// one line.
struct TableLines
{
    std::vector<int> rows;
    int line = 0;

    // Room the start of row r needs on its page: the border above it and its first line, or the
    // whole row when rows may not break, and the row under it when the row is the heading.
    int start(const Table &t, int r) const
    {
        const int first = kTableBorder + line * (t.rowsBreakAcrossPages ? 1 : rows[size_t(r)]);
        if (r == 0 && t.headerKeptWithNext())
            return kTableBorder + line * rows[0] + start(t, 1);
        return first;
    }
};

TableLines measureRows(const Table &t)
{
    const TableGeometry geometry = tableGeometry(t);
    TableLines m;
    m.line = lineSpacing(t.fontSize);
    m.rows.reserve(size_t(t.rows));
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
        m.rows.push_back(lines);
    }
    return m;
}

// A table goes in as its rows: a row is as high as its fullest cell's lines plus a border above
// it; it breaks between lines at the end of a page where rows may break, and otherwise goes whole
// to the next page, as does a heading row with the row under it; a border closes the table, and
// also the part of it that each page holds.
void addTable(Pages &pages, const Table &t, const TableLines &m)
{
    for (int r = 0; r < t.rows; ++r) {
        pages.keepTogether(m.start(t, r) + kTableBorder);
        pages.line(kTableBorder + m.line, kTableBorder);
        for (int i = 1; i < m.rows[size_t(r)]; ++i)
            pages.line(m.line, kTableBorder);
    }
    pages.line(kTableBorder);
}

}   // namespace

int countPages(const DocumentModel &document)
{
    installFontSubstitutions();
    const double width = kTextWidth - kBreakAllowance;
    const auto &blocks = document.blocks();

    // Lines and line height of each paragraph, rows of each table, measured on first need.
    std::vector<int> lines(blocks.size(), 0);
    std::vector<TableLines> tables(blocks.size());
    const auto lineHeight = [&](size_t i) {
        return lineSpacing(std::get<Paragraph>(blocks[i]).largestSize(document.markOf(i)));
    };
    const auto linesOf = [&](size_t i) {
        if (lines[i] == 0)
            lines[i] = paragraphLines(std::get<Paragraph>(blocks[i]), document.markOf(i), width);
        return lines[i];
    };
    const auto rowsOf = [&](size_t i) -> const TableLines & {
        if (tables[i].rows.empty())
            tables[i] = measureRows(std::get<Table>(blocks[i]));
        return tables[i];
    };
    const auto kept = [&](size_t i) { return keptWithNext(document, i); };

    Pages pages;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (const auto *p = std::get_if<Paragraph>(&blocks[i])) {
            if (p->pageBreakBefore && !pages.atTop())
                pages.newPage();
            // Paragraphs kept with the next go together to the next page when they and the start
            // of what follows them (its first line, or the first row of a table) do not fit.
            if (kept(i) && (i == 0 || !kept(i - 1) || p->pageBreakBefore)) {
                int height = 0;
                size_t j = i;
                for (; j < blocks.size() && kept(j); ++j)
                    height += linesOf(j) * lineHeight(j);
                if (j < blocks.size()) {
                    if (const auto *next = std::get_if<Paragraph>(&blocks[j])) {
                        if (!next->pageBreakBefore)
                            pages.keepTogether(height + lineHeight(j));
                    } else {
                        const Table &t = std::get<Table>(blocks[j]);
                        pages.keepTogether(height + rowsOf(j).start(t, 0) + kTableBorder);
                    }
                }
            }
            const int height = lineHeight(i);
            for (int l = linesOf(i); l > 0; --l)
                pages.line(height);
        } else {
            addTable(pages, std::get<Table>(blocks[i]), rowsOf(i));
        }
    }
    return pages.count();
}

}   // namespace word
