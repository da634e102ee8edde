#include "runtime/ArchiveRecord.h"
#include "runtime/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <string>

namespace {

const char Utf8Bom[] = "\xEF\xBB\xBF";

// Even the combined archive holds a few hundred fields; a cap keeps a hostile file of
// millions of empty fields from eating memory.
constexpr qsizetype MaxFields = 1000000;

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves unassigned map to the
// control character of the same value, as Windows itself does, so that they survive a round trip.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *dst++ = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

// The Windows-1252 byte of a character; -1 when the code page cannot hold it.
int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (Cp1252High[i] == c)
            return 0x80 + i;
    }
    return -1;
}

// Encodes into Windows-1252; false when some character does not fit.
bool encodeCp1252(const QString &text, QByteArray &out)
{
    out.resize(text.size());
    char *dst = out.data();
    for (const QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0)
            return false;
        *dst++ = char(b);
    }
    return true;
}

QString numberField(double number, bool single)
{
    if (!std::isfinite(number))
        return QString();   // no readable form: kept as a value never set rather than a damaged file
    if (number == 0)
        return QStringLiteral("0");
    char buf[64];
    std::to_chars_result res;
    // Plain decimals in the usual range, an exponent only for the extremes; both in the shortest
    // form that reads back as the same value.
    const double magnitude = std::fabs(number);
    const auto format = (magnitude >= 1e-5 && magnitude < 1e15) ? std::chars_format::fixed
                                                                 : std::chars_format::scientific;
    if (single)
        res = std::to_chars(buf, buf + sizeof buf, float(number), format);
    else
        res = std::to_chars(buf, buf + sizeof buf, number, format);
    QString out = QString::fromLatin1(buf, res.ptr - buf);
    out.replace(QLatin1Char('e'), QLatin1Char('E'));
    return out;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// A bare field: decimal point, optional sign and exponent; no infinities, no NaN.
bool parseBareNumber(const QString &token, double &value)
{
    std::string s;
    s.reserve(token.size());
    for (const QChar c : token) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || u == '.' || u == '-' || u == '+' || u == 'e' || u == 'E'))
            return false;
        s += char(u);
    }
    const char *first = s.data();
    const char *last = s.data() + s.size();
    if (first != last && *first == '+')
        ++first;
    const auto res = std::from_chars(first, last, value);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(value))
        return false;
    if (value == 0)
        value = 0;   // no negative zero
    return true;
}

// The number of the line a text's last byte stands on, counting CR LF, LF and a lone CR alike
// as one line end, as the reader does.
int lastLineNumber(QByteArrayView bytes)
{
    int line = 1;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && bytes[i + 1] != '\n'))
            ++line;
    }
    return line;
}

// A text without a byte-order mark: UTF-8 when it is valid UTF-8, otherwise Windows-1252. A
// Windows-1252 text with accented letters is practically never valid UTF-8 (an accented letter
// would have to be followed by just the right symbols), while an editor that saves the file
// again commonly writes UTF-8 without the mark. A text of plain ASCII reads the same either way.
QString decodeUnmarked(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

QString lineError(int line, const QString &what)
{
    return QStringLiteral("Il file non è un archivio valido (riga %1): %2.").arg(line).arg(what);
}

} // namespace

// ---------------------------------------------------------------------------------------------

void ArchiveWriter::add(const Variant &value)
{
    switch (value.kind()) {
    case Variant::Kind::Text:
        addText(value.rawText());
        break;
    case Variant::Kind::Number:
        m_fields.append(numberField(value.rawNumber(), value.isSingle()));
        break;
    case Variant::Kind::Empty:
        addEmpty();
        break;
    }
}

void ArchiveWriter::addText(const QString &text)
{
    QString field = text;
    field.remove(QChar(0));   // a file holding NUL bytes is rejected as binary when read back
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    m_fields.append(QLatin1Char('"') + field + QLatin1Char('"'));
}

void ArchiveWriter::addNumber(double number)
{
    m_fields.append(numberField(number, false));
}

void ArchiveWriter::addEmpty()
{
    m_fields.append(QString());
}

void ArchiveWriter::endRecord()
{
    m_records.append(m_fields.join(QLatin1Char(',')));
    m_fields.clear();
}

QByteArray ArchiveWriter::bytes() const
{
    QString text;
    for (const QString &record : m_records) {
        text += record;
        text += QLatin1String("\r\n");
    }
    if (!m_fields.isEmpty()) {
        text += m_fields.join(QLatin1Char(','));
        text += QLatin1String("\r\n");
    }
    QByteArray out;
    if (encodeCp1252(text, out))
        return out;
    return QByteArray(Utf8Bom) + text.toUtf8();
}

