#include "report/ControlliStampa.h"

#include "platform/MsgBox.h"

#include <gtest/gtest.h>

namespace {

// A consistent appraisal: every agreement check passes.
stampa::ValoriControlli coerenti()
{
    stampa::ValoriControlli v;
    v.percentualiCosti = QStringLiteral("100");
    v.totaleCosti = QStringLiteral("230000");
    v.costiRiga = QStringLiteral("230000");
    v.percentualiTempi = QStringLiteral("100");
    v.giorniTotali = QStringLiteral("913");
    v.anniRiga = 2.5;
    v.superficieLorda = QStringLiteral("500");
    v.superficieAmbienti = QStringLiteral("660");
    return v;
}

struct Caso
{
    const char *nome;
    void (*cambia)(stampa::ValoriControlli &);
    char fermata;   // the check that stops the print; 0 when it goes on
};

const Caso casi[] = {
    {"consistent", [](stampa::ValoriControlli &) {}, 0},
    {"cost shares 100,00", [](stampa::ValoriControlli &v) { v.percentualiCosti = QStringLiteral("100,00"); }, 'a'},
    {"cost shares 99", [](stampa::ValoriControlli &v) { v.percentualiCosti = QStringLiteral("99"); }, 'a'},
    {"cost total edited", [](stampa::ValoriControlli &v) { v.totaleCosti = QStringLiteral("230001"); }, 'b'},
    {"no row chosen", [](stampa::ValoriControlli &v) { v.costiRiga = Variant(); }, 'b'},
    {"same cost, other decimals", [](stampa::ValoriControlli &v) {
         v.totaleCosti = QStringLiteral("150000,5");
         v.costiRiga = QStringLiteral("150000,50");
     }, 0},
    {"same cost held as a number", [](stampa::ValoriControlli &v) {
         v.totaleCosti = QStringLiteral("150000,5");
         v.costiRiga = 150000.5;
     }, 0},
    {"costs that are no number, same text", [](stampa::ValoriControlli &v) {
         v.totaleCosti = QStringLiteral("n.d.");
         v.costiRiga = QStringLiteral("n.d.");
     }, 0},
    {"time shares 99,5", [](stampa::ValoriControlli &v) { v.percentualiTempi = QStringLiteral("99,5"); }, 'c'},
    {"894 days against 2,5 years", [](stampa::ValoriControlli &v) { v.giorniTotali = QStringLiteral("894"); }, 'd'},
    {"913 days against the text 2,5", [](stampa::ValoriControlli &v) { v.anniRiga = QStringLiteral("2,5"); }, 0},
    {"days that are no number", [](stampa::ValoriControlli &v) { v.giorniTotali = QStringLiteral("9l3"); }, 'd'},
    {"years that are no number", [](stampa::ValoriControlli &v) { v.anniRiga = QStringLiteral("due"); }, 'd'},
    {"no years, no days", [](stampa::ValoriControlli &v) {
         v.giorniTotali = QStringLiteral("0");
         v.anniRiga = Variant();
     }, 0},
    {"lot 1000 over rooms 999", [](stampa::ValoriControlli &v) {
         v.superficieLorda = QStringLiteral("1000");
         v.superficieAmbienti = QStringLiteral("999");
     }, 'e'},
    {"lot 999 under rooms 1000", [](stampa::ValoriControlli &v) {
         v.superficieLorda = QStringLiteral("999");
         v.superficieAmbienti = QStringLiteral("1000");
     }, 0},
    {"equal surfaces", [](stampa::ValoriControlli &v) { v.superficieLorda = QStringLiteral("660"); }, 0},
    {"nothing buildable", [](stampa::ValoriControlli &v) { v.superficieLorda = QStringLiteral("nessuna"); }, 0},
    // Earlier checks are reported first.
    {"shares and surfaces both wrong", [](stampa::ValoriControlli &v) {
         v.percentualiTempi = QStringLiteral("98");
         v.superficieLorda = QStringLiteral("5000");
     }, 'c'},
};

struct Atteso
{
    QString messaggio;
    int icona;
    QString finestra;
};

Atteso atteso(char controllo)
{
    switch (controllo) {
    case 'a':
        return {QStringLiteral("Il totale delle percentuali dei costi non è uguale a 100: sistemalo prima di stampare."),
                vb::Exclamation, QStringLiteral("costare")};
    case 'b':
        return {QStringLiteral("Il totale dei costi del fabbricato non corrisponde con il valore relativo immesso nella "
                               "finestra Dati."),
                vb::Exclamation, QStringLiteral("costare")};
    case 'c':
        return {QStringLiteral("Il totale delle percentuali dei tempi non è uguale a 100: sistemalo prima di stampare."),
                vb::Exclamation, QStringLiteral("redditività")};
    case 'd':
        return {QStringLiteral("Il totale dei tempi per la redditività non corrisponde al valore relativo immesso nella "
                               "finestra Dati."),
                vb::Exclamation, QStringLiteral("redditività")};
    default:
        return {QStringLiteral("Il valore della superficie lorda edificabile deve essere minore o uguale alla superficie "
                               "lorda stimata degli ambienti dell'edificio da realizzare."),
                vb::Critical, QStringLiteral("valore")};
    }
}

}   // namespace

TEST(ControlliStampa, EachDisagreementStopsWithItsMessageIconAndWindow)
{
    for (const Caso &c : casi) {
        stampa::ValoriControlli v = coerenti();
        c.cambia(v);
        const std::optional<stampa::Fermata> fermata = stampa::controllaCoerenza(v);
        if (c.fermata == 0) {
            EXPECT_FALSE(fermata) << c.nome << ": " << (fermata ? fermata->messaggio.toStdString() : "");
            continue;
        }
        ASSERT_TRUE(fermata) << c.nome;
        const Atteso a = atteso(c.fermata);
        EXPECT_EQ(fermata->messaggio, a.messaggio) << c.nome;
        EXPECT_EQ(fermata->icona, a.icona) << c.nome;
        EXPECT_EQ(fermata->finestra, a.finestra) << c.nome;
    }
}
