#include "runtime/Variant.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <cmath>
#include <string>

// Everything here works on ASCII digits with std::to_chars / std::from_chars, which ignore the
// C locale and QLocale alike: the program always reads and writes numbers the Italian way,
// whatever the machine is set to.

namespace {

// Decimal digits of a finite, non-zero magnitude: value = 0.d1d2d3... * 10^(point)
// (so "point" is the number of digits before the decimal comma).
struct Decimal
{
    std::string digits;   // no leading zeros, may have trailing zeros
    int point = 0;
};

// Decimal digits rounded to `significant` digits (correctly rounded from the binary value).
Decimal decimalDigits(double magnitude, int significant)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   significant - 1);
    const std::string s(buf, res.ptr);
    Decimal d;
    const auto e = s.find('e');
    for (size_t i = 0; i < e; ++i) {
        if (s[i] != '.')
            d.digits += s[i];
    }
    d.point = std::stoi(s.substr(e + 1)) + 1;
    return d;
}

void stripTrailingZeros(std::string &digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// Rounds |value| to `decimals` decimals, half away from zero, working on the value as it reads
// with 15 significant digits: 0.125, 1.005 and 2.675 round up as written on paper, and the noise
// of binary arithmetic (1234.4999999999998) does not turn a written .5 into a round-down.
// Returns the integer-part digits and exactly `decimals` fraction digits.
void roundDecimal(double magnitude, int decimals, std::string &intPart, std::string &fracPart)
{
    intPart = "0";
    fracPart.assign(decimals, '0');
    if (magnitude == 0)
        return;
    const Decimal d = decimalDigits(magnitude, 15);
    // All digits as a fixed string with `decimals` fraction digits plus one for rounding.
    const int keep = d.point + decimals;   // digits kept left of the rounding position
    if (keep < 0)
        return;   // below half of the last place: rounds to zero
    std::string kept;                      // the first `keep` digits of the fixed number
    for (int i = 0; i < keep; ++i)
        kept += i < int(d.digits.size()) ? d.digits[i] : '0';
    const bool roundUp = keep < int(d.digits.size()) && d.digits[keep] >= '5';
    if (kept.empty())
        kept = "0";
    if (roundUp) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    // Pad so that there is at least one integer digit.
    while (int(kept.size()) < decimals + 1)
        kept.insert(kept.begin(), '0');
    intPart = kept.substr(0, kept.size() - decimals);
    fracPart = kept.substr(kept.size() - decimals);
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
}

QString groupThousands(const std::string &intPart)
{
    QString out;
    const int n = int(intPart.size());
    out.reserve(n + n / 3);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char('.');
        out += QLatin1Char(intPart[i]);
    }
    return out;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

std::optional<double> fromChars(const std::string &s)
{
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value;   // no negative zero
}

} // namespace

Variant Variant::single(float number)
{
    Variant v{double(number)};
    v.m_single = true;
    return v;
}

QString Variant::text() const
{
    switch (m_kind) {
    case Kind::Text:
        return m_text;
    case Kind::Number:
        return numberText(m_number, m_single ? 7 : 15);
    case Kind::Empty:
        break;
    }
    return QString();
}

std::optional<double> Variant::numeric() const
{
    switch (m_kind) {
    case Kind::Text:
        return parseItalian(m_text);
    case Kind::Number:
        return m_number;
    case Kind::Empty:
        break;
    }
    return 0.0;
}

double Variant::leading() const
{
    return leadingNumber(text());
}

bool Variant::present() const
{
    return m_kind == Kind::Number || (m_kind == Kind::Text && !m_text.isEmpty());
}

bool Variant::operator==(const Variant &other) const
{
    if (m_kind != other.m_kind)
        return false;
    switch (m_kind) {
    case Kind::Text:
        return m_text == other.m_text;
    case Kind::Number:
        return m_number == other.m_number;
    case Kind::Empty:
        break;
    }
    return true;
}

