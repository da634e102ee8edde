#include "report/RelazioneStima.h"

#include "analyses/value_lot_rate/Capitali.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "core/WindowRegistry.h"
#include "core/WordExport.h"
#include "report/Frontespizio.h"
#include "report/Studio.h"
#include "report/TestiRelazione.h"

#include <algorithm>

namespace relazione {

namespace {

const QChar CR(13);
const QChar FF(12);

QString capi(int n)
{
    return QString(n, CR);
}

QString F(const QString &testo)
{
    return formatCell(Variant(testo));
}

// One piece of the narrative sections: a size, a fixed sentence or a fixed paragraph, and the
// paragraph ends after it.
struct Pezzo
{
    int corpo;
    const char *frase;   // nullptr: the paragraph `testo`
    Testo testo;
    int capi;
};

// Sections A to D, after the report's heading.
const Pezzo sezioniAD[] = {
    {16, "A) OGGETTO DELLA STIMA", {}, 2},
    {12, nullptr, Testo::OggettoDellaStima, 2},
    {14, "1) Valori complementari", {}, 2},
    {12, nullptr, Testo::ValoriComplementari, 2},
    {14, "2) Valori affettivi", {}, 2},
    {12, nullptr, Testo::ValoriAffettivi, 2},
    {12, nullptr, Testo::SuperficieEdificabile, 4},
    {16, "B) ORDINARIETA' E PREVISIONE", {}, 2},
    {12, nullptr, Testo::Ordinarieta, 1},
    {12, nullptr, Testo::ParereDiConvenienza, 4},
    {16, "C) CRITERIO DI STIMA", {}, 2},
    {12, "Il criterio di stima usato risulta in parte 'diretto' ed in parte 'indiretto'.", {}, 1},
    {12, nullptr, Testo::CriterioDiretto, 4},
    {16, "D) VALORE DEL FABBRICATO: serie di elementi considerati", {}, 2},
    {12, nullptr, Testo::CinqueSerie, 1},
    {12, nullptr, Testo::OrdineDImportanza, 2},
    {14, "1) Posizione planimetrica rispetto all'abitato", {}, 2},
    {12, nullptr, Testo::PosizioneDefinizione, 1},
    {12, nullptr, Testo::PosizioneMigliore, 1},
    {12, nullptr, Testo::PosizionePeggiore, 2},
    {14, "2) Posizione igienica e ambientale", {}, 2},
    {12, nullptr, Testo::IgienicaAmbiente, 1},
    {12, nullptr, Testo::IgienicaDensita, 1},
    {12, "Non vanno sottovalutate le eventuali servitù presenti, sia attive, a vantaggio dell'immobile, che "
         "passive, ossia a suo svantaggio.", {}, 2},
    {14, "3) Statica", {}, 2},
    {12, nullptr, Testo::StaticaCondizioni, 1},
    {12, "- la possibilità di manutenzione interna ed esterna;", {}, 1},
    {12, "- l'invecchiamento delle parti portanti e portate, come può essere nelle zone aggressive;", {}, 1},
    {12, "- il tipo di tecnica costruttiva utilizzabile (in cemento armato, in ferro, in muratura di pietrame "
         "o di mattoni, in legno);", {}, 1},
    {12, "- la capacità portante del terreno di posa e la possibilità o meno di costruire fondazioni "
         "semplici;", {}, 1},
    {12, "- la classificazione o meno di zona sismica o con possibili frane;", {}, 1},
    {12, "- in genere la qualità realizzabile della struttura dell'immobile.", {}, 2},
    {14, "4) Requisiti tecnologici", {}, 2},
    {12, nullptr, Testo::TecnologiciServizi, 1},
    {12, nullptr, Testo::TecnologiciFiniture, 1},
    {12, nullptr, Testo::TecnologiciStato, 2},
    {14, "5) Distribuzione interna degli ambienti", {}, 2},
    {12, nullptr, Testo::DistribuzioneSpazio, 1},
    {12, nullptr, Testo::DistribuzioneNormali, 1},
    {12, nullptr, Testo::DistribuzioneCoefficiente, 1},
    {12, nullptr, Testo::DistribuzioneQualita, 2},
    {12, "", {}, 1},
};

// The tables whose number columns stand right-aligned, by their number in the document.
const struct
{
    int tabella;
    int prima, ultima;
} colonneADestra[] = {{2, 2, 2}, {3, 3, 5}, {4, 2, 3}, {5, 3, 4}, {6, 2, 3}, {7, 3, 4}, {8, 2, 8}, {11, 2, 8}};

// The document as it is written: the body paragraph that text is appended to, at the end of the
// document, and the tables added after it.
class Documento
{
public:
    Documento() : m_selezione(NuovoDocumentoWord()), m_documento(*gDocumento) {}

