#include "analyses/costs_times/FinestraOpere.h"
#include "ui_TabellaOpere.h"

#include "analyses/costs_times/ModuloCostiTempi.h"
#include "core/Controlli.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "platform/MsgBox.h"
#include "runtime/ArchiveRecord.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

const QString avvisoTotale = QStringLiteral("La percentuale deve essere = 100");
const QString sceltaTipo = QStringLiteral("scegliere la tipologia delle caratteristiche dell'edificio");
const QString appendiceTempi =
    QStringLiteral(" (non si comprende il tempo sovrapponibile con quello di opere contemporanee)");

const QColor giallo(255, 255, 0);
const QColor azzurroChiaro(192, 255, 255);
const QColor azzurro(0, 255, 255);

// A box's own background (where its text stands).
void coloraCasella(QLineEdit *casella, const QColor &colore)
{
    QPalette p = casella->palette();
    p.setColor(QPalette::Base, colore);
    casella->setPalette(p);
}

template<class T>
T *controllo(QWidget *dove, const QString &nome)
{
    T *c = dove->findChild<T *>(nome);
    Q_ASSERT_X(c, "FinestraOpere", qPrintable(nome));
    return c;
}

} // namespace

FinestraOpere::FinestraOpere(const Profilo &profilo, QWidget *parent)
    : AnalysisWindow(parent)
    , m_profilo(profilo)
    , m_tabella(new Ui::TabellaOpere)
{
}

FinestraOpere::~FinestraOpere() = default;

void FinestraOpere::impostaFinestra(QWidget *centrale)
{
    m_tabella->setupUi(controllo<QWidget>(centrale, QStringLiteral("opere")));
    mettiCentrale(centrale, m_profilo.nome, m_profilo.titolo);

    for (int i = 0; i <= opere::NumeroOpere; ++i) {
        const QString n = QString::number(i);
        Label1[i] = controllo<QLabel>(centrale, QStringLiteral("Label1_") + n);
        ris[i] = controllo<QLineEdit>(centrale, QStringLiteral("ris_") + n);
        if (i == 0)
            continue;
        correz[i] = controllo<QLineEdit>(centrale, QStringLiteral("correz_") + n);
        HScroll1[i] = controllo<QScrollBar>(centrale, QStringLiteral("HScroll1_") + n);
        annulla[i] = controllo<QPushButton>(centrale, QStringLiteral("annulla_") + n);
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        connect(annulla[i], &QPushButton::clicked, this, [this, i] { annulla_Click(i); });
    }
    correz[17] = controllo<QLineEdit>(centrale, QStringLiteral("correz_17"));
    for (int i = 1; i <= opere::NumeroOpere + 1; ++i)
        connect(correz[i], &QLineEdit::textChanged, this, [this, i] { correz_Change(i); });
    for (int k = 1; k <= opere::NumeroTipi; ++k) {
        Option1[k] = controllo<QRadioButton>(centrale, QStringLiteral("Option1_%1").arg(k));
        connect(Option1[k], &QRadioButton::clicked, this, [this, k] { Option1_Click(k); });
    }
    labello = controllo<QLabel>(centrale, QStringLiteral("labello"));
    labello->setText(m_profilo.captionTotaleIniziale);
    caratt = controllo<QGroupBox>(centrale, QStringLiteral("caratt"));
    caratt->setTitle(m_profilo.captionCaratt);
    caratt->setToolTip(m_profilo.tooltipCaratt);

    passo = controllo<QLabel>(centrale, QStringLiteral("passo"));
    QPalette p = passo->palette();
    p.setColor(QPalette::Window, giallo);
    passo->setPalette(p);

    for (int r = 1; r <= m_profilo.spiegazioni.size(); ++r) {
        auto *pulsante = controllo<QPushButton>(centrale, QStringLiteral("inform_%1").arg(r));
        connect(pulsante, &QPushButton::clicked, this, [this, r] { inform_Click(r); });
    }
    connect(controllo<QPushButton>(centrale, QStringLiteral("aiuto")), &QPushButton::clicked, this,
            [this] { aiuto_Click(); });

    setupCommandFamily();
}

