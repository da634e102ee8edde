#include "report/ArchivioTotale.h"

#include "analyses/costs_times/Costare.h"
#include "analyses/costs_times/Redditivita.h"
#include "analyses/value_lot_rate/Capitali.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "analyses/value_lot_rate/Valore.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "core/WindowRegistry.h"
#include "platform/MsgBox.h"
#include "report/ControlliStampa.h"
#include "report/Frontespizio.h"
#include "runtime/ArchiveRecord.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

const QString nomeDati = QStringLiteral("dati");
const QString nomeValore = QStringLiteral("valore");
const QString nomeCostare = QStringLiteral("costare");
const QString nomeRedditivita = QString::fromUtf8("redditività");
const QString nomeSuperficie = QStringLiteral("superficie");
const QString nomeCapitali = QStringLiteral("capitali");
const QString nomeFrontespizio = QStringLiteral("frontespizio");

// Where each record starts, for N appraisal rows (0-based line numbers).
struct Posizioni
{
    explicit Posizioni(int n)
        : righe(1), valore(1 + n), costi(valore + valore::RigheArchivio), tempi(costi + RigheArchivioOpere),
          urbanistica(tempi + RigheArchivioOpere), saggi(urbanistica + NumeroCampiUrbanistici),
          frontespizio(saggi + 1), fine(frontespizio + 2)
    {
    }
    int righe, valore, costi, tempi, urbanistica, saggi, frontespizio, fine;
};

// A text field as a text: a bare number in its text form, a value never set as "".
Variant comeTesto(const Variant &campo)
{
    return Variant(campo.text());
}

QList<QList<Variant>> comeTesti(QList<QList<Variant>> righe, int campiDiTesto)
{
    for (QList<Variant> &riga : righe)
        for (qsizetype c = 0; c < std::min<qsizetype>(campiDiTesto, riga.size()); ++c)
            riga[c] = comeTesto(riga[c]);
    return righe;
}

QString rigaFile(int indice)
{
    return QString::number(indice + 1);
}

// A window about to take its part of the file: created when needed, then as just loaded.
template<class Finestra>
Finestra *daLeggere(const QString &nome)
{
    Finestra *finestra = WindowRegistry::get<Finestra>(nome);
    finestra->comeAppenaCaricata();
    return finestra;
}

} // namespace

// --- the layout ------------------------------------------------------------------------------

void scriviArchivioTotale(ArchiveWriter &writer, const ArchivioTotale &archivio)
{
    writer.addNumber(double(archivio.righe.size()));
    writer.add(archivio.rigaScelta);
    writer.endRecord();
    for (const auto &termini : archivio.righe) {
        for (const Variant &t : termini)
            writer.add(t);
        writer.endRecord();
    }
    valore::scriviArchivio(writer, archivio.valore);
    scriviArchivioOpere(writer, archivio.costi);
    scriviArchivioOpere(writer, archivio.tempi);
    scriviArchivioUrbanistica(writer, archivio.urbanistica);
    writer.addNumber(archivio.saggi.minimo);
    writer.addNumber(archivio.saggi.massimo);
    writer.addNumber(archivio.saggi.incremento);
    writer.add(archivio.numeroSaggi);
    writer.add(archivio.saggi.rigaSaggio);
    writer.endRecord();
    scriviRecordFrontespizio(writer, archivio.frontespizio);
    scriviSuperficieLotto(writer, archivio.superficieLotto);
}

