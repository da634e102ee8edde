#include "core/frmSplash.h"
#include "ui_frmSplash.h"

#include "core/Avvio.h"
#include "core/Modulo.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::frmSplash)
{
    CaricaRisorse();
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    for (QLabel *l : findChildren<QLabel *>())
        l->installEventFilter(this);
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load()
{
    MMControl1.FileName = QStringLiteral("Internet.mid");
    MMControl1.command(QStringLiteral("open"));
    MMControl1.command(QStringLiteral("play"));
    ImpostaMessaggi();
    ImpostaCostanti();
    setWindowTitle(gNomeProgramma.text());
    setCaption(3, gNomeProgramma.text());
    setCaption(4, gTitoloRelazione.text());
    setCaption(5, QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + gVersione.text());
}

void frmSplash::Form_Click()
{
    MMControl1.command(QStringLiteral("pause"));
    MostraDati();
}

void frmSplash::label_click(int /*index*/)
{
    Form_Click();
}

void frmSplash::image1_click()
{
    Form_Click();
}

void frmSplash::Form_KeyPress(int /*keyAscii*/)
{
    MMControl1.command(QStringLiteral("close"));
    WindowRegistry::unload(QStringLiteral("frmSplash"));
    WindowRegistry::unload(QStringLiteral("prodotti"));
    FineSeNessunaFinestra();
}

QString frmSplash::caption(int index) const
{
    const QLabel *l = label(index);
    return l ? l->text() : QString();
}

void frmSplash::setCaption(int index, const QString &text)
{
    if (QLabel *l = label(index))
        l->setText(text);
}

QLabel *frmSplash::label(int index) const
{
    return findChild<QLabel *>(QStringLiteral("label_%1").arg(index));
}

void frmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    // Only keys that type a character count (letters, digits, Enter, Esc, Backspace), not Shift
    // or the arrows on their own.
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress(text.at(0).unicode());
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_ui->Image1) {
            image1_click();
            return true;
        }
        const QString name = watched->objectName();
        if (name.startsWith(QLatin1String("label_"))) {
            label_click(name.mid(6).toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
