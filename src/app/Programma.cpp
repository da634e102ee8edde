#include "app/Programma.h"

#include "analyses/costs_times/RegistraCostiTempi.h"
#include "analyses/value_lot_rate/RegistraCapitali.h"
#include "analyses/value_lot_rate/RegistraSuperficie.h"
#include "analyses/value_lot_rate/RegistraValore.h"
#include "core/Avvio.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WindowRegistry.h"
#include "core/frmSplash.h"
#include "help/RegistraGuide.h"
#include "help/RegistraInformazioni.h"
#include "report/ArchivioTotale.h"
#include "report/RegistraFrontespizio.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

void RegistraFinestre()
{
    WindowRegistry::registerWindow(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    WindowRegistry::registerWindow(QStringLiteral("dati"), [] { return new Dati; });
    RegistraFinestreGuida();
    RegistraFinestreInformazioni();
    RegistraFinestraSuperficie();
    RegistraFinestraCapitali();
    RegistraFinestraValore();
    RegistraFinestraFrontespizio();
    RegistraFinestreCostiTempi();
    Dati::setLettoreArchivioTotale(apriArchivioTotale);
}

QTranslator *CaricaTraduzioniQt(const QString &cartella)
{
    auto *traduzioni = new QTranslator(QCoreApplication::instance());
    if (!traduzioni->load(QStringLiteral("qtbase_it"), cartella) || !QCoreApplication::installTranslator(traduzioni)) {
        delete traduzioni;
        return nullptr;
    }
    return traduzioni;
}

void Avvio()
{
    // The replace question is the one guard before a window's archive is written over a file
    // of another kind: it has to be read in the program's language.
    CaricaTraduzioniQt(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    CaricaRisorse();
    ImpostaCostanti();
    ImpostaMessaggi();
    RegistraFinestre();
    // The documents and windows name Century Gothic; URW Gothic is its free look-alike.
    QFont::insertSubstitution(QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"));
    WindowRegistry::show(QStringLiteral("frmSplash"));
}
