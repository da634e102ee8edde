#include "runtime/Variant.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(VariantTextForm, DecimalCommaFifteenDigitsNoTrailingZeros)
{
    EXPECT_EQ(numberText(0.1 + 0.2), "0,3");
    EXPECT_EQ(numberText(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(numberText(2.0 / 3.0), "0,666666666666667");
    EXPECT_EQ(numberText(90702), "90702");
    EXPECT_EQ(numberText(-4.5), "-4,5");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(1500.5), "1500,5");
    EXPECT_EQ(numberText(0.05), "0,05");
    EXPECT_EQ(numberText(1e-7), "0,0000001");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(999999990000.0), "999999990000");
    EXPECT_EQ(numberText(1e15), "1000000000000000");
    // The sixteenth digit is rounded away.
    EXPECT_EQ(numberText(1234567890123456.0), "1234567890123460");
    EXPECT_EQ(numberText(0.1234567890123456), "0,123456789012346");
    EXPECT_EQ(numberText(9.9999999999999999), "10");
}

TEST(VariantTextForm, SingleKeepsSevenDigits)
{
    EXPECT_EQ(Variant::single(0.1f).text(), "0,1");
    EXPECT_EQ(Variant::single(1.0f / 3.0f).text(), "0,3333333");
    EXPECT_EQ(Variant::single(12.5f).text(), "12,5");
    EXPECT_TRUE(Variant::single(0.1f).isSingle());
    // The same float value held as a double shows its binary tail.
    EXPECT_EQ(Variant(double(0.1f)).text(), "0,100000001490116");
}

TEST(VariantTextForm, ExtremesNeverCrashAndReadBack)
{
    for (double v : {1e21, 1e22, 1.5e25, -2e300, 1.5e308, 1e-15, 1e-16,
                     3.25e-200, std::numeric_limits<double>::denorm_min()}) {
        const QString t = numberText(v);
        EXPECT_FALSE(t.isEmpty());
        EXPECT_FALSE(t.contains(QLatin1Char('.'))) << t.toStdString();
        const auto back = parseItalian(t);
        ASSERT_TRUE(back.has_value()) << t.toStdString();
        EXPECT_NEAR(*back / v, 1.0, 1e-14) << t.toStdString();
    }
    EXPECT_EQ(numberText(1.5e25), "1,5E+25");
    EXPECT_EQ(numberText(1e-16), "1E-16");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    // The largest double rounded to 15 digits lies beyond the range, so its text does not read
    // back; it must still not crash anything.
    EXPECT_EQ(numberText(std::numeric_limits<double>::max()), "1,79769313486232E+308");
    EXPECT_FALSE(parseItalian(numberText(std::numeric_limits<double>::max())).has_value());
    // Values the program never holds still give some text, not a crash.
    EXPECT_FALSE(numberText(std::nan("")).isEmpty());
    EXPECT_FALSE(numberText(INFINITY).isEmpty());
    EXPECT_FALSE(parseItalian(numberText(INFINITY)).has_value());
}

TEST(VariantKinds, TextFormAndPresence)
{
    EXPECT_EQ(Variant().text(), "");
    EXPECT_EQ(Variant("1250,50").text(), "1250,50");
    EXPECT_EQ(Variant(4.5).text(), "4,5");
    EXPECT_FALSE(Variant().present());
    EXPECT_FALSE(Variant("").present());
    EXPECT_TRUE(Variant(" ").present());
    EXPECT_TRUE(Variant(0).present());
    EXPECT_TRUE(Variant("0").present());
}

TEST(VariantKinds, EqualityByKindAndValue)
{
    EXPECT_EQ(Variant(), Variant());
    EXPECT_EQ(Variant("3"), Variant(QStringLiteral("3")));
    EXPECT_EQ(Variant(3), Variant(3.0));
    EXPECT_FALSE(Variant("3") == Variant(3));
    EXPECT_FALSE(Variant("") == Variant());
    EXPECT_FALSE(Variant(0) == Variant());
    EXPECT_FALSE(Variant("a") == Variant("b"));
}

