#include "report/Studio.h"

#include <QSettings>

QString gStudio;
QString gIndirizzoStudio;

namespace {

const QString chiaveStudio = QStringLiteral("studio/nome");
const QString chiaveIndirizzo = QStringLiteral("studio/indirizzo");
const QString organizzazione = QStringLiteral("Vantegra");
const QString applicazione = QStringLiteral("Vantegra");

} // namespace

void CaricaStudio()
{
    const QSettings s(QSettings::NativeFormat, QSettings::UserScope, organizzazione, applicazione);
    gStudio = s.value(chiaveStudio).toString();
    gIndirizzoStudio = s.value(chiaveIndirizzo).toString();
}

bool SalvaStudio(const QString &studio, const QString &indirizzo)
{
    gStudio = studio;
    gIndirizzoStudio = indirizzo;
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organizzazione, applicazione);
    s.setValue(chiaveStudio, studio);
    s.setValue(chiaveIndirizzo, indirizzo);
    s.sync();
    return s.status() == QSettings::NoError;
}