QString numberText(double value, int digits)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");
    digits = std::clamp(digits, 1, 17);
    Decimal d = decimalDigits(std::fabs(value), digits);
    stripTrailingZeros(d.digits);

    std::string out;
    if (value < 0)
        out += '-';
    // Plain digits for every magnitude the program meets; an exponent only for the extremes,
    // where plain digits would run to dozens of zeros.
    if (d.point > 21 || d.point < -14) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += ',';
            out += d.digits.substr(1);
        }
        const int exp = d.point - 1;
        out += exp < 0 ? "E-" : "E+";
        const std::string e = std::to_string(std::abs(exp));
        if (e.size() < 2)
            out += '0';
        out += e;
    } else if (d.point <= 0) {
        out += "0,";
        out.append(-d.point, '0');
        out += d.digits;
    } else if (d.point >= int(d.digits.size())) {
        out += d.digits;
        out.append(d.point - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, d.point);
        out += ',';
        out += d.digits.substr(d.point);
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

std::optional<double> parseItalian(const QString &text)
{
    // Accepted: blanks, an optional sign, digits (optionally grouped by three with points),
    // an optional comma with decimals, an optional exponent (the text form of the extremes
    // uses one), blanks. At least one digit in the mantissa.
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    std::string s;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            s += '-';
        ++i;
    }
    int mantissaDigits = 0;
    // Integer part with optional grouping points; groups after a point must be exactly three.
    int groupLen = 0;
    bool grouped = false;
    while (i < n) {
        const QChar c = text[i];
        if (isDigit(c)) {
            s += char(c.unicode());
            ++mantissaDigits;
            ++groupLen;
            ++i;
        } else if (c == QLatin1Char('.')) {
            if (groupLen == 0 || (grouped ? groupLen != 3 : groupLen > 3))
                return std::nullopt;
            grouped = true;
            groupLen = 0;
            ++i;
        } else {
            break;
        }
    }
    if (grouped && groupLen != 3)
        return std::nullopt;
    if (i < n && text[i] == QLatin1Char(',')) {
        s += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            s += char(text[i].unicode());
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        s += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            s += char(text[i++].unicode());
        int expDigits = 0;
        while (i < n && isDigit(text[i])) {
            s += char(text[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    return fromChars(s);
}

double leadingNumber(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    std::string s;
    if (i < n && text[i] == QLatin1Char('-')) {
        s += '-';
        ++i;
    }
    bool point = false;
    bool anyDigit = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            s += char(c.unicode());
            anyDigit = true;
        } else if (c == QLatin1Char('.') && !point) {
            s += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    if (const auto v = fromChars(s))
        return *v;
    // Out of range: hundreds of whole digits read as the largest double, hundreds of
    // leading decimal zeros as 0.
    const auto firstNonZero = s.find_first_of("123456789");
    const auto dot = s.find('.');
    if (firstNonZero != std::string::npos && (dot == std::string::npos || firstNonZero < dot))
        return s[0] == '-' ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return 0;
}

double Int(double value)
{
    return std::floor(value);
}

double roundHalfUp2(double value)
{
    return Int(value * 100 + 0.5) / 100;
}

double roundHalfUp1(double value)
{
    return Int(value * 10 + 0.5) / 10;
}

QString Str(long long value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

QString formatTwoDecimals(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    std::string intPart, fracPart;
    roundDecimal(std::fabs(value), 2, intPart, fracPart);
    // An amount that rounds to zero shows no sign: "-0,00" would read as a debt of nothing.
    const bool negative = value < 0 && (intPart != "0" || fracPart != "00");
    QString out = negative ? QStringLiteral("-") : QString();
    out += groupThousands(intPart);
    out += QLatin1Char(',');
    out += QLatin1String(fracPart.data(), qsizetype(fracPart.size()));
    return out;
}

QString formatWhole(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    std::string intPart, fracPart;
    roundDecimal(std::fabs(value), 0, intPart, fracPart);
    const bool negative = value < 0 && intPart != "0";
    return (negative ? QStringLiteral("-") : QString()) + groupThousands(intPart);
}

QString formatCell(const Variant &value)
{
    switch (value.kind()) {
    case Variant::Kind::Number:
        return formatTwoDecimals(value.rawNumber());
    case Variant::Kind::Text: {
        if (value.rawText().isEmpty())
            return QString();
        const auto number = parseItalian(value.rawText());
        return number ? formatTwoDecimals(*number) : value.rawText();
    }
    case Variant::Kind::Empty:
        break;
    }
    return QString();
}