TEST(VariantNumeric, ItalianReading)
{
    EXPECT_EQ(Variant().numeric(), 0.0);
    EXPECT_EQ(Variant(7.25).numeric(), 7.25);
    EXPECT_EQ(Variant("0,9").numeric(), 0.9);
    EXPECT_EQ(parseItalian("1250,50"), 1250.5);
    EXPECT_EQ(parseItalian("-3"), -3.0);
    EXPECT_EQ(parseItalian("+3"), 3.0);
    EXPECT_EQ(parseItalian(" 7 "), 7.0);
    EXPECT_EQ(parseItalian("\t7,5\t"), 7.5);
    EXPECT_EQ(parseItalian("1.250,5"), 1250.5);
    EXPECT_EQ(parseItalian("1.234.567"), 1234567.0);
    EXPECT_EQ(parseItalian(",5"), 0.5);
    EXPECT_EQ(parseItalian("5,"), 5.0);
    EXPECT_EQ(parseItalian("007"), 7.0);
    EXPECT_EQ(parseItalian("1,5E+25"), 1.5e25);
    // 0,1 + 0,2 reads back through its text form as 0,3 exactly.
    EXPECT_EQ(parseItalian(numberText(0.1 + 0.2)), 0.3);
}

TEST(VariantNumeric, RejectsWhatIsNoNumber)
{
    for (const char *bad : {"", " ", "1,,5", "abc", ",", "-", "1,5,", "12a", "a12", "1 2", "1.25",
                            "1.2345", ".5", "1.", "1,5.000", "inf", "Infinity", "nan", "NaN",
                            "1E", "1E+", "1e400", "--1", "+-1", "0x10", "1\xC2\xA0" "000"}) {
        EXPECT_FALSE(parseItalian(QString::fromUtf8(bad)).has_value()) << bad;
    }
    EXPECT_FALSE(Variant("").numeric().has_value());
    EXPECT_FALSE(Variant("1,,5").numeric().has_value());
    // Digits of other scripts are not digits here.
    EXPECT_FALSE(parseItalian(QString::fromUtf8("\xD9\xA3")).has_value());
}

TEST(VariantLeading, ValOfTheTextForm)
{
    EXPECT_EQ(leadingNumber("1250,50"), 1250.0);
    EXPECT_EQ(leadingNumber("0,5"), 0.0);
    EXPECT_EQ(leadingNumber(",5"), 0.0);
    EXPECT_EQ(leadingNumber(""), 0.0);
    EXPECT_EQ(leadingNumber("100,9"), 100.0);
    EXPECT_EQ(leadingNumber("0,9"), 0.0);
    EXPECT_EQ(leadingNumber("-3,5"), -3.0);
    EXPECT_EQ(leadingNumber("  42abc"), 42.0);
    EXPECT_EQ(leadingNumber("1.5"), 1.5);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("-"), 0.0);
    EXPECT_EQ(leadingNumber("abc"), 0.0);
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
    EXPECT_EQ(Variant(4.5).leading(), 4.0);
    EXPECT_EQ(Variant(-3.5).leading(), -3.0);
    EXPECT_EQ(Variant().leading(), 0.0);
    EXPECT_EQ(Variant("3").leading(), 3.0);
    // Absurdly long digit runs neither fail nor turn tiny numbers huge.
    EXPECT_EQ(leadingNumber(QString(400, QLatin1Char('9'))), std::numeric_limits<double>::max());
    EXPECT_EQ(leadingNumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1")), 0.0);
}

TEST(VariantRounding, IntAndHalfUp)
{
    EXPECT_EQ(Int(1.5), 1.0);
    EXPECT_EQ(Int(-1.5), -2.0);
    EXPECT_EQ(Int(-0.0001), -1.0);
    EXPECT_EQ(roundHalfUp2(2.345), 2.35);
    EXPECT_EQ(roundHalfUp2(-0.125), -0.12);   // half-up, not away from zero
    EXPECT_EQ(roundHalfUp1(0.25), 0.3);
    EXPECT_EQ(roundHalfUp1(-0.25), -0.2);
    EXPECT_EQ(roundHalfUp2(10), 10.0);
    // The rule is the formula on binary doubles: 100 * 1.005 is 100.49999999999999, so 1.005
    // rounds down to 1. (The display formats round on the decimal value instead.)
    EXPECT_EQ(roundHalfUp2(1.005), 1.0);
    EXPECT_EQ(formatTwoDecimals(1.005), "1,01");
}

TEST(VariantStr, SignPlace)
{
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
}

