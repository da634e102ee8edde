#include "PageCounter.h"

#include "PageSetup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

namespace word {

namespace {

// Without a paint device QTextDocument turns point sizes into pixels at the screen's logical
// resolution, rounded, while every length it is given counts as pixels already: so lengths are
// converted at that same resolution. (A printer-resolution device would scale lengths but not
// the page size, and count far too many pages.)
double layoutDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96.0;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return double(qRound(screen->logicalDotsPerInchY()));
    return 100.0;
}

class Layout
{
public:
    Layout() : m_dpi(layoutDpi()) {}

    int pages(const DocumentModel &document)
    {
        QTextDocument text;
        text.setUndoRedoEnabled(false);
        text.setPageSize(QSizeF(px(kPageWidth), px(kPageHeight)));
        QTextOption option = text.defaultTextOption();
        option.setTabStopDistance(px(708));
        text.setDefaultTextOption(option);
        QTextFrameFormat root = text.rootFrame()->frameFormat();
        root.setMargin(px(kMargin));
        root.setPadding(0);
        root.setBorder(0);
        text.rootFrame()->setFrameFormat(root);

        QTextCursor cursor(&text);
        bool unusedBlock = true;   // the cursor stands in an empty block no paragraph took yet
        const auto &blocks = document.blocks();
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (const auto *p = std::get_if<Paragraph>(&blocks[i])) {
                const CharFormat &mark = document.markOf(i);
                QTextBlockFormat bf = blockFormat(p->largestSize(mark), p->alignment);
                if (p->pageBreakBefore)
                    bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                startBlock(cursor, unusedBlock, bf, charFormat(mark));
                for (const Run &r : p->runs)
                    cursor.insertText(layoutText(r.text), charFormat(r.format));
                unusedBlock = false;
            } else {
                addTable(cursor, unusedBlock, std::get<Table>(blocks[i]));
            }
        }
        return text.pageCount();
    }

private:
    double px(double twips) const { return twips / 1440.0 * m_dpi; }

    static QString layoutText(const QString &text)
    {
        QString out = text;
        out.replace(u'\v', QChar::LineSeparator);
        return out;
    }

    QTextBlockFormat blockFormat(double largestSize, int alignment) const
    {
        QTextBlockFormat bf;
        bf.setLineHeight(px(lineSpacing(largestSize)), QTextBlockFormat::FixedHeight);
        bf.setTopMargin(0);
        bf.setBottomMargin(0);
        switch (alignment) {
        case Right: bf.setAlignment(Qt::AlignRight); break;
        case Center: bf.setAlignment(Qt::AlignHCenter); break;
        case Justify: bf.setAlignment(Qt::AlignJustify); break;
        default: bf.setAlignment(Qt::AlignLeft); break;
        }
        return bf;
    }

    static QTextCharFormat charFormat(const CharFormat &f)
    {
        QTextCharFormat cf;
        cf.setFontFamilies({f.name});
        cf.setFontPointSize(f.size);
        cf.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
        return cf;
    }

    static void startBlock(QTextCursor &cursor, bool unusedBlock, const QTextBlockFormat &bf,
                           const QTextCharFormat &mark)
    {
        if (unusedBlock) {
            cursor.setBlockFormat(bf);
            cursor.setBlockCharFormat(mark);
        } else {
            cursor.insertBlock(bf, mark);
        }
    }

    // Lines a paragraph of a cell takes in a column `width` pixels wide.
    static int lineCount(const QString &text, const QFont &font, qreal width)
    {
        if (text.isEmpty())
            return 1;
        QTextLayout layout(layoutText(text), font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
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

    // A table goes in as its rows: every line of a cell has the table's exact spacing, so a row
    // is as high as its fullest cell's lines plus a border, and, as in a word processor, it
    // may break between lines at the end of a page. (Qt's own tables let the last row of a page
    // reach into the bottom margin and leave the borders out, which undercounts long tables.)
    void addTable(QTextCursor &cursor, bool &unusedBlock, const Table &t) const
    {
        const TableGeometry geometry = tableGeometry(t);
        const double line = px(lineSpacing(t.fontSize));
        const double border = px(kBorder * 2.5);   // eighths of a point to twips
        for (int r = 0; r < t.rows; ++r) {
            QFont font(t.fontName);
            font.setPointSizeF(t.fontSize);
            font.setBold(t.cellBold(r));
            int lines = 1;
            for (int c = 0; c < t.cols; ++c) {
                const qreal width = px(geometry.widths[size_t(c)] - 2 * geometry.cellMargin);
                int cellLines = 0;
                for (QStringView paragraph : QStringView(t.cell(r, c)).split(u'\r'))
                    cellLines += lineCount(paragraph.toString(), font, width);
                lines = std::max(lines, cellLines);
            }
            for (int i = 0; i < lines; ++i) {
                QTextBlockFormat bf;
                bf.setLineHeight(line, QTextBlockFormat::FixedHeight);
                if (i == 0)
                    bf.setTopMargin(border);
                startBlock(cursor, unusedBlock, bf, QTextCharFormat());
                unusedBlock = false;
            }
        }
        // The border under the last row.
        QTextBlockFormat closing;
        closing.setLineHeight(border, QTextBlockFormat::FixedHeight);
        startBlock(cursor, unusedBlock, closing, QTextCharFormat());
    }

    double m_dpi;
};

}   // namespace

int countPages(const DocumentModel &document)
{
    installFontSubstitutions();
    return Layout().pages(document);
}

}   // namespace word
