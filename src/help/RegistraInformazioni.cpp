#include "help/RegistraInformazioni.h"

#include "core/WindowRegistry.h"
#include "help/Informa.h"
#include "help/Prodotti.h"
#include "help/SupportoClienti.h"
#include "help/frmTip.h"

void RegistraFinestreInformazioni()
{
    using OnClose = WindowRegistry::OnClose;
    WindowRegistry::registerWindow(QStringLiteral("frmTip"), [] { return new frmTip; }, OnClose::Hide);
    WindowRegistry::registerWindow(QStringLiteral("informa"), [] { return new informa; }, OnClose::Hide);
    WindowRegistry::registerWindow(QStringLiteral("supportoclienti"), [] { return new supportoclienti; },
                                   OnClose::Hide);
    WindowRegistry::registerWindow(QStringLiteral("prodotti"), [] { return new prodotti; }, OnClose::Hide);
}
