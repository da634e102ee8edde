#include "core/Modulo.h"

#include <gtest/gtest.h>

namespace {

// The words NumeroInLettere appends to an empty text.
QString inLettere(const Variant &numero)
{
    gNumeroDaScrivere = numero;
    gTestoLettere = "";
    NumeroInLettere();
    return gTestoLettere.text();
}

QString formattato(const QString &numero)
{
    gNumeroDaFormattare = numero;
    FormattaNumero();
    return gNumeroFormattato;
}

} // namespace

TEST(NumeroInLettere, WritesItalianWords)
{
    const struct { double n; const char *words; } cases[] = {
        {0, "zero"}, {1, "uno"}, {21, "ventuno"}, {28, "ventotto"}, {23, "ventitre"}, {20, "venti"},
        {100, "cento"}, {101, "centouno"}, {108, "centootto"}, {118, "centodiciotto"},
        {180, "centoottanta"}, {300, "trecento"}, {1000, "mille"}, {2000, "duemila"},
        {1001, "milleuno"}, {1000000, "unmilione"}, {2500000, "duemilionicinquecentomila"},
        {1000000000, "unmiliardo"}, {90702, "novantamilasettecentodue"},
        {2001001, "duemilionimilleuno"}, {31000081, "trentunomilioniottantuno"},
        {999999990000, "novecentonovantanovemiliardinovecentonovantanovemilioninovecentonovantamila"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(inLettere(c.n), QString::fromLatin1(c.words)) << c.n;
}

TEST(NumeroInLettere, ReadsTextsWithTheDecimalComma)
{
    EXPECT_EQ(inLettere("90702"), "novantamilasettecentodue");
    // A fraction is cut, never carried into a group of digits ("diecicento" for 999,6).
    EXPECT_EQ(inLettere("999,6"), "novecentonovantanove");
    EXPECT_EQ(inLettere(1999.9), "millenovecentonovantanove");
}

TEST(NumeroInLettere, AppendsExceptForZero)
{
    gTestoLettere = "euro ";
    gNumeroDaScrivere = 12;
    NumeroInLettere();
    EXPECT_EQ(gTestoLettere.text(), "euro dodici");

    gTestoLettere = "euro ";
    gNumeroDaScrivere = 0;
    NumeroInLettere();
    EXPECT_EQ(gTestoLettere.text(), "zero");
}

TEST(NumeroInLettere, LeavesTheTextAloneBeyondTheLimitOrWithoutInput)
{
    for (const Variant &input : {Variant(999999990001.0), Variant(1e15), Variant(), Variant(""), Variant("abc")}) {
        gTestoLettere = "prima";
        gNumeroDaScrivere = input;
        NumeroInLettere();
        EXPECT_EQ(gTestoLettere.text(), "prima") << input.text().toStdString();
    }
}

TEST(NumeroInLettere, NegativeAmountsAreWrittenWithMeno)
{
    EXPECT_EQ(inLettere(-150000), "meno centocinquantamila");
    EXPECT_EQ(inLettere("-21"), "meno ventuno");
    EXPECT_EQ(inLettere(-999999990000.0),
              "meno novecentonovantanovemiliardinovecentonovantanovemilioninovecentonovantamila");
    EXPECT_EQ(inLettere(-999999990001.0), "");
}

TEST(NumeroInLettere, CallsDoNotLeakIntoEachOther)
{
    EXPECT_EQ(inLettere(2500000), "duemilionicinquecentomila");
    EXPECT_EQ(inLettere(7), "sette");
    EXPECT_EQ(gContaParole.numeric().value_or(-1), 1);
}

TEST(FormattaNumero, RoundsAndGroupsByThousands)
{
    EXPECT_EQ(formattato("1234567"), "1.234.567");
    EXPECT_EQ(formattato("1234,6"), "1.235");
    EXPECT_EQ(formattato("999,5"), "1.000");
    EXPECT_EQ(formattato("12"), "12");
    EXPECT_EQ(formattato(""), "");
    EXPECT_EQ(formattato("abc"), "abc");
}