TEST(VariantFormats, TwoDecimalsItalian)
{
    EXPECT_EQ(formatTwoDecimals(1000.5), "1.000,50");
    EXPECT_EQ(formatTwoDecimals(-1234.5), "-1.234,50");
    EXPECT_EQ(formatTwoDecimals(0), "0,00");
    EXPECT_EQ(formatTwoDecimals(0.125), "0,13");
    EXPECT_EQ(formatTwoDecimals(-0.125), "-0,13");
    EXPECT_EQ(formatTwoDecimals(2.675), "2,68");
    EXPECT_EQ(formatTwoDecimals(0.004), "0,00");
    EXPECT_EQ(formatTwoDecimals(0.005), "0,01");
    EXPECT_EQ(formatTwoDecimals(0.995), "1,00");
    EXPECT_EQ(formatTwoDecimals(999.995), "1.000,00");
    EXPECT_EQ(formatTwoDecimals(999999.999), "1.000.000,00");
    EXPECT_EQ(formatTwoDecimals(123), "123,00");
    EXPECT_EQ(formatTwoDecimals(1234567.891), "1.234.567,89");
    EXPECT_EQ(formatTwoDecimals(1e-300), "0,00");
    EXPECT_EQ(formatTwoDecimals(1e15), "1.000.000.000.000.000,00");
    EXPECT_EQ(formatTwoDecimals(0.1 + 0.2), "0,30");
    // A negative amount that rounds to nothing is shown without a sign (not "-0,00").
    EXPECT_EQ(formatTwoDecimals(-0.004), "0,00");
    EXPECT_EQ(formatTwoDecimals(-0.0), "0,00");
    // Huge values are long but whole.
    EXPECT_TRUE(formatTwoDecimals(1e300).endsWith(",00"));
    EXPECT_EQ(formatTwoDecimals(1e300).count(QLatin1Char('.')), 100);
}

TEST(VariantFormats, WholeItalian)
{
    EXPECT_EQ(formatWhole(1234567), "1.234.567");
    EXPECT_EQ(formatWhole(1234.6), "1.235");
    EXPECT_EQ(formatWhole(1234.5), "1.235");
    EXPECT_EQ(formatWhole(1234.4), "1.234");
    EXPECT_EQ(formatWhole(0), "0");
    EXPECT_EQ(formatWhole(0.5), "1");
    EXPECT_EQ(formatWhole(-0.4), "0");
    EXPECT_EQ(formatWhole(-2.5), "-3");
    EXPECT_EQ(formatWhole(999.5), "1.000");
    EXPECT_EQ(formatWhole(90702), "90.702");
    EXPECT_EQ(formatWhole(100), "100");
    // A computed value whose binary form lies just under .5 still rounds as its text reads.
    EXPECT_EQ(formatWhole(1234.4999999999998), "1.235");
}

TEST(VariantFormats, Cell)
{
    EXPECT_EQ(formatCell(Variant()), "");
    EXPECT_EQ(formatCell(Variant("")), "");
    EXPECT_EQ(formatCell(Variant(1000.5)), "1.000,50");
    EXPECT_EQ(formatCell(Variant("1250,5")), "1.250,50");
    EXPECT_EQ(formatCell(Variant("0,125")), "0,13");
    EXPECT_EQ(formatCell(Variant("1,,5")), "1,,5");
    EXPECT_EQ(formatCell(Variant("abc")), "abc");
    EXPECT_EQ(formatCell(Variant::single(0.1f)), "0,10");
}

TEST(VariantLocale, MachineLocaleChangesNothing)
{
    const QLocale saved;
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        EXPECT_EQ(numberText(-1234.5), "-1234,5");
        EXPECT_EQ(parseItalian("1.250,5"), 1250.5);
        EXPECT_FALSE(parseItalian("1,250.5").has_value());
        EXPECT_EQ(leadingNumber("1250,50"), 1250.0);
        EXPECT_EQ(formatTwoDecimals(1234567.5), "1.234.567,50");
        EXPECT_EQ(formatWhole(1234.6), "1.235");
        EXPECT_EQ(Str(12), " 12");
    }
    QLocale::setDefault(saved);
}

TEST(VariantRoundTrip, TextFormReadsBackForManyValues)
{
    // Every text form the program writes into a box must read back (numeric reading) to the
    // value rounded to 15 digits, and its leading number must be the whole part toward zero.
    unsigned seed = 12345;
    auto rnd = [&seed] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xFFFF; };
    for (int k = 0; k < 5000; ++k) {
        const double v = (double(rnd()) * 65536 + rnd()) / double(1 + rnd()) * (k % 2 ? -1 : 1);
        const QString t = numberText(v);
        const auto back = parseItalian(t);
        ASSERT_TRUE(back.has_value()) << t.toStdString();
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14) << t.toStdString();
        EXPECT_EQ(leadingNumber(t), std::trunc(*back)) << t.toStdString();
    }
}

} // namespace
