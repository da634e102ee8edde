#include "support/DocxReader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zip.h>

namespace docx {

namespace {

const QStringList kParagraphOrder = {
    "pStyle", "keepNext", "keepLines", "pageBreakBefore", "framePr", "widowControl", "numPr",
    "suppressLineNumbers", "pBdr", "shd", "tabs", "suppressAutoHyphens", "kinsoku", "wordWrap",
    "overflowPunct", "topLinePunct", "autoSpaceDE", "autoSpaceDN", "bidi", "adjustRightInd",
    "snapToGrid", "spacing", "ind", "contextualSpacing", "mirrorIndents", "suppressOverlap", "jc",
    "textDirection", "textAlignment", "textboxTightWrap", "outlineLvl", "divId", "cnfStyle", "rPr",
    "sectPr", "pPrChange"};
const QStringList kRunOrder = {
    "rStyle", "rFonts", "b", "bCs", "i", "iCs", "caps", "smallCaps", "strike", "dstrike", "outline",
    "shadow", "emboss", "imprint", "noProof", "snapToGrid", "vanish", "webHidden", "color",
    "spacing", "w", "kern", "position", "sz", "szCs", "highlight", "u", "effect", "bdr", "shd",
    "fitText", "vertAlign", "rtl", "cs", "em", "lang", "eastAsianLayout", "specVanish", "oMath"};
const QStringList kTableOrder = {
    "tblStyle", "tblpPr", "tblOverlap", "bidiVisual", "tblStyleRowBandSize", "tblStyleColBandSize",
    "tblW", "jc", "tblCellSpacing", "tblInd", "tblBorders", "shd", "tblLayout", "tblCellMar",
    "tblLook"};
const QStringList kCellOrder = {
    "cnfStyle", "tcW", "gridSpan", "hMerge", "vMerge", "tcBorders", "shd", "noWrap", "tcMar",
    "textDirection", "tcFitText", "vAlign", "hideMark"};
const QStringList kBorderOrder = {"top", "left", "bottom", "right", "insideH", "insideV"};
const QStringList kSectionOrder = {
    "headerReference", "footerReference", "footnotePr", "endnotePr", "type", "pgSz", "pgMar",
    "paperSrc", "pgBorders", "lnNumType", "pgNumType", "cols", "formProt", "vAlign", "noEndnote",
    "titlePg", "textDirection", "bidi", "rtlGutter", "docGrid", "printerSettings"};

QString attr(const QXmlStreamReader &x, const char *name)
{
    return x.attributes().value(QLatin1String("w:") + QLatin1String(name)).toString();
}

bool onOff(const QXmlStreamReader &x)
{
    const QString v = attr(x, "val");
    return v.isEmpty() || v == "1" || v == "true" || v == "on";
}

class Parser
{
public:
    explicit Parser(Document &d) : doc(d) {}

    void parse(const QByteArray &xml)
    {
        QXmlStreamReader x(xml);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.qualifiedName() == QLatin1String("w:body"))
                body(x);
        }
        if (x.hasError())
            doc.problems << "word/document.xml: " + x.errorString();
    }

private:
    // Children of one properties element, checked against the schema's sequence.
    void checkOrder(const QString &element, const QStringList &children, const QStringList &order)
    {
        int at = -1;
        for (const QString &child : children) {
            const int i = int(order.indexOf(child));
            if (i < 0)
                doc.problems << element + ": unknown child " + child;
            else if (i < at)
                doc.problems << element + ": " + child + " out of order (" + children.join(',') + ")";
            at = std::max(at, i);
        }
    }

    void body(QXmlStreamReader &x)
    {
        QStringList children;
        while (x.readNextStartElement()) {
            children << x.name().toString();
            Block b;
            if (x.name() == QLatin1String("p")) {
                b.paragraph = paragraph(x);
                doc.blocks.push_back(b);
            } else if (x.name() == QLatin1String("tbl")) {
                b.isTable = true;
                b.table = table(x);
                doc.blocks.push_back(b);
            } else if (x.name() == QLatin1String("sectPr")) {
                section(x);
            } else {
                x.skipCurrentElement();
            }
        }
        if (children.isEmpty() || children.last() != "sectPr")
            doc.problems << "body: sectPr is not last";
    }

