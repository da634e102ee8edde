#include "core/Avvio.h"

#include <QApplication>
#include <QWidget>

namespace {
std::function<void()> &fineProgramma()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

static void registraRisorse()
{
    Q_INIT_RESOURCE(vantegra);
}

void CaricaRisorse()
{
    static bool fatto = false;
    if (!fatto) {
        registraRisorse();
        fatto = true;
    }
}

void FineSeNessunaFinestra()
{
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            return;
    }
    if (fineProgramma())
        fineProgramma()();
    else
        QCoreApplication::quit();
}

void setFineProgrammaHandler(std::function<void()> handler)
{
    fineProgramma() = std::move(handler);
}
