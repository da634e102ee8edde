#include "help/RegistraGuide.h"

#include "core/WindowRegistry.h"
#include "help/Guida.h"
#include "help/Sommario.h"
#include "help/TestiGuida.h"

void RegistraFinestreGuida()
{
    WindowRegistry::registerWindow(QStringLiteral("sommario"), [] { return new Sommario; },
                                   WindowRegistry::OnClose::Unload);
    for (const TestoGuida &guida : TestiGuida()) {
        const QString nome = guida.finestra;
        WindowRegistry::registerWindow(nome, [nome] { return new Guida(nome); }, WindowRegistry::OnClose::Unload);
    }
}
