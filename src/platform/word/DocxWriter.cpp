#include "DocxWriter.h"

#include "PageSetup.h"

#include <QDateTime>
#include <QXmlStreamWriter>

#include <zip.h>

#include <cmath>

namespace word {

namespace {

const QString kW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");

// The look of Word's table format 9 ("Colorful 2") as this layer draws it: a dark header row
// with white bold text, light bands on every other row below it, thin borders.
const QString kHeaderFill = QStringLiteral("1F4E79");
const QString kBandFill = QStringLiteral("DDEBF7");
const QString kHeaderText = QStringLiteral("FFFFFF");
const QString kColourBorder = QStringLiteral("5B9BD5");
const QString kPlainBorder = QStringLiteral("auto");

QString twips(long long value)
{
    return QString::number(value);
}

QString halfPoints(double size)
{
    return QString::number(std::lround(size * 2.0));
}

const char *justification(int alignment)
{
    switch (alignment) {
    case Left: return "left";
    case Center: return "center";
    case Right: return "right";
    case Justify: return "both";
    default: return nullptr;
    }
}

class BodyWriter
{
public:
    explicit BodyWriter(QByteArray *out) : x(out) {}

    void write(const DocumentModel &document)
    {
        x.setAutoFormatting(false);
        x.writeStartDocument(QStringLiteral("1.0"), true);
        x.writeStartElement(QStringLiteral("w:document"));
        x.writeAttribute(QStringLiteral("xmlns:w"), kW);
        x.writeStartElement(QStringLiteral("w:body"));
        const auto &blocks = document.blocks();
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (const auto *p = std::get_if<Paragraph>(&blocks[i]))
                paragraph(*p, document.markOf(i), keptWithNext(document, i));
            else
                table(std::get<Table>(blocks[i]));
        }
        section();
        x.writeEndElement();   // body
        x.writeEndElement();   // document
        x.writeEndDocument();
    }

private:
    // Element order inside w:pPr, w:rPr, w:tblPr and w:tcPr follows the schema: Word rejects
    // a document whose properties stand in another order.
    void runProperties(const CharFormat &f, const QString &colour = QString())
    {
        x.writeStartElement(QStringLiteral("w:rPr"));
        x.writeEmptyElement(QStringLiteral("w:rFonts"));
        x.writeAttribute(QStringLiteral("w:ascii"), f.name);
        x.writeAttribute(QStringLiteral("w:hAnsi"), f.name);
        x.writeAttribute(QStringLiteral("w:eastAsia"), f.name);
        x.writeAttribute(QStringLiteral("w:cs"), f.name);
        if (f.bold) {
            x.writeEmptyElement(QStringLiteral("w:b"));
            x.writeEmptyElement(QStringLiteral("w:bCs"));
        }
        if (!colour.isEmpty()) {
            x.writeEmptyElement(QStringLiteral("w:color"));
            x.writeAttribute(QStringLiteral("w:val"), colour);
        }
        x.writeEmptyElement(QStringLiteral("w:sz"));
        x.writeAttribute(QStringLiteral("w:val"), halfPoints(f.size));
        x.writeEmptyElement(QStringLiteral("w:szCs"));
        x.writeAttribute(QStringLiteral("w:val"), halfPoints(f.size));
        x.writeEndElement();
    }

    void paragraphProperties(bool pageBreakBefore, double largestSize, int alignment,
                             const CharFormat &mark, const QString &colour = QString(), bool keepNext = false)
    {
        x.writeStartElement(QStringLiteral("w:pPr"));
        if (keepNext)
            x.writeEmptyElement(QStringLiteral("w:keepNext"));
        if (pageBreakBefore)
            x.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
        x.writeEmptyElement(QStringLiteral("w:spacing"));
        x.writeAttribute(QStringLiteral("w:before"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("w:line"), twips(lineSpacing(largestSize)));
        x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("exact"));
        if (const char *jc = justification(alignment)) {
            x.writeEmptyElement(QStringLiteral("w:jc"));
            x.writeAttribute(QStringLiteral("w:val"), QLatin1String(jc));
        }
        runProperties(mark, colour);
        x.writeEndElement();
    }

    void run(const QString &text, const CharFormat &f, const QString &colour = QString())
    {
        x.writeStartElement(QStringLiteral("w:r"));
        runProperties(f, colour);
        qsizetype start = 0;
        const auto flush = [&](qsizetype end) {
            if (end > start) {
                x.writeStartElement(QStringLiteral("w:t"));
                x.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
                x.writeCharacters(text.mid(start, end - start));
                x.writeEndElement();
            }
            start = end + 1;
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u'\t') {
                flush(i);
                x.writeEmptyElement(QStringLiteral("w:tab"));
            } else if (text.at(i) == u'\v') {
                flush(i);
                x.writeEmptyElement(QStringLiteral("w:br"));
            }
        }
        flush(text.size());
        x.writeEndElement();
    }

