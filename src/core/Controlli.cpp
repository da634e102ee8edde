#include "core/Controlli.h"

#include "core/Modulo.h"
#include "platform/MsgBox.h"

#include <QColor>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>

namespace {

class Clic : public QObject
{
public:
    Clic(QWidget *controllo, std::function<void()> azione)
        : QObject(controllo), m_azione(std::move(azione))
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_azione();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_azione;
};

} // namespace

bool RegolaNumerica(const QString &testo, bool ammetteSpazi)
{
    for (const QChar c : testo) {
        if (!((c >= u'0' && c <= u'9') || c == u',' || (ammetteSpazi && c == u' ')))
            return false;
    }
    return true;
}

void MessaggioRegolaNumerica()
{
    MsgBox(QStringLiteral("Inserire solo dati numerici e la virgola per i decimali."), vb::Critical, gTitoloControllo);
}

void scriviTesto(QLineEdit *box, const QString &testo)
{
    if (box->text() != testo)
        box->setText(testo);
}

void coloraSfondo(QWidget *controllo, const QColor &colore)
{
    controllo->setAutoFillBackground(true);
    QPalette p = controllo->palette();
    if (p.color(QPalette::Window) == colore)
        return;
    p.setColor(QPalette::Window, colore);
    controllo->setPalette(p);
}

void alClic(QWidget *controllo, std::function<void()> azione)
{
    controllo->installEventFilter(new Clic(controllo, std::move(azione)));
}
