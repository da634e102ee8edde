#include "report/TestiRelazione.h"

namespace relazione {

QString testo(Testo t)
{
    // Placeholder wording until the report's prose is written.
    return QStringLiteral("Testo %1.").arg(static_cast<int>(t));
}

} // namespace relazione