    void paragraph(const Paragraph &p, const CharFormat &mark, bool keepNext)
    {
        x.writeStartElement(QStringLiteral("w:p"));
        paragraphProperties(p.pageBreakBefore, p.largestSize(mark), p.alignment, mark, QString(), keepNext);
        for (const Run &r : p.runs) {
            if (r.field == Field::NumPages) {
                // The reader's word processor works the count out as it lays the pages out;
                // one that does not update fields shows the stored result.
                x.writeStartElement(QStringLiteral("w:fldSimple"));
                x.writeAttribute(QStringLiteral("w:instr"), QStringLiteral(" NUMPAGES "));
                run(r.text, r.format);
                x.writeEndElement();
            } else {
                run(r.text, r.format);
            }
        }
        x.writeEndElement();
    }

    void border(const QString &side, const QString &colour)
    {
        x.writeEmptyElement(side);
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("single"));
        x.writeAttribute(QStringLiteral("w:sz"), QString::number(kBorder));
        x.writeAttribute(QStringLiteral("w:space"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("w:color"), colour);
    }

    void table(const Table &t)
    {
        const TableGeometry geometry = tableGeometry(t);
        const std::vector<int> &widths = geometry.widths;
        const bool colourful = t.autoFormat != 0;
        const QString &borderColour = colourful ? kColourBorder : kPlainBorder;

        x.writeStartElement(QStringLiteral("w:tbl"));
        x.writeStartElement(QStringLiteral("w:tblPr"));
        x.writeEmptyElement(QStringLiteral("w:tblW"));
        x.writeAttribute(QStringLiteral("w:w"), twips(geometry.width()));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        if (geometry.indent != 0) {
            x.writeEmptyElement(QStringLiteral("w:tblInd"));
            x.writeAttribute(QStringLiteral("w:w"), twips(geometry.indent));
            x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        }
        x.writeStartElement(QStringLiteral("w:tblBorders"));
        for (const char *side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
            border(QLatin1String(side), borderColour);
        x.writeEndElement();
        x.writeEmptyElement(QStringLiteral("w:tblLayout"));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
        x.writeStartElement(QStringLiteral("w:tblCellMar"));
        for (const char *side : {"w:left", "w:right"}) {
            x.writeEmptyElement(QLatin1String(side));
            x.writeAttribute(QStringLiteral("w:w"), twips(geometry.cellMargin));
            x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        }
        x.writeEndElement();
        x.writeEndElement();   // tblPr

        x.writeStartElement(QStringLiteral("w:tblGrid"));
        for (int w : widths) {
            x.writeEmptyElement(QStringLiteral("w:gridCol"));
            x.writeAttribute(QStringLiteral("w:w"), twips(w));
        }
        x.writeEndElement();

        const double spacingSize = t.fontSize;
        for (int r = 0; r < t.rows; ++r) {
            const bool header = colourful && r == 0;
            const bool band = colourful && r > 0 && r % 2 == 1;
            const CharFormat format{t.fontName, t.fontSize, t.cellBold(r)};
            const QString colour = header ? kHeaderText : QString();
            // Word keeps a row with the next one when every paragraph of it is kept with the next.
            const bool keepNext = r == 0 && t.headerKeptWithNext();
            x.writeStartElement(QStringLiteral("w:tr"));
            if (!t.rowsBreakAcrossPages) {
                x.writeStartElement(QStringLiteral("w:trPr"));
                x.writeEmptyElement(QStringLiteral("w:cantSplit"));
                x.writeEndElement();
            }
            for (int c = 0; c < t.cols; ++c) {
                x.writeStartElement(QStringLiteral("w:tc"));
                x.writeStartElement(QStringLiteral("w:tcPr"));
                x.writeEmptyElement(QStringLiteral("w:tcW"));
                x.writeAttribute(QStringLiteral("w:w"), twips(widths[size_t(c)]));
                x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
                if (header || band) {
                    x.writeEmptyElement(QStringLiteral("w:shd"));
                    x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("clear"));
                    x.writeAttribute(QStringLiteral("w:color"), QStringLiteral("auto"));
                    x.writeAttribute(QStringLiteral("w:fill"), header ? kHeaderFill : kBandFill);
                }
                x.writeEndElement();   // tcPr
                const int alignment = t.columnAlignment[size_t(c)];
                // A cell holds at least one paragraph; '\r' separates further ones.
                for (QStringView text : QStringView(t.cell(r, c)).split(u'\r')) {
                    x.writeStartElement(QStringLiteral("w:p"));
                    paragraphProperties(false, spacingSize, alignment, format, colour, keepNext);
                    if (!text.isEmpty())
                        run(text.toString(), format, colour);
                    x.writeEndElement();
                }
                x.writeEndElement();   // tc
            }
            x.writeEndElement();   // tr
        }
        x.writeEndElement();   // tbl
    }

    void section()
    {
        x.writeStartElement(QStringLiteral("w:sectPr"));
        x.writeEmptyElement(QStringLiteral("w:pgSz"));
        x.writeAttribute(QStringLiteral("w:w"), twips(kPageWidth));
        x.writeAttribute(QStringLiteral("w:h"), twips(kPageHeight));
        x.writeEmptyElement(QStringLiteral("w:pgMar"));
        for (const char *side : {"w:top", "w:right", "w:bottom", "w:left"})
            x.writeAttribute(QLatin1String(side), twips(kMargin));
        x.writeAttribute(QStringLiteral("w:header"), QStringLiteral("709"));
        x.writeAttribute(QStringLiteral("w:footer"), QStringLiteral("709"));
        x.writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
        x.writeEndElement();
    }