    void section(QXmlStreamReader &x)
    {
        QStringList children;
        while (x.readNextStartElement()) {
            children << x.name().toString();
            if (x.name() == QLatin1String("pgSz")) {
                doc.pageWidth = attr(x, "w").toInt();
                doc.pageHeight = attr(x, "h").toInt();
            } else if (x.name() == QLatin1String("pgMar")) {
                doc.margins = {attr(x, "top").toInt(), attr(x, "right").toInt(),
                               attr(x, "bottom").toInt(), attr(x, "left").toInt()};
            }
            x.skipCurrentElement();
        }
        checkOrder("sectPr", children, kSectionOrder);
    }

    void runProperties(QXmlStreamReader &x, Run &r)
    {
        QStringList children;
        while (x.readNextStartElement()) {
            children << x.name().toString();
            if (x.name() == QLatin1String("rFonts"))
                r.font = attr(x, "ascii");
            else if (x.name() == QLatin1String("b"))
                r.bold = onOff(x);
            else if (x.name() == QLatin1String("sz"))
                r.size = attr(x, "val").toDouble() / 2.0;
            else if (x.name() == QLatin1String("color"))
                r.colour = attr(x, "val");
            x.skipCurrentElement();
        }
        checkOrder("rPr", children, kRunOrder);
    }

    Run run(QXmlStreamReader &x)
    {
        Run r;
        while (x.readNextStartElement()) {
            if (x.name() == QLatin1String("rPr")) {
                runProperties(x, r);
            } else if (x.name() == QLatin1String("t")) {
                r.text += x.readElementText();
            } else {
                if (x.name() == QLatin1String("tab"))
                    r.text += u'\t';
                else if (x.name() == QLatin1String("br"))
                    r.text += u'\v';
                x.skipCurrentElement();
            }
        }
        return r;
    }

    Paragraph paragraph(QXmlStreamReader &x)
    {
        Paragraph p;
        while (x.readNextStartElement()) {
            if (x.name() == QLatin1String("pPr")) {
                QStringList children;
                while (x.readNextStartElement()) {
                    children << x.name().toString();
                    if (x.name() == QLatin1String("pageBreakBefore")) {
                        p.pageBreakBefore = onOff(x);
                    } else if (x.name() == QLatin1String("keepNext")) {
                        p.keepNext = onOff(x);
                    } else if (x.name() == QLatin1String("spacing")) {
                        p.line = attr(x, "line").toInt();
                        p.lineRule = attr(x, "lineRule");
                    } else if (x.name() == QLatin1String("jc")) {
                        p.jc = attr(x, "val");
                    } else if (x.name() == QLatin1String("rPr")) {
                        Run mark;
                        runProperties(x, mark);
                        p.markSize = mark.size;
                        continue;
                    }
                    x.skipCurrentElement();
                }
                checkOrder("pPr", children, kParagraphOrder);
            } else if (x.name() == QLatin1String("r")) {
                p.runs.push_back(run(x));
            } else if (x.name() == QLatin1String("fldSimple")) {
                const QString instr = attr(x, "instr");
                while (x.readNextStartElement()) {
                    if (x.name() == QLatin1String("r")) {
                        p.runs.push_back(run(x));
                        p.runs.back().field = instr;
                    } else {
                        x.skipCurrentElement();
                    }
                }
            } else {
                x.skipCurrentElement();
            }
        }
        return p;
    }

    Cell cell(QXmlStreamReader &x)
    {
        Cell c;
        QStringList children;
        while (x.readNextStartElement()) {
            children << x.name().toString();
            if (x.name() == QLatin1String("tcPr")) {
                QStringList props;
                while (x.readNextStartElement()) {
                    props << x.name().toString();
                    if (x.name() == QLatin1String("tcW"))
                        c.width = attr(x, "w").toInt();
                    else if (x.name() == QLatin1String("shd"))
                        c.fill = attr(x, "fill");
                    x.skipCurrentElement();
                }
                checkOrder("tcPr", props, kCellOrder);
            } else if (x.name() == QLatin1String("p")) {
                c.paragraphs.push_back(paragraph(x));
            } else {
                x.skipCurrentElement();
            }
        }
        if (c.paragraphs.empty())
            doc.problems << "tc: a cell without a paragraph";
        if (!children.isEmpty() && children.indexOf("tcPr") > 0)
            doc.problems << "tc: tcPr is not first";
        return c;
    }