bool leggiArchivioTotale(const QList<QList<Variant>> &records, ArchivioTotale &out, QString *motivo)
{
    const auto rifiuta = [motivo](const QString &perche) {
        if (motivo)
            *motivo = perche;
        return false;
    };
    QList<QList<Variant>> righe = records;
    while (!righe.isEmpty() && righe.last().size() == 1 && righe.last().first().isEmpty())
        righe.removeLast();   // blank lines at the end
    if (righe.isEmpty())
        return rifiuta(QStringLiteral("è vuoto"));

    const QList<Variant> &prima = righe.first();
    if (prima.size() != 2)
        return rifiuta(QStringLiteral("la prima riga non contiene il numero delle stime e la riga scelta"));
    const std::optional<double> conta = prima[0].isNumber() ? prima[0].numeric() : std::nullopt;
    if (!conta || *conta != std::floor(*conta) || *conta < 0 || *conta > RowArray::LastRow)
        return rifiuta(QStringLiteral("il numero delle stime deve essere un numero intero da 0 a 100"));
    const int n = int(*conta);
    const Posizioni p(n);
    if (righe.size() < p.fine)
        return rifiuta(QStringLiteral("il file finisce prima delle %1 righe previste per %2 stime").arg(p.fine).arg(n));
    // One line more holds the lot surface typed by hand.
    if (righe.size() > p.fine + 1)
        return rifiuta(QStringLiteral("il file contiene più delle %1 righe previste per %2 stime").arg(p.fine + 1).arg(n));

    ArchivioTotale letto;
    letto.rigaScelta = prima[1];
    for (int i = 0; i < n; ++i) {
        const QList<Variant> &campi = righe[p.righe + i];
        if (campi.size() != 5)
            return rifiuta(QStringLiteral("la riga %1 non ha i cinque campi di una stima").arg(rigaFile(p.righe + i)));
        std::array<Variant, 5> termini;
        std::copy_n(campi.cbegin(), 5, termini.begin());
        letto.righe.append(termini);
    }

    QString perche;
    if (!valore::leggiArchivio(righe, p.valore, letto.valore, &perche))
        return rifiuta(perche);
    // The works records are read as the windows' own files; their line numbers are this file's.
    const auto opere = [&](int inizio, int testi, ArchivioOpere &dove, const QString &finestra) {
        if (leggiArchivioOpere(righe.mid(inizio, RigheArchivioOpere), testi, dove, &perche))
            return true;
        perche = QStringLiteral("%1 (righe %2-%3): %4").arg(finestra, rigaFile(inizio),
                                                           rigaFile(inizio + RigheArchivioOpere - 1), perche);
        return false;
    };
    if (!opere(p.costi, 4, letto.costi, QStringLiteral("costi"))
        || !opere(p.tempi, 5, letto.tempi, QStringLiteral("tempi")))
        return rifiuta(perche);

    ArchiveReader parte;
    parte.setRecords(comeTesti(righe.mid(p.urbanistica, NumeroCampiUrbanistici), 1));
    if (!leggiArchivioUrbanistica(parte, letto.urbanistica, &perche))
        return rifiuta(QStringLiteral("dati urbanistici (righe %1-%2): %3")
                           .arg(rigaFile(p.urbanistica), rigaFile(p.saggi - 1), perche));

    const QList<Variant> &saggi = righe[p.saggi];
    if (saggi.size() != 5)
        return rifiuta(QStringLiteral("la riga %1 non contiene i cinque valori del saggio di rendimento").arg(rigaFile(p.saggi)));
    const Variant &numero = saggi[3];
    const double quanti = numero.isNumber() ? numero.rawNumber() : -1;   // nothing, or a count
    if (numero.present() && (quanti != std::floor(quanti) || quanti < 0 || quanti > MassimoSaggi))
        return rifiuta(QStringLiteral("alla riga %1 il numero dei saggi non è un numero intero da 0 a 100").arg(rigaFile(p.saggi)));
    parte.setRecords({{saggi[0], saggi[1], saggi[2], saggi[4]}});
    if (!leggiArchivioSaggi(parte, letto.saggi, &perche))
        return rifiuta(QStringLiteral("saggio di rendimento (riga %1): %2").arg(rigaFile(p.saggi), perche));
    letto.numeroSaggi = numero;

    for (int r = p.frontespizio; r < p.fine; ++r)
        if (righe[r].size() != 4)
            return rifiuta(QStringLiteral("la riga %1 non contiene i quattro testi del frontespizio").arg(rigaFile(r)));
    parte.setRecords(comeTesti(righe.mid(p.frontespizio, 2), 4));
    if (!leggiArchivioFrontespizio(parte, letto.frontespizio, &perche))
        return rifiuta(perche);

    if (righe.size() > p.fine) {
        const QList<Variant> &superficie = righe[p.fine];
        if (superficie.size() != 1)
            return rifiuta(QStringLiteral("la riga %1 non contiene la sola superficie del lotto").arg(rigaFile(p.fine)));
        letto.superficieLotto = superficie[0].text();
    }

    out = letto;
    return true;
}

// --- the windows -----------------------------------------------------------------------------

ArchivioTotale raccogliArchivioTotale()
{
    ArchivioTotale a;
    a.rigaScelta = gRigaScelta;
    const int n = ultimaRigaUsata();
    for (int i = 1; i <= n; ++i)
        a.righe.append(terminiRiga(i));
    a.valore = WindowRegistry::get<Valore>(nomeValore)->archivioFinestra();
    a.costi = WindowRegistry::get<Costare>(nomeCostare)->archivioFinestra();
    a.tempi = WindowRegistry::get<Redditivita>(nomeRedditivita)->archivioFinestra();
    Superficie *superficie = WindowRegistry::get<Superficie>(nomeSuperficie);
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
        a.urbanistica[k] = superficie->urban(k);
    a.superficieLotto = superficieDaConservare(a.urbanistica, superficie->suplot());
    Capitali *capitali = WindowRegistry::get<Capitali>(nomeCapitali);
    capitali->rinnovaTabella();   // the count saved is that of the chosen row's table
    a.saggi = capitali->archivioFinestra();
    a.numeroSaggi = gNumeroSaggi;
    a.frontespizio = WindowRegistry::get<Frontespizio>(nomeFrontespizio)->testi();
    return a;
}

