#include "core/Modulo.h"

#include <gtest/gtest.h>

TEST(ImpostaMessaggi, TitlesCarryTheProductNameOnceHoweverOftenCalled)
{
    for (int i = 0; i < 3; ++i)
        ImpostaMessaggi();
    EXPECT_EQ(gTitoloControllo, "Vantegra: controllo dati immessi nella finestra attiva");
    EXPECT_EQ(gTitoloAiuto.text(), "Vantegra: aiuto in linea");
    EXPECT_EQ(gTitoloElimina.text(), "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_EQ(gNomeProgramma.text(), "Vantegra");
    EXPECT_EQ(gTitoloRelazione.text(), "relazione di stima di aree fabbricabili");
    EXPECT_EQ(gVersione.text(), "3.04.05");
    EXPECT_EQ(gDataVersione.text(), "30/12/2006");
    EXPECT_EQ(gBuild.text(), "281211");
}

TEST(RowArray, HoldsRowsOneToHundredOnly)
{
    RowArray rows;
    rows.set(1, 10);
    rows.set(100, "100,5");
    rows.set(0, 5);
    rows.set(101, 6);
    rows.set(-1, 7);
    EXPECT_EQ(rows[1], Variant(10));
    EXPECT_EQ(rows[100].text(), "100,5");
    EXPECT_TRUE(rows[0].isEmpty());
    EXPECT_TRUE(rows[101].isEmpty());
    EXPECT_TRUE(rows[-1].isEmpty());
    EXPECT_TRUE(rows[1000000].isEmpty());

    rows.clear();
    EXPECT_TRUE(rows[1].isEmpty());
    EXPECT_TRUE(rows[100].isEmpty());
}