    QXmlStreamWriter x;
};

QByteArray contentTypes()
{
    return QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
            "<Override PartName=\"/word/settings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
            "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
            "</Types>");
}

QByteArray packageRelationships()
{
    return QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
            "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
            "</Relationships>");
}

QByteArray documentRelationships()
{
    return QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
            "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings\" Target=\"settings.xml\"/>"
            "</Relationships>");
}

// Defaults of an empty document as Word had them when the program was written: Times New Roman
// 12 pt, single spacing, no space between paragraphs; Italian for spelling and hyphenation. Lines
// are not held back against widows and orphans: a page ends where it is full, as the page count
// lays it out.
QByteArray styles()
{
    return QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
            "<w:docDefaults>"
            "<w:rPrDefault><w:rPr>"
            "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"Times New Roman\" w:cs=\"Times New Roman\"/>"
            "<w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/>"
            "<w:lang w:val=\"it-IT\" w:eastAsia=\"it-IT\" w:bidi=\"ar-SA\"/>"
            "</w:rPr></w:rPrDefault>"
            "<w:pPrDefault><w:pPr><w:widowControl w:val=\"0\"/><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
            "</w:docDefaults>"
            "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
            "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\"><w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/><w:unhideWhenUsed/></w:style>"
            "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/><w:uiPriority w:val=\"99\"/><w:semiHidden/><w:unhideWhenUsed/>"
            "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr></w:style>"
            "</w:styles>");
}

QByteArray settings()
{
    return QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
            "<w:defaultTabStop w:val=\"708\"/>"
            "<w:hyphenationZone w:val=\"283\"/>"
            "<w:characterSpacingControl w:val=\"doNotCompress\"/>"
            "<w:compat><w:compatSetting w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
            "</w:settings>");
}

QByteArray coreProperties()
{
    const QByteArray now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1();
    return QByteArrayLiteral(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\""
                   " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\""
                   " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
                   "<dc:creator>Vantegra</dc:creator>"
                   "<dcterms:created xsi:type=\"dcterms:W3CDTF\">")
            + now + QByteArrayLiteral("</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">")
            + now + QByteArrayLiteral("</dcterms:modified></cp:coreProperties>");
}

QString zipError(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

// Zips the parts in memory; the caller writes the bytes to disk in one go.
QByteArray zipParts(const std::vector<std::pair<const char *, QByteArray>> &parts, QString *error)
{
    zip_error_t ze;
    zip_error_init(&ze);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &ze);
    if (!buffer) {
        *error = zipError(&ze);
        zip_error_fini(&ze);
        return {};
    }
    zip_source_keep(buffer);   // the archive releases it on close; the bytes are read after that
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &ze);
    if (!archive) {
        *error = zipError(&ze);
        zip_error_fini(&ze);
        zip_source_free(buffer);
        return {};
    }
    zip_error_fini(&ze);

    for (const auto &[name, data] : parts) {
        zip_source_t *source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0)
            zip_source_free(source);   // the archive owns a source only once it is added
        // The parts are markup that compresses well at the fastest level; a report's pages
        // would otherwise take longer to pack than to lay out.
        if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) < 0) {
            *error = QString::fromLocal8Bit(zip_strerror(archive));
            zip_discard(archive);
            zip_source_free(buffer);
            return {};
        }
    }
    if (zip_close(archive) < 0) {
        *error = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(buffer);
        return {};
    }

    QByteArray bytes;
    if (zip_source_open(buffer) == 0) {
        zip_source_seek(buffer, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(buffer);
        zip_source_seek(buffer, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(qsizetype(size));
            if (zip_source_read(buffer, bytes.data(), zip_uint64_t(size)) != size)
                bytes.clear();
        }
        zip_source_close(buffer);
    }
    if (bytes.isEmpty())
        *error = QString::fromLocal8Bit(zip_error_strerror(zip_source_error(buffer)));
    zip_source_free(buffer);
    return bytes;
}

}   // namespace

QByteArray writeDocumentXml(const DocumentModel &document)
{
    QByteArray out;
    out.reserve(4096 + qsizetype(document.blocks().size()) * 400);
    BodyWriter(&out).write(document);
    return out;
}

QByteArray writePackage(const DocumentModel &document, QString *error)
{
    QString ignored;
    const std::vector<std::pair<const char *, QByteArray>> parts = {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", packageRelationships()},
        {"word/document.xml", writeDocumentXml(document)},
        {"word/_rels/document.xml.rels", documentRelationships()},
        {"word/styles.xml", styles()},
        {"word/settings.xml", settings()},
        {"docProps/core.xml", coreProperties()},
    };
    return zipParts(parts, error ? error : &ignored);
}

}   // namespace word
