#include "help/StampaGuida.h"

#include "core/Modulo.h"
#include "core/WindowRegistry.h"
#include "core/WordExport.h"
#include "help/Guida.h"
#include "help/TestiGuida.h"

namespace {

const QString kFont = QStringLiteral("Century Gothic");

// A new Word with a new document; the product name and the report title at its head.
WordSelection &nuovoDocumento()
{
    WordSelection &selezione = NuovoDocumentoWord();
    selezione.Font().setName(kFont);
    selezione.Font().setSize(20);
    selezione.TypeText(gNomeProgramma.text() + QStringLiteral("\r"));
    selezione.Font().setSize(16);
    selezione.TypeText(gTitoloRelazione.text() + QStringLiteral("\r\r\r"));
    return selezione;
}

void scriviGuida(WordSelection &selezione, const QString &titolo, const QString &testo)
{
    selezione.Font().setSize(16);
    selezione.TypeText(QStringLiteral("Guida: ") + titolo + QStringLiteral("\r\r"));
    selezione.Font().setSize(12);
    selezione.TypeText(testo + QStringLiteral("\r"));
}

// Justifies the whole document and saves the last document of the application.
bool giustificaESalva(const QString &nomeFile)
{
    WordSelection &selezione = gWord->Selection();
    selezione.Document()->Select();
    gWord->Selection().ParagraphFormat().setAlignment(wdAlignParagraphJustify);

    WordDocuments &documenti = gWord->Documents();
    WordDocument *documento = documenti.Item(documenti.Count());
    if (!documento)
        return false;
    return documento->SaveAs(WordExport::cartella() + QLatin1Char('/') + nomeFile);
}

} // namespace

bool StampaGuida(const QString &titolo, const QString &testo)
{
    WordSelection &selezione = nuovoDocumento();
    scriviGuida(selezione, titolo, testo);
    return giustificaESalva(gNomeProgramma.text() + titolo + QStringLiteral(".doc"));
}

bool StampaGuidaIntera()
{
    WordSelection &selezione = nuovoDocumento();
    const QList<TestoGuida> &guide = TestiGuida();
    for (qsizetype i = 0; i < guide.size(); ++i) {
        QString titolo = guide[i].titolo;
        QString testo = guide[i].testo;
        // Read through the window's one instance, as the window shows them.
        if (const Guida *finestra = WindowRegistry::get<Guida>(guide[i].finestra)) {
            titolo = finestra->titolo();
            testo = finestra->testo();
        }
        scriviGuida(selezione, titolo, testo);
        if (i + 1 < guide.size())
            selezione.TypeText(QStringLiteral("\f"));
    }
    return giustificaESalva(gNomeProgramma.text() + QStringLiteral("-guida.doc"));
}
