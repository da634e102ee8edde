#include "analyses/value_lot_rate/CalcoloValore.h"
#include "core/Controlli.h"
#include "core/Modulo.h"
#include "runtime/ArchiveRecord.h"

#include <gtest/gtest.h>

using namespace valore;

namespace {

std::array<Variant, 6> barre(std::initializer_list<int> posizioni)
{
    std::array<Variant, 6> c;
    int i = 1;
    for (int p : posizioni)
        c[i++] = testoCoefficiente(p);
    return c;
}

// Rows typed as (surface, weighting); each weighted surface computed as when its row was touched.
struct Stanze
{
    std::array<QString, 11> sup, ragg;
    std::array<Variant, 11> digitate, ragguagliate;

    void riga(int k, const QString &s, const QString &p)
    {
        sup[k] = s;
        ragg[k] = p;
        if (const std::optional<double> n = parseItalian(s))
            digitate[k] = *n;
        ragguagliate[k] = superficieRagguagliata(s, p).value_or(QString());
    }
    Totali totali() const { return valore::totali(sup, ragg, digitate, ragguagliate); }
};

QList<QList<Variant>> records(const char *testo)
{
    ArchiveReader r;
    QString errore;
    EXPECT_TRUE(r.parse(QByteArray(testo), &errore)) << errore.toStdString();
    return r.records();
}

} // namespace

TEST(ValoreCalcolo, mediaDivideSempreUnaVoltaPerCinque)
{
    EXPECT_EQ(mediaCoefficienti(barre({7})), "0,14");
    EXPECT_EQ(mediaCoefficienti(barre({7, 5, 6, 8, 9})), "0,7");
    EXPECT_EQ(mediaCoefficienti(barre({3, 4, 2, 9, 1})), "0,38");
    EXPECT_EQ(mediaCoefficienti(barre({10, 10, 10, 10, 10})), "1");
    EXPECT_EQ(mediaCoefficienti({}), "0");

    // A term is rounded half up to hundredths; a text that is no number adds nothing.
    std::array<Variant, 6> c;
    c[1] = "0,125";
    c[2] = "abc";
    EXPECT_EQ(mediaCoefficienti(c), "0,026");
}

TEST(ValoreCalcolo, superficieRagguagliataArrotondaAlCentesimo)
{
    EXPECT_EQ(superficieRagguagliata("10,333", "25"), "2,58");
    EXPECT_EQ(superficieRagguagliata("35,5", " 50"), "17,75");
    EXPECT_EQ(superficieRagguagliata("12,345", "100"), "12,35");
    EXPECT_EQ(superficieRagguagliata("120", "100"), "120");
    EXPECT_EQ(superficieRagguagliata("29", "1"), "0,29");
    // Digits and commas that make no number, and overflowing products, stop the step.
    EXPECT_FALSE(superficieRagguagliata("1,,5", "100"));
    EXPECT_FALSE(superficieRagguagliata(",", "100"));
    EXPECT_FALSE(superficieRagguagliata("120", "2 5"));
    EXPECT_FALSE(superficieRagguagliata(QString(400, u'9'), "100"));

    EXPECT_TRUE(rigaCompleta("120", " 50"));
    EXPECT_FALSE(rigaCompleta("0,8", "100"));   // leading number 0
    EXPECT_FALSE(rigaCompleta("120", ""));
}

TEST(ValoreCalcolo, totaliSommanoLeRigheComplete)
{
    Stanze s;
    s.riga(1, "120", "100");
    s.riga(2, "35,5", " 50");
    s.riga(3, "10,333", "25");
    Totali t = s.totali();
    EXPECT_EQ(t.supt, "165,833");
    EXPECT_EQ(t.superf, "140,33");

    // A row emptied or with a surface below 1 no longer counts, whatever it held before.
    s.sup[2].clear();
    s.sup[3] = "0,8";
    t = s.totali();
    EXPECT_EQ(t.supt, "120");
    EXPECT_EQ(t.superf, "120");

    // Truncating 0,29 to hundredths keeps it: a plain floor of 100 x 0,29 would give 0,28.
    Stanze piccola;
    piccola.riga(4, "29", "1");
    EXPECT_EQ(piccola.totali().superf, "0,29");
}

TEST(ValoreCalcolo, righeElencateSonoQuelleConUnTipoOContateNeiTotali)
{
    // casa; a gap; a row with no type that the totals count; a type with no surface; a surface
    // that is no number; box.
    std::array<QString, 11> tipol, sup, ragg;
    tipol[1] = "casa", sup[1] = "120", ragg[1] = "100";
    sup[3] = "80", ragg[3] = "100";
    tipol[4] = "cantina";
    sup[5] = "1,,5", ragg[5] = "100";
    tipol[7] = "box", sup[7] = "20", ragg[7] = " 50";
    EXPECT_EQ(righeAmbienti(tipol, sup, ragg), (QList<int>{1, 3, 4, 7}));

    Stanze s;
    for (int k : {1, 3, 5, 7})
        s.riga(k, sup[k], ragg[k]);
    EXPECT_EQ(s.totali().supt, "220");   // rows 1, 3 and 7, every one of them listed
}