void FinestraOpere::caricaControlli()
{
    // The boxes start empty, and so do the stored values they stand for: a value typed or read
    // again after a reopening is then spread like any other.
    for (const Categoria &c : std::as_const(m_categorie))
        *c.memoria = Variant();
    *m_profilo.totale = Variant();
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        annulla[i]->setToolTip(m_profilo.tooltipAnnulla);
        if (m_profilo.tooltipOpere)
            Label1[i]->setToolTip(QString::fromUtf8(opere::opera(i).descrizioneTempi) + appendiceTempi);
    }
    Suggerimento();
}

void FinestraOpere::azzeraDatiFinestra()
{
    // The works table's shares are the type's presets again as soon as the read chooses a type.
    *m_profilo.tipo = Variant();
    InAggiornamento = Variant();
}

void FinestraOpere::scrivi(QLineEdit *casella, const QString &testo)
{
    scriviTesto(casella, testo);
}

void FinestraOpere::coloraCaselle(const QList<QLineEdit *> &categorie, QLineEdit *totale)
{
    for (QLineEdit *casella : categorie)
        coloraCasella(casella, azzurroChiaro);
    coloraCasella(totale, azzurro);
}

bool FinestraOpere::inAggiornamento() const
{
    return InAggiornamento.present() && InAggiornamento.leading() == 1;
}

// --- the works table -------------------------------------------------------------------------

bool FinestraOpere::tipoScelto() const
{
    for (int k = 1; k <= opere::NumeroTipi; ++k) {
        if (Option1[k]->isChecked())
            return true;
    }
    return false;
}

void FinestraOpere::scegliTipo(int tipo)
{
    Option1[tipo]->setChecked(true);
    Option1_Click(tipo);
}

void FinestraOpere::tipoSeNessuno()
{
    if (!tipoScelto())
        scegliTipo(2);
}

void FinestraOpere::Option1_Click(int index)
{
    *m_profilo.tipo = index;
    for (int i = 1; i <= opere::NumeroOpere; ++i)
        gPercentualiOpere[i] = opere::preset(index, i);
    scrivi(correz[17], QStringLiteral("0"));
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        const double quota = gPercentualiOpere[i].numeric().value_or(0);
        const double base = m_profilo.base->numeric().value_or(0);
        scrivi(ris[i], numberText(opere::importoTroncato(quota, base)));
        scrivi(correz[i], opere::testoQuota(quota));
        const double letta = parseItalian(correz[i]->text()).value_or(0);
        HScroll1[i]->setValue(static_cast<int>(opere::arrotondaPari(letta * 100)));
    }
    // The total follows the shares also when no slider moved (the same type chosen again), so it
    // never reads 0 over a full table.
    totaleQuote();
}

void FinestraOpere::HScroll1_Change(int index)
{
    scrivi(correz[index], opere::testoCursore(HScroll1[index]->value()));
    totaleQuote();
}

void FinestraOpere::totaleQuote()
{
    double totale = 0;
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        const QString quota = correz[i]->text();
        if (!quota.isEmpty())
            totale += opere::centesimiDi(quota);
    }
    scrivi(correz[17], opere::testoQuota(totale));
}

void FinestraOpere::correz_Change(int)
{
    const QString totale = correz[17]->text();
    if (totale.isEmpty())
        return;
    const auto letto = parseItalian(totale);
    labello->setText(letto && *letto == 100 ? m_profilo.captionTotale : avvisoTotale);
    costruzione_Change();
}

void FinestraOpere::PassoTabella()
{
    tipoSeNessuno();
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        const QString quota = correz[i]->text();
        if (quota.isEmpty())
            return;
        const double base = m_profilo.base->numeric().value_or(0);
        scrivi(ris[i], numberText(opere::importoTroncato(opere::centesimiDi(quota), base)));
    }
    scrivi(ris[0], casellaCostruzione()->text());
    if (m_profilo.passoAzzeraAggiornamento)
        InAggiornamento = 0;
}

void FinestraOpere::annulla_Click(int index)
{
    // Before any type the table holds no shares to spread: the cancel starts from type 2, as
    // the window's first computation would.
    tipoSeNessuno();
    gPercentualiOpere[index] = 0;
    HScroll1[index]->setValue(0);

    std::array<int, opere::NumeroOpere + 1> cursori{};
    for (int i = 1; i <= opere::NumeroOpere; ++i)
        cursori[i] = HScroll1[i]->value();
    const double base = leadingNumber(casellaCostruzione()->text());
    const QList<opere::Ridistribuzione> passi = opere::ridistribuisci(gPercentualiOpere, cursori, index, base);
    auto passo = passi.cbegin();
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        if (i == index) {
            scrivi(ris[i], QStringLiteral("0"));
        } else if (passo != passi.cend() && passo->opera == i) {
            gPercentualiOpere[i] = passo->quota;
            scrivi(ris[i], numberText(passo->importo));
            HScroll1[i]->setValue(passo->cursore);
            ++passo;
        }
    }
    InAggiornamento = 0;
}

