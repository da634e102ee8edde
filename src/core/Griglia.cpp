#include "core/Griglia.h"

#include <QColor>

namespace {

const QColor giallo(255, 255, 0);   // an ordinary line number
const QColor rosso(255, 0, 0);      // the chosen line's number
const char *const nomiCaselle[Griglia::Colonne] = {"valoremercat", "costitotal", "ann", "superfic",
                                                   "sagg", "valtot", "valmq"};

} // namespace

void Griglia::trova(QWidget *modulo)
{
    for (int k = 1; k <= Linee; ++k) {
        const QString n = QString::number(k);
        num[k] = modulo->findChild<QLabel *>(QStringLiteral("num_") + n);
        freccia[k] = modulo->findChild<QLabel *>(QStringLiteral("freccia_") + n);
        for (int c = 0; c < Colonne; ++c)
            caselle[c][k] = modulo->findChild<QLineEdit *>(QString::fromLatin1(nomiCaselle[c]) + '_' + n);
    }
}

Variant Griglia::valoreDaCasella(const QString &testo, const Variant &attuale)
{
    if (testo.isEmpty() && attuale.isEmpty())
        return attuale;
    return testo;
}

void Griglia::segna(int linea, bool scelta)
{
    coloraSfondo(num[linea], scelta ? rosso : giallo);
    freccia[linea]->setVisible(scelta);
}

void Griglia::segnaClic(int linea)
{
    for (int k = 1; k <= Linee; ++k)
        coloraSfondo(num[k], giallo);
    coloraSfondo(num[linea], rosso);
}