    WordSelection &selezione() { return m_selezione; }
    WordDocument &documento() { return m_documento; }

    // A new body paragraph at the end of the document.
    void nuovoParagrafo() { m_paragrafo = m_documento.Content().Paragraphs().Add(fine()); }
    void corpo(int punti) { m_paragrafo->Range().Font().setSize(punti); }
    void testo(const QString &t) { m_paragrafo->Range().setText(t); }
    void pezzo(int punti, const QString &t)
    {
        corpo(punti);
        testo(t);
    }
    // A heading, after the line ends `prima`: it and the line ends after it stay on the page
    // where the text under them begins.
    void titolo(int punti, const QString &prima, const QString &titolo, const QString &dopo)
    {
        corpo(punti);
        if (!prima.isEmpty())
            testo(prima);
        m_paragrafo->Range().ParagraphFormat().setKeepWithNext(wdTrue);
        testo(titolo + dopo);
        m_paragrafo->Range().ParagraphFormat().setKeepWithNext(wdFalse);
    }
    WordField numeroPagine() { return m_documento.Fields().Add(m_paragrafo->Range(), wdFieldNumPages); }

    WordTable tabella(int righe, int colonne)
    {
        const WordTable t = m_documento.Tables().Add(fine(), righe, colonne);
        gTabella = t;
        return t;
    }
    static void cella(const WordTable &t, int riga, int colonna, const QString &testo)
    {
        t.Cell(riga, colonna).Range().setText(testo);
    }
    static void riga(const WordTable &t, int riga, const QStringList &testi)
    {
        for (int c = 1; c <= testi.size(); ++c)
            cella(t, riga, c, testi.at(c - 1));
    }
    // Rows stand whole on a page: a word processor lays a row broken across pages out in more
    // than one way, and the page count stated must be the one it prints.
    static void formatta(WordTable t)
    {
        t.AutoFormat(wdTableFormatColorful2);
        t.Rows().setAllowBreakAcrossPages(wdFalse);
    }

private:
    WordRange fine() { return m_documento.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(); }