// --- categories ------------------------------------------------------------------------------

bool FinestraOpere::ripartisciCategoria(const Categoria &categoria)
{
    const double valore = leadingNumber(categoria.casella->text());
    if (valore == categoria.memoria->numeric().value_or(0))
        return false;
    *categoria.memoria = valore;
    InAggiornamento = 1;
    const QStringList testi = categorie::ripartisci(valore, categoria.quote, categoria.arrotondamento);
    for (int k = 0; k < testi.size(); ++k)
        scrivi(categoria.voci[k], testi[k]);
    return true;
}

void FinestraOpere::categoria_Change(int k)
{
    if (ripartisciCategoria(m_categorie[k])) {
        InAggiornamento = 0;
        totaleCategorie();
    }
}

void FinestraOpere::riscriviCategorie()
{
    for (const Categoria &c : std::as_const(m_categorie))
        scrivi(c.casella, c.memoria->text());
}

void FinestraOpere::voce_Change()
{
    if (!inAggiornamento()) {
        for (const Categoria &c : std::as_const(m_categorie)) {
            if (c.voci.isEmpty())
                continue;
            QStringList testi;
            for (const QLineEdit *voce : c.voci)
                testi << voce->text();
            *c.memoria = categorie::sommaVoci(testi);
        }
    }
    riscriviCategorie();
    totaleCategorie();
    Suggerimento();
}

void FinestraOpere::totaleCategorie()
{
    double somma = 0;
    for (const Categoria &c : std::as_const(m_categorie))
        somma += c.memoria->numeric().value_or(0);
    const double aggiunta = m_profitto ? leadingNumber(m_profitto->text()) : 0;
    *m_profilo.totale = somma + aggiunta;
    scrivi(m_casellaTotale, m_profilo.totale->text());
}

void FinestraOpere::Suggerimento()
{
    for (const Indicazione &s : std::as_const(m_suggerimenti)) {
        if (s.casella->text().isEmpty()) {
            passo->setText(s.testo);
            return;
        }
    }
    passo->setText(tipoScelto() ? m_profilo.suggerimentoFinale : sceltaTipo);
}

// --- explanations, help, check ---------------------------------------------------------------

void FinestraOpere::inform_Click(int index)
{
    if (index >= 1 && index <= m_profilo.spiegazioni.size())
        MsgBox(m_profilo.spiegazioni.at(index - 1), vb::Information, gTitoloAiuto.text());
}

void FinestraOpere::aiuto_Click()
{
    MsgBox(m_profilo.aiuto.join(QLatin1Char('\r')), vb::Information, gTitoloAiuto.text());
}

void FinestraOpere::controlla_click()
{
    for (const Controllo &c : controlli()) {
        if (leadingNumber(c.casella->text()) == 0) {
            MsgBox(c.messaggio, c.icona, gTitoloControllo);
            return;
        }
    }
    Variant &flag = *m_profilo.flag;
    if (flag.present() && flag.leading() == 1)
        flag = 0;
    else
        MsgBox(m_profilo.conferma, vb::Information, gTitoloControllo);
}

// --- archive ---------------------------------------------------------------------------------

ArchivioOpere FinestraOpere::archivioFinestra() const
{
    ArchivioOpere a;
    for (const QLineEdit *casella : caselleArchivio())
        a.testi << casella->text();
    a.tipo = *m_profilo.tipo;
    for (int i = 1; i <= opere::NumeroOpere; ++i)
        a.cursori[i] = HScroll1[i]->value();
    return a;
}

void FinestraOpere::applicaArchivio(const ArchivioOpere &archivio)
{
    const int tipo = opere::tipoValido(archivio.tipo);
    const QList<QLineEdit *> caselle = caselleArchivio();
    if (tipo == 0 || archivio.testi.size() != caselle.size())
        return;
    scegliTipo(tipo);
    for (int k = 0; k < caselle.size(); ++k)
        scrivi(caselle[k], archivio.testi[k]);
    for (int i = 1; i <= opere::NumeroOpere; ++i)
        HScroll1[i]->setValue(archivio.cursori[i]);
}