void applicaArchivioTotale(const ArchivioTotale &archivio)
{
    // Each window is put back as a freshly started program loads it just before its turn, so
    // that the file meets every window as it meets a new program's, in the same order.
    ArchivioDati dati;
    dati.numeroStime = int(archivio.righe.size());
    dati.righe = archivio.righe;
    dati.rigaScelta = archivio.rigaScelta;
    Dati *finestra = daLeggere<Dati>(nomeDati);
    applicaArchivioDati(dati);
    finestra->VScroll1_Change();

    daLeggere<Valore>(nomeValore)->applicaArchivio(archivio.valore);
    daLeggere<Costare>(nomeCostare)->applicaArchivio(archivio.costi);
    daLeggere<Redditivita>(nomeRedditivita)->applicaArchivio(archivio.tempi);
    Superficie *superficie = daLeggere<Superficie>(nomeSuperficie);
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k) {
        gDatiUrbanistici[k] = archivio.urbanistica[k];
        superficie->setUrban(k, gDatiUrbanistici[k].text());
    }
    if (archivio.superficieLotto)
        superficie->setSuplot(*archivio.superficieLotto);
    Capitali *capitali = daLeggere<Capitali>(nomeCapitali);
    gNumeroSaggi = archivio.numeroSaggi;
    capitali->applicaArchivio(archivio.saggi);
    // A table the rows just read cannot give is emptied, never left from before.
    capitali->rinnovaTabella();
    daLeggere<Frontespizio>(nomeFrontespizio)->impostaTesti(archivio.frontespizio);
}

// --- the commands ----------------------------------------------------------------------------

void salvaArchivioTotale(Frontespizio &frontespizio)
{
    if (!stampa::controlliDelleFinestre(frontespizio))
        return;

    CommonDialog &dialogo = frontespizio.CommonDialog1;
    dialogo.DialogTitle = QStringLiteral("Salva file con nome");
    dialogo.FileName = QStringLiteral("Vantegra-totale-");
    dialogo.Filter = QStringLiteral("File Vantegra-totale-| Vantegra-totale-*");
    dialogo.FilterIndex = 1;
    if (!dialogo.showSave())
        return;

    ArchiveWriter writer;
    scriviArchivioTotale(writer, raccogliArchivioTotale());
    const QString percorso = dialogo.FileName;
    QString errore;
    if (!writer.save(percorso, &errore))
        MsgBox(QStringLiteral("Non è stato possibile salvare il file \"%1\": i dati della stima non sono stati "
                              "archiviati. Un file già esistente con quel nome è rimasto com'era.")
                   .arg(QDir::toNativeSeparators(percorso)),
               vb::Critical, gTitoloControllo);
}

void apriArchivioTotale(Dati &dati)
{
    CommonDialog &dialogo = dati.CommonDialog1;
    dialogo.DialogTitle = QStringLiteral("Apri file");
    dialogo.FileName.clear();
    dialogo.Filter = QStringLiteral("File Vantegra-totale- | Vantegra-totale-*");
    dialogo.FilterIndex = 1;
    if (!dialogo.showOpen())
        return;
    const QString nome = QFileInfo(dialogo.FileName).fileName();
    const QString invariati = QStringLiteral(" I dati delle finestre non sono stati modificati.");

    // Read and checked whole before anything changes: a damaged or foreign file never leaves half
    // an appraisal in half the windows.
    const std::optional<QByteArray> contenuto = readArchiveFile(dialogo.FileName);
    if (!contenuto) {
        MsgBox(QStringLiteral("Il file \"%1\" non si può leggere.").arg(nome) + invariati, vb::Critical,
               gTitoloControllo);
        return;
    }
    ArchiveReader reader;
    QString motivo;
    ArchivioTotale archivio;
    if (!reader.parse(*contenuto, &motivo) || !leggiArchivioTotale(reader.records(), archivio, &motivo)) {
        MsgBox(QStringLiteral("Il file \"%1\" non è un archivio di tutti i dati di %2: %3.")
                       .arg(nome, gNomeProgramma.text(), motivoDopoDuePunti(motivo))
                   + invariati,
               vb::Critical, gTitoloControllo);
        return;
    }
    applicaArchivioTotale(archivio);
}
