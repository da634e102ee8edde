#include "support/WindowTest.h"

#include "analyses/costs_times/ModuloCostiTempi.h"
#include "analyses/value_lot_rate/CalcoloValore.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "help/Prodotti.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/Programma.h"
#include "core/Avvio.h"
#include "core/Modulo.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTest>

QByteArray contenuto(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool scrivi(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void resetModuleData()
{
    for (RowArray *rows : {&gValoreMercato, &gCostiTotali, &gAnni, &gSuperficie, &gSaggio,
                           &gValoreArea, &gValoreMq})
        rows->clear();
    gNumeroStime = Variant();
    gPrimaRiga = Variant();
    gRigaCorrente = Variant();
    gRigaScelta = Variant();

    gNomeProgramma = Variant();
    gTitoloRelazione = Variant();
    gVersione = Variant();
    gDataVersione = Variant();
    gBuild = Variant();
    gTitoloControllo = QString();
    gTitoloElimina = Variant();
    gTitoloAiuto = Variant();

    gControlloDati = Variant();
    gControlloValore = Variant();
    gControlloCosti = Variant();
    gControlloTempi = Variant();
    gControlloSuperficie = Variant();
    gColoreSfondo = 0;

    gNumeroDaScrivere = Variant();
    gTestoLettere = Variant();
    for (QString &w : gParoleNumeri)
        w.clear();
    for (QString &w : gParoleRisultato)
        w.clear();
    gContaParole = Variant();
    gGruppoCifre = 0;
    gNumeroDaFormattare.clear();
    gNumeroFormattato.clear();

    gTabella.reset();
    gDocumento = nullptr;
    gWord.reset();

    // The windows' own module data.
    AzzeraDatiCostiTempi();
    valore::azzeraDatiModulo();
    for (Variant &campo : gDatiUrbanistici)
        campo = Variant();
    azzeraTabellaSaggi();
    gAnnoListino = Variant();

    // The start sets the constants and titles before any window but the splash is shown.
    ImpostaCostanti();
    ImpostaMessaggi();
}

namespace {

void unloadEveryWindow()
{
    QStringList names = WindowRegistry::loadedWindows();
    std::reverse(names.begin(), names.end());
    for (const QString &name : std::as_const(names))
        WindowRegistry::unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// OK on a box with OK, Yes on a box with Yes.
int defaultAnswer(const MessageRecord &m)
{
    switch (m.buttons()) {
    case vb::YesNo:
    case vb::YesNoCancel: return vb::Yes;
    default: return vb::OK;
    }
}

const char *const desktopSchemes[] = {"http", "https", "mailto", "file"};

} // namespace

void WindowTest::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void WindowTest::standIn(const QString &name)
{
    WindowRegistry::registerWindow(name, [] { return new QWidget; });
}

bool WindowTest::isShown(const QString &name)
{
    const QWidget *w = WindowRegistry::existing(name);
    return w && w->isVisible();
}

void WindowTest::SetUp()
{
    // The user's own settings (the studio's name, say) never reach a test, nor the reverse.
    static QTemporaryDir impostazioni;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
    CaricaRisorse();
    unloadEveryWindow();
    WindowRegistry::clearStates();
    RegistraFinestre();
    resetModuleData();

    setMessageHandler([this](const MessageRecord &m) {
        messages << m;
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return defaultAnswer(m);
    });
    CommonDialog::setHandler([this](const CommonDialog::Request &r) {
        dialogs << r;
        if (m_replies.empty())
            return CommonDialog::Reply{};
        const CommonDialog::Reply reply = m_replies.front();
        m_replies.pop_front();
        return reply;
    });
    for (const char *scheme : desktopSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &desktop, "open");
    setFineProgrammaHandler([this] { quitRequested = true; });
    WordApplication::setOpenAfterSave(false);
}

void WindowTest::TearDown()
{
    unloadEveryWindow();
    for (const char *scheme : desktopSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    // Whatever runs after the fixture still never blocks on a box or a dialog, nor ends the run.
    setMessageHandler(defaultAnswer);
    CommonDialog::setHandler([](const CommonDialog::Request &) { return CommonDialog::Reply{}; });
    setFineProgrammaHandler([] {});
}

void WindowTest::trigger(QWidget *window, const QString &actionName)
{
    QAction *action = find<QAction>(window, actionName);
    if (!action->isEnabled())
        fail(QStringLiteral("%1 is disabled").arg(actionName));
    action->trigger();
}

void WindowTest::type(QLineEdit *box, const QString &text)
{
    QTest::keyClicks(box, text);
}

void WindowTest::click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WindowTest::pressKey(QWidget *widget, Qt::Key key)
{
    QTest::keyClick(widget, key);
}