void FinestraOpere::scriviArchivio(ArchiveWriter &writer)
{
    scriviArchivioOpere(writer, archivioFinestra());
}

bool FinestraOpere::leggiArchivio(const ArchiveReader &reader, QString *motivo)
{
    ArchivioOpere letto;
    if (!leggiArchivioOpere(reader.records(), int(caselleArchivio().size()), letto, motivo))
        return false;
    comeAppenaCaricata();
    applicaArchivio(letto);
    return true;
}

// --- Word export -----------------------------------------------------------------------------

bool FinestraOpere::categoria(const QLineEdit *casella) const
{
    if (casella == m_profitto)
        return true;
    for (const Categoria &c : m_categorie) {
        if (c.casella == casella)
            return true;
    }
    return false;
}

QuadroOpere FinestraOpere::quadro() const
{
    QuadroOpere q;
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        q.label1[i] = Label1[i]->text();
        q.ris[i] = ris[i]->text();
    }
    for (int i = 1; i <= opere::NumeroOpere + 1; ++i)
        q.correz[i] = correz[i]->text();
    const int tipo = opere::tipoValido(*m_profilo.tipo);
    q.tipo = tipo ? Option1[tipo]->text() : QString();
    q.base = casellaCostruzione()->text();
    const QList<QLineEdit *> caselle = caselleRighe();
    for (int r = 1; r <= caselle.size(); ++r) {
        q.label2 << findChild<QLabel *>(QStringLiteral("Label2_%1").arg(r))->text();
        q.righe << caselle.at(r - 1)->text();
        q.categorie << categoria(caselle.at(r - 1));
    }
    q.totale = m_casellaTotale->text();
    return q;
}

void FinestraOpere::solodati_Click()
{
    const QuadroOpere q = quadro();
    // Before any type is chosen the subtitle ends with its blank.
    WordExport::Intestazione stile = WordExport::principale();
    stile.corpoTitolo = 12;
    stile.corpoTesto = 0;
    auto ex = WordExport::inizia(m_profilo.sottotitolo + q.tipo, stile);
    if (!ex)
        return;

    const auto importo = [this](const WordExport::Tabella &t, int r, int c, const QString &testo) {
        if (m_profilo.importiFormattati)
            t.numero(r, c, testo);
        else
            t.cella(r, c, testo);
    };
    const int righe1 = opere::NumeroOpere + 2;
    const WordExport::Tabella opereTabella = ex->tabella(righe1, 3);
    opereTabella.cella(1, 1, QStringLiteral("tipo di opere"));
    opereTabella.cella(1, 2, m_profilo.intestazioneImporti);
    opereTabella.cella(1, 3, QStringLiteral("percentuale sul totale"));
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        opereTabella.cella(i + 1, 1, q.label1[i]);
        importo(opereTabella, i + 1, 2, q.ris[i]);
        opereTabella.numero(i + 1, 3, q.correz[i]);
    }
    opereTabella.cella(righe1, 1, m_profilo.totaleOpere);
    importo(opereTabella, righe1, 2, q.base);
    opereTabella.cella(righe1, 3, QStringLiteral("100,00"));
    ex->formatta(opereTabella);

    // The second table follows the window: a category's caption in column 1 with its total in
    // column 4, a sub-item's caption in column 2 with its value in column 3, the total last.
    ex->nuovoParagrafo();
    const int righe2 = int(q.righe.size()) + 2;
    const WordExport::Tabella categorieTabella = ex->tabella(righe2, 4);
    for (int c = 1; c <= m_profilo.intestazioneCategorie.size(); ++c)
        categorieTabella.cella(1, c, m_profilo.intestazioneCategorie.at(c - 1));
    for (int r = 1; r <= q.righe.size(); ++r) {
        const bool perCategoria = q.categorie.at(r - 1);
        categorieTabella.cella(r + 1, perCategoria ? 1 : 2, q.label2.at(r - 1));
        importo(categorieTabella, r + 1, perCategoria ? 4 : 3, q.righe.at(r - 1));
    }
    categorieTabella.cella(righe2, 1, m_profilo.rigaTotale);
    importo(categorieTabella, righe2, 4, q.totale);
    ex->formatta(categorieTabella);

    ex->allineaDestra(1, {2, 3});
    ex->allineaDestra(2, {3, 4});
    ex->salva(m_profilo.parteNome);
}