TEST(ValoreCalcolo, stimaInCifreEInLettere)
{
    auto v = stima("140,33", "0,7", "1500");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->stimatotal, "147346,5");
    EXPECT_EQ(v->valor, "euro 147.346");
    EXPECT_EQ(v->valoreuro, "(euro centoquarantasettemilatrecentoquarantasei)");

    v = stima("100", "0,5", "1000");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->stimatotal, "50000");
    EXPECT_EQ(v->valoreuro, "(euro cinquantamila)");

    // 120 x 0,14 x 1000 is 16800.000000000004 in binary; the text hides the noise.
    v = stima("120", "0,14", "1000");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->stimatotal, "16800");
    EXPECT_EQ(v->valor, "euro 16.800");
    EXPECT_EQ(v->valoreuro, "(euro sedicimilaottocento)");

    // Words start afresh each time, whatever the last number left behind.
    gTestoLettere = "residuo";
    v = stima("1", "1", "1001");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->valoreuro, "(euro milleuno)");

    // A missing or unreadable term, or an overflowing product, leaves the value as it stands.
    EXPECT_FALSE(stima("140,33", "", "1500"));
    EXPECT_FALSE(stima("140,33", "0,7", ",,"));
    EXPECT_FALSE(stima("1" + QString(300, u'0'), "1", "1" + QString(300, u'0')));
}

TEST(ValoreCalcolo, regolaDiImmissioneEFormati)
{
    EXPECT_TRUE(RegolaNumerica("1250,50", false));
    EXPECT_FALSE(RegolaNumerica("1.250", false));
    EXPECT_FALSE(RegolaNumerica(" 50", false));
    EXPECT_TRUE(RegolaNumerica(" 50", true));
    EXPECT_FALSE(RegolaNumerica("-5", true));

    EXPECT_EQ(formatoDueDecimali("0,8"), "0,80");
    EXPECT_EQ(formatoDueDecimali("1234,5"), "1234,50");   // "0.00" has no grouping
    EXPECT_EQ(formatoDueDecimali(""), "");
}

TEST(ValoreArchivioLayout, sediciRigheConTestiTraVirgolette)
{
    Archivio a;
    a.barre = {0, 7, 5, 0, 10, 1};
    a.tipol[1] = "vano \"A\"";
    a.sup[1] = "120";
    a.ragg[1] = "100";
    a.tipol[2] = "cantina";
    a.sup[2] = "35,5";
    a.ragg[2] = " 50";
    a.costmq = "1500";
    ArchiveWriter w;
    scriviArchivio(w, a);
    const QByteArray atteso = "7\r\n5\r\n0\r\n10\r\n1\r\n"
                              "\"vano \"\"A\"\"\",\"120\",\"100\"\r\n"
                              "\"cantina\",\"35,5\",\" 50\"\r\n"
                              + QByteArray("\"\",\"\",\"\"\r\n").repeated(8) + "\"1500\"\r\n";
    EXPECT_EQ(w.bytes(), atteso);
}

TEST(ValoreArchivioLayout, fileDiAltroGenereRifiutati)
{
    const QByteArray righe = QByteArray("\"\",\"\",\"\"\r\n").repeated(10) + "\"1500\"\r\n";
    Archivio a;
    QString motivo;

    EXPECT_FALSE(leggiFileArchivio(records("7\r\n7\r\n7\r\n7\r\n" + righe), a, &motivo));
    EXPECT_EQ(motivo, "ha 15 righe invece di 16");
    EXPECT_FALSE(leggiFileArchivio(records("7\r\n\"7\"\r\n7\r\n7\r\n7\r\n" + righe), a, &motivo));
    EXPECT_EQ(motivo, "la riga 2 non contiene la posizione di una barra");
    EXPECT_FALSE(leggiFileArchivio(records("7\r\n7\r\n11\r\n7\r\n7\r\n" + righe), a, &motivo));
    EXPECT_EQ(motivo, "la posizione della barra alla riga 3 non è tra 0 e 10");
    EXPECT_FALSE(leggiFileArchivio(records("7\r\n7\r\n7\r\n7\r\n7\r\n\"casa\",\"120\"\r\n"
                                           + QByteArray("\"\",\"\",\"\"\r\n").repeated(9) + "\"1500\"\r\n"),
                                   a, &motivo));
    EXPECT_EQ(motivo, "la riga 6 non contiene tipologia, superficie e ragguaglio");

    // Blank lines after the sixteen, bare numbers where texts stand and a half position are taken.
    ASSERT_TRUE(leggiFileArchivio(records("7\r\n7\r\n7\r\n7\r\n9.6\r\n\"casa\",120,\" 50\"\r\n"
                                          + QByteArray("\"\",\"\",\"\"\r\n").repeated(9) + "1500.5\r\n\r\n"),
                                  a, &motivo))
        << motivo.toStdString();
    EXPECT_EQ(a.barre[5], 10);
    EXPECT_EQ(a.sup[1], "120");
    EXPECT_EQ(a.costmq, "1500,5");
}
