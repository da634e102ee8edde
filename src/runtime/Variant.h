#pragma once

#include <QString>
#include <optional>

// A value as the appraisal rows and most boxes hold it: nothing, a text or a number.
// Numbers are double precision unless marked single (the shares of the works table),
// which changes only how many significant digits their text form keeps (7 instead of 15).
class Variant
{
public:
    enum class Kind { Empty, Text, Number };

    Variant() = default;
    Variant(const QString &text) : m_kind(Kind::Text), m_text(text) {}
    Variant(const char *text) : m_kind(Kind::Text), m_text(QString::fromUtf8(text)) {}
    Variant(double number) : m_kind(Kind::Number), m_number(number) {}
    Variant(int number) : m_kind(Kind::Number), m_number(number) {}
    static Variant single(float number);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }   // nothing, never set
    bool isText() const { return m_kind == Kind::Text; }
    bool isNumber() const { return m_kind == Kind::Number; }
    bool isSingle() const { return m_single; }

    // The text as held (texts only); the number as held (numbers only).
    const QString &rawText() const { return m_text; }
    double rawNumber() const { return m_number; }

    // Text form: a text unchanged; a number with the decimal comma, no thousands separator,
    // no trailing zeros, at most 15 (single: 7) significant digits; nothing gives "".
    QString text() const;

    // Numeric reading used by arithmetic: nothing is 0, a number is itself, a text is read
    // with the Italian convention; an empty text or a text that is no number gives nullopt.
    std::optional<double> numeric() const;

    // Leading number used by every test against zero or a limit (see leadingNumber()).
    double leading() const;

    // Presence test: nothing and the empty text both count as absent.
    bool present() const;

    // Same kind and same value (a single and a double of equal value are equal).
    bool operator==(const Variant &other) const;

private:
    Kind m_kind = Kind::Empty;
    QString m_text;
    double m_number = 0.0;
    bool m_single = false;
};

// Number to text with the decimal comma, no grouping, no trailing zeros, at most
// `digits` significant digits (15 for double precision, 7 for single). Plain digits up to 21
// whole digits and down to 15 decimal places; beyond, a mantissa and exponent ("1,5E+25").
QString numberText(double value, int digits = 15);

// Italian conversion of a typed text ("1250,50", "-3", " 7 ", "1.250,5"); nullopt when the
// text is empty or is not a number ("1,,5", "abc").
std::optional<double> parseItalian(const QString &text);

// The number a text begins with: optional blanks, optional minus, digits and at most one
// point (read as a decimal point), stopping at anything else; "" or ",5" give 0.
double leadingNumber(const QString &text);

// Whole part rounded down (Int(-1.5) is -2).
double Int(double value);
// Half-up rounding to two and to one decimal: Int(100x + 0.5) / 100 and Int(10x + 0.5) / 10.
double roundHalfUp2(double value);
double roundHalfUp1(double value);

// Str of a whole number: one blank where the sign of a positive number would stand (" 12", "-3").
QString Str(long long value);

// The format "##,##0.00" under Italian conventions whatever the machine's locale: point between
// groups of three digits, comma before exactly two decimals, rounding half away from zero on the
// decimal value (0,125 gives 0,13). 1000.5 -> "1.000,50"; -1234.5 -> "-1.234,50".
QString formatTwoDecimals(double value);
// The format "###,0": rounded to a whole number, grouped by three with points. 1234.6 -> "1.235".
QString formatWhole(double value);
// A cell value in "##,##0.00": a number, or a text that reads as a number, is formatted;
// another text is returned unchanged; nothing and the empty text give "".
QString formatCell(const Variant &value);