    WordSelection &m_selezione;
    WordDocument &m_documento;
    std::optional<WordParagraph> m_paragrafo;
};

void frontespizio(Documento &d, const DatiRelazione &dati)
{
    const auto &t = dati.frontespizio.testi;   // comune, località, indirizzoimm, proprietà, committente, luogo, data, allegati
    WordSelection &s = d.selezione();
    s.Font().setName(QStringLiteral("Century Gothic"));
    s.Font().setBold(wdToggle);
    s.Font().setSize(20);
    s.TypeText(QStringLiteral("STIMA DI UN'AREA FABBRICABILE") + capi(3));
    s.Font().setBold(wdToggle);
    s.Font().setSize(14);
    s.TypeText(QStringLiteral("sita in.......: ") + t[0] + capi(2));
    s.TypeText(QStringLiteral("in località..: ") + t[1] + capi(2));
    s.TypeText(QStringLiteral("all'indirizzo: ") + t[2]);
    for (int i = 0; i < 6; ++i)
        s.TypeText(CR);
    s.TypeText(QStringLiteral("proprietà del terreno.........: ") + t[3] + CR);
    s.TypeText(QStringLiteral("committente della perizia : ") + t[4] + capi(2));
    s.TypeText(t[5] + QStringLiteral(": ") + t[6] + CR);
    s.Font().setSize(16);
    for (int i = 0; i < 18; ++i)
        s.TypeText(CR);
    s.TypeText(dati.studio + CR);
    s.TypeText(dati.indirizzoStudio + CR);
}

void sezioniNarrative(Documento &d)
{
    d.pezzo(18, FF + QStringLiteral("RELAZIONE DI STIMA") + capi(4));
    for (const Pezzo &p : sezioniAD) {
        const QString t = p.frase ? QString::fromUtf8(p.frase) : testo(p.testo);
        if (p.corpo > 12)
            d.titolo(p.corpo, QString(), t, capi(p.capi));
        else
            d.pezzo(p.corpo, t + capi(p.capi));
    }
}

void sezioniValoreFabbricato(Documento &d, const DatiRelazione &dati)
{
    const QuadroValore &v = dati.valore;

    d.titolo(16, CR, QStringLiteral("E) VALORE DEL FABBRICATO: coefficienti"), capi(2));
    d.pezzo(12, testo(Testo::Coefficienti) + capi(2));
    const WordTable e = d.tabella(valore::Caratteristiche + 2, 3);
    Documento::riga(e, 1, {QStringLiteral("numero"), QStringLiteral("caratteristiche considerate"),
                           QStringLiteral("coefficienti")});
    for (int i = 1; i <= valore::Caratteristiche; ++i)
        Documento::riga(e, i + 1, {Str(i), v.caratt[size_t(i)], v.coeff[size_t(i)]});
    Documento::riga(e, valore::Caratteristiche + 2, {QString(), QStringLiteral("Media dei coefficienti"), v.coeffic});
    Documento::formatta(e);
    d.nuovoParagrafo();

    d.titolo(16, capi(2), QStringLiteral("F) VALORE DEL FABBRICATO: la comparazione"), capi(2));
    d.pezzo(12, testo(Testo::Comparazione) + CR);
    d.testo(testo(Testo::DatoStorico) + CR);
    d.testo(QStringLiteral("E' stato rilevato dal mercato della zona, per tale tipo di edificio, un prezzo elementare "
                           "di euro/mq. ")
            + F(v.costmq) + QStringLiteral(".") + CR);
    d.testo(QStringLiteral("L'edificio da realizzare sull'area da valutare è stato considerato con caratteristiche ")
            + dati.costi.tipo + QStringLiteral(".") + capi(4));

    d.titolo(16, QString(), QStringLiteral("G) VALORE DEL FABBRICATO: superficie ragguagliata"), capi(2));
    d.pezzo(12, testo(Testo::Ragguagli) + CR);
    d.testo(testo(Testo::PercentualiRagguaglio) + CR);
    d.testo(QStringLiteral("(la superficie valutata è quella commerciale lorda a cui si riferisce il mercato della zona)")
            + capi(2));
    const WordTable g = d.tabella(4, 2);
    Documento::riga(g, 1, {QStringLiteral("tipologia di ambiente"), QStringLiteral("ragguaglio in %")});
    Documento::riga(g, 2, {QStringLiteral("superfici coperte e chiuse"), QStringLiteral("100")});
    Documento::riga(g, 3, {QStringLiteral("superfici dei cantinati"), QStringLiteral("50")});
    Documento::riga(g, 4, {QStringLiteral("superfici scoperte e cantinati senza luci"), QStringLiteral("25")});
    Documento::formatta(g);

    d.titolo(16, capi(2), QStringLiteral("H) VALORE DEL FABBRICATO: ambienti rilevati"), capi(2));
    QString ambienti = testo(Testo::AmbientiRilevati);
    if (!ambienti.isEmpty() && !ambienti.back().isSpace())
        ambienti += QLatin1Char(' ');
    d.pezzo(12, ambienti + QStringLiteral("In base a questi dati si è valutato che il volume massimo realizzabile è di mc.")
                    + dati.volume + QStringLiteral(" ed una superficie lorda di mq.") + dati.superficieLorda
                    + QStringLiteral(", calcolata considerando un'altezza media di m.3 per i piani.") + CR
                    + QStringLiteral("Si riporta la tabella delle superfici stimate, suddivise per tipologie in base ai "
                                     "ragguagli.")
                    + capi(2));
    // Every room with a type and every row the totals count, numbered from 1 in window order, so
    // that the table adds up to its totals row.
    const QList<int> righe = valore::righeAmbienti(v.tipol, v.sup, v.ragg);
    const int n = int(righe.size());
    const WordTable h = d.tabella(n + 2, 5);
    Documento::riga(h, 1, {QStringLiteral("n."), QStringLiteral("tipo di ambiente"), QStringLiteral("superficie mq."),
                           QStringLiteral("ragguaglio %"), QStringLiteral("sup.ragguagliata mq.")});
    for (int i = 1; i <= n; ++i) {
        const size_t k = size_t(righe[i - 1]);
        Documento::riga(h, i + 1, {Str(i), v.tipol[k], F(v.sup[k]), F(v.ragg[k]), F(v.suptot[k])});
    }
    Documento::riga(h, n + 2, {QString(), QStringLiteral("TOTALI mq."), F(v.supt), QString(), F(v.superf)});
    Documento::formatta(h);
    d.testo(CR + QStringLiteral("Dai dati suesposti si è potuto valutare l'edificio realizzabile sull'area da stimare in "
                                "euro ")
            + formatCell(dati.stima[0]) + QStringLiteral(".") + CR);
    d.nuovoParagrafo();
}

// The works table of the costs or times window: each work's amount and share, then the base.
void tabellaOpere(Documento &d, const QuadroOpere &q, const QString &importi, const QString &totale,
                  bool formattaImporti)
{
    const auto importo = [formattaImporti](const QString &t) { return formattaImporti ? F(t) : t; };
    const WordTable t = d.tabella(opere::NumeroOpere + 2, 3);
    Documento::riga(t, 1, {QStringLiteral("tipo di opere"), importi, QStringLiteral("percentuale sul totale")});
    for (int i = 1; i <= opere::NumeroOpere; ++i)
        Documento::riga(t, i + 1, {q.label1[size_t(i)], importo(q.ris[size_t(i)]), F(q.correz[size_t(i)])});
    Documento::riga(t, opere::NumeroOpere + 2, {totale, importo(q.base), QStringLiteral("100,00")});
    Documento::formatta(t);
}

// The categories table: a category's caption in column 1 with its total in column 4, an item's
// caption in column 2 with its amount in column 3, in window order, the window's total last.
void tabellaCategorie(Documento &d, const QuadroOpere &q, const QString &tipologia, const QString &unita,
                      const QString &totale, bool formatta)
{
    const auto valore = [formatta](const QString &t) { return formatta ? F(t) : t; };
    const int righe = int(q.label2.size());
    const WordTable t = d.tabella(righe + 2, 4);
    Documento::riga(t, 1, {QStringLiteral("classe di tipologia"), tipologia, unita, QStringLiteral("totale ") + unita});
    for (int r = 1; r <= righe; ++r) {
        const bool categoria = q.categorie.value(r - 1);
        Documento::cella(t, r + 1, categoria ? 1 : 2, q.label2.at(r - 1));
        Documento::cella(t, r + 1, categoria ? 4 : 3, valore(q.righe.value(r - 1)));
    }
    Documento::cella(t, righe + 2, 1, totale);
    Documento::cella(t, righe + 2, 4, valore(q.totale));
    Documento::formatta(t);
}

void sezioniCostiTempi(Documento &d, const DatiRelazione &dati)
{
    d.titolo(16, capi(2), QStringLiteral("I) I COSTI DI REALIZZAZIONE"), capi(2));
    d.pezzo(12, testo(Testo::CostiDiRealizzazione) + capi(2));
    tabellaOpere(d, dati.costi, QStringLiteral("costo in euro"), QStringLiteral("Totali costi"), true);
    d.nuovoParagrafo();
    d.testo(CR + QStringLiteral("Tutti i costi di realizzazione del fabbricato, invece, sono stati considerati nella "
                                "seguente tabella:")
            + capi(2));
    tabellaCategorie(d, dati.costi, QStringLiteral("tipologia di costo"), QStringLiteral("euro"),
                     QStringLiteral("Totale costi"), true);
    d.nuovoParagrafo();

    d.titolo(16, capi(2), QStringLiteral("L) I TEMPI PER LA REDDITIVITA'"), capi(2));
    d.pezzo(12, testo(Testo::TempiPerLaRedditivita) + capi(2));
    // The days go in as the window shows them; only the shares take the number pattern.
    tabellaOpere(d, dati.tempi, QStringLiteral("tempi in giorni"), QStringLiteral("Totale tempi"), false);
    d.nuovoParagrafo();
    d.testo(CR + QStringLiteral("Tutti i tempi intercorrenti tra la stima del terreno e l'inizio di redditività del "
                                "fabbricato, invece, sono stati considerati nella seguente tabella:")
            + capi(2));
    tabellaCategorie(d, dati.tempi, QStringLiteral("tipologia di tempi"), QStringLiteral("giorni"),
                     QStringLiteral("Totale giorni"), false);
    d.nuovoParagrafo();
}

const QStringList intestazioneStime = {QString(), QStringLiteral("fabbricato"), QStringLiteral("costi"),
                                       QStringLiteral("redditività"), QStringLiteral("superficie"),
                                       QStringLiteral("rendimento"), QStringLiteral("valore area"),
                                       QStringLiteral("valore")};
const QStringList unitaStime = {QString(), QStringLiteral("euro"), QStringLiteral("euro"), QStringLiteral("anni"),
                                QStringLiteral("mq."), QStringLiteral("%"), QStringLiteral("euro"),
                                QStringLiteral("euro/mq.")};

QStringList rigaStime(const QString &prima, const Termini &termini)
{
    QStringList r{prima};
    for (const Variant &v : termini)
        r << formatCell(v);
    return r;
}

void sezioniMQ(Documento &d, const DatiRelazione &dati)
{
    d.titolo(16, capi(2), QStringLiteral("M) SAGGIO DI RENDIMENTO"), capi(2));
    d.pezzo(12, testo(Testo::SaggioDiRendimento) + dati.incremento + QStringLiteral("% il valore minimo del ")
                    + dati.minimo + QStringLiteral("% del saggio di rendimento fino al valore massimo considerato del ")
                    + dati.massimo
                    + QStringLiteral("%. Si è ritenuta più congrua, tenendo conto delle attuali condizioni economiche "
                                     "della zona, la stima individuata dalla riga n.")
                    + dati.rigaSaggio.text() + QStringLiteral(".") + capi(2));
    d.corpo(10);
    const int saggi = int(dati.saggi.size());
    const WordTable m = d.tabella(saggi + 2, 8);
    QStringList intestazione = intestazioneStime;
    intestazione[0] = QStringLiteral("numero");
    Documento::riga(m, 1, intestazione);
    Documento::riga(m, 2, unitaStime);
    for (int i = 1; i <= saggi; ++i)
        Documento::riga(m, i + 2, rigaStime(Str(i), dati.saggi[size_t(i - 1)]));
    Documento::formatta(m);
    d.nuovoParagrafo();

    d.titolo(16, capi(2), QStringLiteral("N) DATI URBANISTICI E TECNICI"), capi(2));
    d.pezzo(12, testo(Testo::DatiUrbanistici) + capi(2));
    const WordTable n = d.tabella(20, 2);
    Documento::riga(n, 1, {QStringLiteral("tipologia"), QStringLiteral("valore")});
    for (int i = 1; i <= 19; ++i)
        Documento::riga(n, i + 1, {dati.descrive[size_t(i)], dati.urban[size_t(i)]});
    Documento::formatta(n);

    d.titolo(16, capi(2), QStringLiteral("O) DESCRIZIONE DELLA ZONA "), capi(2));
    d.pezzo(12, testo(Testo::DescrizioneZona) + capi(2));
    const WordTable o = d.tabella(15, 2);
    Documento::riga(o, 1, {QStringLiteral("caratteristica"), QStringLiteral("qualità")});
    for (int i = 1; i <= 14; ++i)
        Documento::riga(o, i + 1, {dati.dezona[size_t(i)], dati.urban[size_t(i + 19)]});
    Documento::formatta(o);

    d.titolo(16, capi(2), QStringLiteral("P) CALCOLO ESTIMATIVO"), capi(2));
    d.pezzo(12, testo(Testo::CalcoloEstimativo) + CR);
    d.testo(QStringLiteral("Va = (Vm - K) / (1 + r) ^ a") + CR);
    d.testo(QStringLiteral("in cui") + CR);
    d.testo(QStringLiteral("Va è il valore dell'area fabbricabile;") + CR);
    d.testo(QStringLiteral("Vm è il valore del fabbricato realizzabile sull'area;") + CR);
    d.testo(QStringLiteral("K sono tutti i costi di realizzazione del fabbricato;") + CR);
    d.testo(QStringLiteral("r è il saggio di rendimento dei capitali industriali;") + CR);
    d.testo(QStringLiteral("a sono gli anni che intercorrono tra la perizia e l'inizio di redditività del fabbricato.")
            + capi(3));

    d.titolo(16, QString(), QStringLiteral("Q) VALORE DI MERCATO DELL'AREA EDIFICABILE"), capi(2));
    d.pezzo(12, QStringLiteral("In quest'ultima tabella di valutazione sono riportati i dati suesposti e, considerando "
                               "un saggio di rendimento di ")
                    + dati.stima[4].text() + QStringLiteral("%, il risultato della stima dell'area fabbricabile.")
                    + capi(2));
    d.corpo(10);
    const WordTable q = d.tabella(3, 8);
    Documento::riga(q, 1, intestazioneStime);
    Documento::riga(q, 2, unitaStime);
    Documento::riga(q, 3, rigaStime(QStringLiteral("stime"), dati.stima));
    Documento::formatta(q);
}

// The closing: the value in figures and in words, the value per square metre, the page count (a
// field holding the count, worked out once the document is finished), the annexes, place and
// date, and the signature, with no paragraph end after it.
WordField chiusura(Documento &d, const DatiRelazione &dati)
{
    const auto &t = dati.frontespizio.testi;
    d.corpo(12);
    d.testo(CR + QStringLiteral("Il valore stimato del terreno in oggetto è di euro ") + formatCell(dati.stima[5]) + CR);
    gNumeroDaScrivere = dati.stima[5];
    gTestoLettere = QString();
    NumeroInLettere();
    d.testo(QStringLiteral("(euro ") + gTestoLettere.text() + QStringLiteral(").") + CR);
    d.testo(QStringLiteral("La stima per ogni metro quadrato di superficie è, pertanto, di euro ")
            + formatCell(dati.stima[6]) + QStringLiteral(".") + CR);
    d.testo(CR + QStringLiteral("La presente relazione di stima è composta di n. "));
    const WordField pagine = d.numeroPagine();
    d.testo(QStringLiteral(" pagine.") + CR);
    d.testo(QStringLiteral("Si allegano: ") + t[7] + capi(3));
    d.testo(t[5] + QStringLiteral(": ") + t[6] + capi(3));
    d.testo(QStringLiteral("il perito") + CR);
    d.testo(QStringLiteral("(") + dati.studio + QStringLiteral(")"));
    return pagine;
}

Termini termini(const RowArray *const colonne[7], int riga)
{
    Termini t;
    for (size_t c = 0; c < t.size(); ++c)
        t[c] = (*colonne[c])[riga];
    return t;
}

} // namespace

QString nomeFile(const QString &proprietario)
{
    return WordExport::nomeDocumento(QStringLiteral("-RelazioneVantegra-"), proprietario);
}

DatiRelazione leggiDati(const Frontespizio &frontespizio)
{
    DatiRelazione d;
    d.frontespizio = frontespizio.testi();
    d.studio = gStudio;
    d.indirizzoStudio = gIndirizzoStudio;

    if (auto *v = WindowRegistry::get<Valore>(QStringLiteral("valore")))
        d.valore = v->quadro();
    if (auto *s = WindowRegistry::get<Superficie>(QStringLiteral("superficie"))) {
        d.volume = s->vol();
        d.superficieLorda = s->suplord();
        for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
            d.urban[size_t(k)] = s->urban(k);
        for (int i = 1; i <= 19; ++i)
            d.descrive[size_t(i)] = s->descrive(i);
        for (int i = 1; i <= 14; ++i)
            d.dezona[size_t(i)] = s->dezona(i);
    }
    if (auto *c = WindowRegistry::get<FinestraOpere>(QStringLiteral("costare")))
        d.costi = c->quadro();
    if (auto *t = WindowRegistry::get<FinestraOpere>(QStringLiteral("redditività")))
        d.tempi = t->quadro();

    // A rate window never opened starts with its own range; either way its table is made to
    // belong to the chosen row before it is read.
    if (auto *c = WindowRegistry::get<Capitali>(QStringLiteral("capitali"))) {
        c->rinnovaTabella();
        d.minimo = c->min();
        d.massimo = c->max();
        d.incremento = c->increm();
    }
    d.rigaSaggio = gRigaSaggio;
    const RowArray *const saggi[7] = {&gSaggiFabbricato, &gSaggiCosti, &gSaggiAnni, &gSaggiSuperficie,
                                      &gSaggiRendimento, &gSaggiValoreArea, &gSaggiValoreMq};
    const int numeroSaggi = gNumeroSaggi.present() ? int(std::clamp(gNumeroSaggi.leading(), 0.0, double(MassimoSaggi))) : 0;
    for (int i = 1; i <= numeroSaggi; ++i)
        d.saggi.push_back(termini(saggi, i));

    const RowArray *const righe[7] = {&gValoreMercato, &gCostiTotali, &gAnni, &gSuperficie,
                                      &gSaggio, &gValoreArea, &gValoreMq};
    d.stima = termini(righe, rigaSceltaValida());
    return d;
}

bool scrivi(const DatiRelazione &dati)
{
    Documento d;
    frontespizio(d, dati);
    d.nuovoParagrafo();
    sezioniNarrative(d);
    sezioniValoreFabbricato(d, dati);
    sezioniCostiTempi(d, dati);
    sezioniMQ(d, dati);
    WordField pagine = chiusura(d, dati);

    WordSelection &selezione = gWord->Selection();
    selezione.Document()->Select();
    selezione.ParagraphFormat().setAlignment(wdAlignParagraphJustify);
    for (const auto &c : colonneADestra) {
        for (int colonna = c.prima; colonna <= c.ultima; ++colonna) {
            d.documento().Tables().Item(c.tabella).Columns().Item(colonna).Select();
            gWord->Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);
        }
    }
    // The count stated is the finished document's.
    pagine.Update();

    WordDocuments &documenti = gWord->Documents();
    WordDocument *ultimo = documenti.Item(documenti.Count());
    return ultimo && ultimo->SaveAs(WordExport::cartella() + QLatin1Char('/') + nomeFile(dati.frontespizio.testi[3]));
}

}   // namespace relazione