    Table table(QXmlStreamReader &x)
    {
        Table t;
        QStringList children;
        while (x.readNextStartElement()) {
            children << x.name().toString();
            if (x.name() == QLatin1String("tblPr")) {
                QStringList props;
                while (x.readNextStartElement()) {
                    props << x.name().toString();
                    if (x.name() == QLatin1String("tblInd"))
                        t.indent = attr(x, "w").toInt();
                    if (x.name() == QLatin1String("tblBorders")) {
                        while (x.readNextStartElement()) {
                            t.borders << x.name().toString();
                            x.skipCurrentElement();
                        }
                        checkOrder("tblBorders", t.borders, kBorderOrder);
                        continue;
                    }
                    x.skipCurrentElement();
                }
                checkOrder("tblPr", props, kTableOrder);
            } else if (x.name() == QLatin1String("tblGrid")) {
                while (x.readNextStartElement()) {
                    t.grid.push_back(attr(x, "w").toInt());
                    x.skipCurrentElement();
                }
            } else if (x.name() == QLatin1String("tr")) {
                std::vector<Cell> row;
                while (x.readNextStartElement()) {
                    if (x.name() == QLatin1String("tc"))
                        row.push_back(cell(x));
                    else
                        x.skipCurrentElement();
                }
                t.rows.push_back(row);
            } else {
                x.skipCurrentElement();
            }
        }
        if (children.size() < 2 || children[0] != "tblPr" || children[1] != "tblGrid")
            doc.problems << "tbl: tblPr and tblGrid must come first";
        return t;
    }

    Document &doc;
};

}   // namespace

QString Paragraph::text() const
{
    QString out;
    for (const Run &r : runs)
        out += r.text;
    return out;
}

QString Cell::text() const
{
    QStringList texts;
    for (const Paragraph &p : paragraphs)
        texts << p.text();
    return texts.join(u'\r');
}

std::vector<const Paragraph *> Document::paragraphs() const
{
    std::vector<const Paragraph *> out;
    for (const Block &b : blocks) {
        if (!b.isTable)
            out.push_back(&b.paragraph);
    }
    return out;
}

std::vector<const Table *> Document::tables() const
{
    std::vector<const Table *> out;
    for (const Block &b : blocks) {
        if (b.isTable)
            out.push_back(&b.table);
    }
    return out;
}

QStringList Document::texts() const
{
    QStringList out;
    for (const Paragraph *p : paragraphs())
        out << p->text();
    return out;
}

int Document::indexOfText(const QString &text) const
{
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (!blocks[i].isTable && blocks[i].paragraph.text() == text)
            return int(i);
    }
    return -1;
}

QByteArray readPart(const QString &path, const QString &part)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return {};
    QByteArray out;
    zip_stat_t st;
    if (zip_stat(archive, part.toUtf8().constData(), 0, &st) == 0) {
        if (zip_file_t *f = zip_fopen(archive, part.toUtf8().constData(), 0)) {
            out.resize(qsizetype(st.size));
            if (zip_fread(f, out.data(), st.size) != zip_int64_t(st.size))
                out.clear();
            zip_fclose(f);
        }
    }
    zip_close(archive);
    return out;
}

Document read(const QString &path)
{
    Document doc;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        doc.error = QStringLiteral("not a zip package (libzip error %1)").arg(error);
        return doc;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        doc.parts << QString::fromUtf8(zip_get_name(archive, zip_uint64_t(i), 0));
    zip_close(archive);

    for (const QString &part : doc.parts) {
        QXmlStreamReader x(readPart(path, part));
        while (!x.atEnd())
            x.readNext();
        if (x.hasError())
            doc.problems << part + ": " + x.errorString();
    }
    const QByteArray xml = readPart(path, QStringLiteral("word/document.xml"));
    if (xml.isEmpty()) {
        doc.error = QStringLiteral("no word/document.xml");
        return doc;
    }
    Parser(doc).parse(xml);
    return doc;
}

}   // namespace docx