bool ArchiveWriter::save(const QString &path, QString *error) const
{
    const QByteArray data = bytes();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writeAndCommit(file, data)) {
        if (error)
            *error = QStringLiteral("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

std::optional<QByteArray> readArchiveFile(const QString &path, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Impossibile aprire il file %1.").arg(shown);
        return std::nullopt;
    }
    const QByteArray data = file.read(ArchiveReader::MaxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Impossibile leggere il file %1.").arg(shown);
        return std::nullopt;
    }
    return data;
}

bool ArchiveReader::load(const QString &path, QString *error)
{
    m_records.clear();
    rewind();
    m_total = 0;
    const std::optional<QByteArray> data = readArchiveFile(path, error);
    return data && parse(*data, error);
}

bool ArchiveReader::parse(const QByteArray &bytes, QString *error, LastLine lastLine)
{
    m_records.clear();
    rewind();
    m_total = 0;
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };

    if (bytes.size() > MaxSize)
        return fail(QStringLiteral("Il file è troppo grande per essere un archivio."));
    if (bytes.contains('\0'))
        return fail(QStringLiteral("Il file non è un archivio valido: contiene dati binari."));

    const bool marked = bytes.startsWith(Utf8Bom);
    const QByteArrayView body = QByteArrayView(bytes).sliced(marked ? 3 : 0);
    // Line ends are single bytes in both encodings: a cut file is told before its text is read.
    if (lastLine == LastLine::MustEnd && !body.isEmpty() && body.back() != '\n' && body.back() != '\r')
        return fail(QStringLiteral("Il file è incompleto, si interrompe a metà della riga %1.")
                        .arg(lastLineNumber(body)));

    QString s;
    if (marked) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        s = decoder(body);
        if (decoder.hasError())
            return fail(QStringLiteral("Il file non è un archivio valido: il testo UTF-8 è danneggiato."));
    } else {
        s = decodeUnmarked(body);
    }

    QList<QList<Variant>> records;
    QList<Variant> current;
    int line = 1;
    qsizetype fieldCount = 0;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(s[i]))
            ++i;
        Variant field;
        if (i < n && s[i] == QLatin1Char('"')) {
            const int openedAt = line;
            QString text;
            ++i;
            for (;;) {
                if (i >= n)
                    return fail(lineError(openedAt, QStringLiteral("virgolette non chiuse")));
                const QChar c = s[i];
                if (c == QLatin1Char('"')) {
                    if (i + 1 < n && s[i + 1] == QLatin1Char('"')) {
                        text += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !(i + 1 < n && s[i + 1] == QLatin1Char('\n'))))
                    ++line;
                text += c;
                ++i;
            }
            while (i < n && isBlank(s[i]))
                ++i;
            if (i < n && !isSeparator(s[i]))
                return fail(lineError(line, QStringLiteral("caratteri dopo le virgolette di chiusura")));
            field = Variant(text);
        } else {
            const qsizetype start = i;
            while (i < n && !isSeparator(s[i]))
                ++i;
            qsizetype end = i;
            while (end > start && isBlank(s[end - 1]))
                --end;
            if (end > start) {
                double number = 0;
                if (!parseBareNumber(s.mid(start, end - start), number))
                    return fail(lineError(line, QStringLiteral("un valore senza virgolette non è un numero")));
                field = Variant(number);
            }
        }
        current.append(field);
        if (++fieldCount > MaxFields)
            return fail(QStringLiteral("Il file è troppo grande per essere un archivio."));

        if (i >= n)
            break;   // last line without its line end
        if (s[i] == QLatin1Char(',')) {
            ++i;
            if (i >= n)
                current.append(Variant());   // a trailing comma ends with a value never set
            continue;
        }
        if (s[i] == QLatin1Char('\r') && i + 1 < n && s[i + 1] == QLatin1Char('\n'))
            ++i;
        ++i;
        ++line;
        records.append(current);
        current.clear();
    }
    if (!current.isEmpty())
        records.append(current);

    m_records = std::move(records);
    for (const auto &record : std::as_const(m_records))
        m_total += int(record.size());
    return true;
}

void ArchiveReader::setRecords(QList<QList<Variant>> records)
{
    m_records = std::move(records);
    rewind();
    m_total = 0;
    for (const auto &record : std::as_const(m_records))
        m_total += int(record.size());
}

bool ArchiveReader::next(Variant &out)
{
    while (m_record < m_records.size() && m_field >= m_records[m_record].size()) {
        ++m_record;
        m_field = 0;
    }
    if (m_record >= m_records.size())
        return false;
    out = m_records[m_record][m_field++];
    ++m_taken;
    return true;
}

int ArchiveReader::remaining() const
{
    return m_total - m_taken;
}

void ArchiveReader::rewind()
{
    m_record = 0;
    m_field = 0;
    m_taken = 0;
}

QString motivoDopoDuePunti(QString motivo)
{
    motivo = motivo.trimmed();
    while (motivo.endsWith(QLatin1Char('.')))
        motivo.chop(1);
    if (motivo.isEmpty())
        return QStringLiteral("il contenuto non corrisponde");
    if (motivo.size() > 1 && motivo[0].isUpper() && motivo[1].isLower())
        motivo[0] = motivo[0].toLower();
    return motivo;
}
