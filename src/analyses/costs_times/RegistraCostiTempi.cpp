#include "analyses/costs_times/RegistraCostiTempi.h"

#include "analyses/costs_times/Costare.h"
#include "analyses/costs_times/Redditivita.h"
#include "core/WindowRegistry.h"

void RegistraFinestreCostiTempi()
{
    WindowRegistry::registerWindow(QStringLiteral("costare"), [] { return new Costare; });
    WindowRegistry::registerWindow(QStringLiteral("redditività"), [] { return new Redditivita; });
}
