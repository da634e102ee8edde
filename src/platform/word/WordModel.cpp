#include "WordModel.h"

#include <algorithm>

namespace word {

namespace {
quint64 nextStamp()
{
    static quint64 stamp = 0;
    return ++stamp;
}
}   // namespace

double Paragraph::largestSize(const CharFormat &mark) const
{
    double size = mark.size;
    for (const Run &run : runs)
        size = std::max(size, run.format.size);
    return size;
}

QString cleanText(const QString &text, bool keepParagraphControls)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += ch;
            out += text.at(++i);
            continue;
        }
        if (ch.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u < 0x20) {
            const bool paragraphControl = u == '\r' || u == '\n' || u == '\f';
            if (u != '\t' && u != '\v' && !(keepParagraphControls && paragraphControl))
                continue;
        }
        out += ch;
    }
    return out;
}

DocumentModel::DocumentModel()
{
    m_blocks.emplace_back(Paragraph{});
}

Paragraph &DocumentModel::last()
{
    return std::get<Paragraph>(m_blocks.back());
}

const CharFormat &DocumentModel::markOf(size_t i) const
{
    if (i + 1 == m_blocks.size())
        return m_format;
    return std::get<Paragraph>(m_blocks[i]).mark;
}

void DocumentModel::closeParagraph()
{
    Paragraph &ended = last();
    ended.mark = m_format;
    Paragraph next;
    next.alignment = ended.alignment;   // a new paragraph keeps the paragraph format, as after Enter
    next.keepWithNext = ended.keepWithNext;
    next.mark = m_format;
    m_blocks.emplace_back(std::move(next));
}

void DocumentModel::appendRunText(const QString &text)
{
    Paragraph &p = last();
    if (!p.runs.empty() && p.runs.back().format == m_format && p.runs.back().field == Field::None)
        p.runs.back().text += text;
    else
        p.runs.push_back(Run{text, m_format});
}

void DocumentModel::appendText(const QString &raw)
{
    const QString text = cleanText(raw, true);
    QString pending;
    const auto flush = [&] {
        if (!pending.isEmpty()) {
            appendRunText(pending);
            pending.clear();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            flush();
            closeParagraph();
        } else if (ch == u'\f') {
            // A paragraph holding only a page break vanishes in some readers, so the break is
            // carried by the paragraph that follows it.
            flush();
            if (!last().isEmpty())
                closeParagraph();
            last().pageBreakBefore = true;
        } else {
            pending += ch;
        }
    }
    flush();
    ++m_revision;
}

void DocumentModel::openParagraphAtEnd()
{
    if (!last().isEmpty()) {
        closeParagraph();
        ++m_revision;
    }
}

int DocumentModel::appendField(Field field, const QString &result)
{
    Paragraph &p = last();
    p.runs.push_back(Run{cleanText(result, false), m_format, field});
    m_fields.emplace_back(m_blocks.size() - 1, p.runs.size() - 1);
    ++m_revision;
    return fieldCount();
}

const Run *DocumentModel::field(int k) const
{
    if (k < 1 || k > fieldCount())
        return nullptr;
    const auto [block, run] = m_fields[size_t(k - 1)];
    return &std::get<Paragraph>(m_blocks[block]).runs[run];
}

bool DocumentModel::setFieldResult(int k, const QString &result)
{
    if (k < 1 || k > fieldCount())
        return false;
    const auto [block, run] = m_fields[size_t(k - 1)];
    QString &text = std::get<Paragraph>(m_blocks[block]).runs[run].text;
    const QString clean = cleanText(result, false);
    if (text != clean) {
        text = clean;
        ++m_revision;
    }
    return true;
}

const Table *DocumentModel::table(int k) const
{
    if (k < 1 || k > tableCount())
        return nullptr;
    return &std::get<Table>(m_blocks[m_tableBlocks[size_t(k - 1)]]);
}

Table *DocumentModel::editTable(int k)
{
    if (k < 1 || k > tableCount())
        return nullptr;
    ++m_revision;
    Table *t = &std::get<Table>(m_blocks[m_tableBlocks[size_t(k - 1)]]);
    t->stamp = nextStamp();
    return t;
}

int DocumentModel::addTable(int rows, int cols)
{
    const Paragraph &end = last();
    const int alignment = end.alignment;
    const bool keepWithNext = end.keepWithNext;
    const bool afterTable = m_blocks.size() >= 2
            && std::holds_alternative<Table>(m_blocks[m_blocks.size() - 2]);
    // An empty last paragraph becomes the table, as in Word; one with text (or a page break)
    // stays before it, and so does the empty paragraph that keeps two tables apart.
    if (end.isEmpty() && !end.pageBreakBefore && !afterTable)
        m_blocks.pop_back();
    else
        last().mark = m_format;

    Table table;
    table.rows = std::max(rows, 1);
    table.cols = std::max(cols, 1);
    table.cells.resize(size_t(table.rows * table.cols));
    table.fontName = m_format.name;
    table.fontSize = m_format.size;
    table.columnAlignment.assign(size_t(table.cols), alignment);
    table.stamp = nextStamp();
    m_tableBlocks.push_back(m_blocks.size());
    m_blocks.emplace_back(std::move(table));

    Paragraph after;
    after.alignment = alignment;
    after.keepWithNext = keepWithNext;
    after.mark = m_format;
    m_blocks.emplace_back(std::move(after));
    ++m_revision;
    return tableCount();
}

bool DocumentModel::setCellText(int k, int row, int col, const QString &text)
{
    Table *t = editTable(k);
    if (!t || row < 1 || row > t->rows || col < 1 || col > t->cols)
        return false;
    QString cell = cleanText(text, true);
    cell.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    cell.replace(u'\n', u'\r');
    cell.remove(u'\f');   // a page break cannot stand inside a table cell
    t->cell(row - 1, col - 1) = cell;
    return true;
}

void DocumentModel::setAlignmentAll(int alignment)
{
    for (Block &block : m_blocks) {
        if (auto *p = std::get_if<Paragraph>(&block))
            p->alignment = alignment;
        else
            std::get<Table>(block).columnAlignment.assign(
                    std::get<Table>(block).columnAlignment.size(), alignment);
    }
    ++m_revision;
}

void DocumentModel::setColumnAlignment(int k, int col, int alignment)
{
    Table *t = editTable(k);
    if (t && col >= 1 && col <= t->cols)
        t->columnAlignment[size_t(col - 1)] = alignment;
}

void DocumentModel::setEndAlignment(int alignment)
{
    last().alignment = alignment;
    ++m_revision;
}

void DocumentModel::setEndKeepWithNext(bool keep)
{
    last().keepWithNext = keep;
    ++m_revision;
}

QString DocumentModel::text() const
{
    QString out;
    for (const Block &block : m_blocks) {
        if (const auto *p = std::get_if<Paragraph>(&block)) {
            for (const Run &run : p->runs)
                out += run.text;
            out += u'\r';
        } else {
            for (const QString &cell : std::get<Table>(block).cells)
                out += cell + u'\a';
        }
    }
    return out;
}

}   // namespace word
