#include "core/clsResize.h"

#include <QDockWidget>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRubberBand>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {


int toPixels(double twips)
{
    return int(std::lround(twips / clsResize::kTwipsPerPixel));
}

// Nearest whole twip, ties to even, as the design values are kept.
int toWholeTwips(double twips)
{
    return int(std::nearbyint(twips));
}

QSize &screenOverride()
{
    static QSize twips;
    return twips;
}

bool isPassedOver(const QWidget *widget)
{
    return widget->isWindow() || qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget)
           || qobject_cast<const QToolBar *>(widget) || qobject_cast<const QStatusBar *>(widget)
           || qobject_cast<const QDockWidget *>(widget) || qobject_cast<const QSizeGrip *>(widget)
           || qobject_cast<const QRubberBand *>(widget)
           || widget->objectName().startsWith(QLatin1String("qt_"));
}

bool isPlainContainer(const QWidget *widget)
{
    const QMetaObject *type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
           || type == &QGroupBox::staticMetaObject;
}

void collectControls(QWidget *parent, QList<QWidget *> &controls)
{
    if (parent->layout())
        return;     // a layout places these itself
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || isPassedOver(widget))
            continue;
        controls << widget;
        if (isPlainContainer(widget))
            collectControls(widget, controls);
    }
}

// The widget whose size is the window's inner size and whose descendants are the controls.
QWidget *clientArea(QWidget *form)
{
    if (auto *main = qobject_cast<QMainWindow *>(form)) {
        if (QWidget *central = main->centralWidget()) {
            // A hidden window gets no resize events, so its layout has not placed the menu bar,
            // the toolbars and the central widget for its current size yet.
            if (!form->isVisible()) {
                if (QLayout *layout = form->layout()) {
                    layout->invalidate();
                    layout->activate();
                }
            }
            return central;
        }
    }
    return form;
}

QList<QWidget *> controlsIn(QWidget *client)
{
    QList<QWidget *> controls;
    if (!qobject_cast<QMainWindow *>(client))   // a main window without a central widget
        collectControls(client, controls);
    return controls;
}

} // namespace

// ---- LineControl ---------------------------------------------------------------------------

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineControl::setX1(double twips) { setLine(twips, m_y1, m_x2, m_y2); }
void LineControl::setY1(double twips) { setLine(m_x1, twips, m_x2, m_y2); }
void LineControl::setX2(double twips) { setLine(m_x1, m_y1, twips, m_y2); }
void LineControl::setY2(double twips) { setLine(m_x1, m_y1, m_x2, twips); }

void LineControl::setLine(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void LineControl::setBorderColor(const QColor &color)
{
    m_color = color;
    update();
}

void LineControl::setBorderWidth(int pixels)
{
    m_width = std::max(1, pixels);
    place();
}

void LineControl::place()
{
    const int x1 = toPixels(m_x1), y1 = toPixels(m_y1), x2 = toPixels(m_x2), y2 = toPixels(m_y2);
    const int half = m_width / 2;
    setGeometry(std::min(x1, x2) - half, std::min(y1, y2) - half, std::abs(x2 - x1) + m_width,
                std::abs(y2 - y1) + m_width);
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    const int half = m_width / 2;
    const int left = std::min(toPixels(m_x1), toPixels(m_x2)) - half;
    const int top = std::min(toPixels(m_y1), toPixels(m_y2)) - half;
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(toPixels(m_x1) - left, toPixels(m_y1) - top, toPixels(m_x2) - left, toPixels(m_y2) - top);
}

// ---- clsResize -----------------------------------------------------------------------------

clsResize::clsResize() = default;

clsResize::~clsResize()
{
    m_records.clear();
    m_form = nullptr;
}

QWidget *clsResize::SourceForm() const
{
    return m_form;
}

void clsResize::SourceForm(QWidget *New_SourceForm)
{
    m_form = New_SourceForm;
}

void clsResize::ReInitialise()
{
    RegistraPosizioni();
}

void clsResize::RegistraPosizioni()
{
    if (!m_form)
        return;
    QWidget *client = clientArea(m_form);
    m_recordedWidth = toWholeTwips(client->width() * kTwipsPerPixel);
    m_recordedHeight = toWholeTwips(client->height() * kTwipsPerPixel);

    m_records.clear();
    const QList<QWidget *> controls = controlsIn(client);
    m_records.reserve(controls.size());
    for (QWidget *control : controls) {
        Record record;
        record.control = control;
        if (auto *line = qobject_cast<LineControl *>(control)) {
            record.isLine = true;
            record.values[0] = toWholeTwips(line->X1());
            record.values[1] = toWholeTwips(line->Y1());
            record.values[2] = toWholeTwips(line->X2());
            record.values[3] = toWholeTwips(line->Y2());
        } else {
            const QRect geometry = control->geometry();
            record.values[0] = toWholeTwips(geometry.x() * kTwipsPerPixel);
            record.values[1] = toWholeTwips(geometry.y() * kTwipsPerPixel);
            record.values[2] = toWholeTwips(geometry.width() * kTwipsPerPixel);
            record.values[3] = toWholeTwips(geometry.height() * kTwipsPerPixel);
        }
        m_records << record;
    }
    m_mustRecord = false;
}

void clsResize::SizeFormToScreen(const unsigned char &Percent)
{
    if (!m_form)
        return;
    if (m_mustRecord)
        RegistraPosizioni();

    const QSize screen = screenSizeTwips();
    // The percentage and the divisor are single precision; their quotient is not rounded
    // to single precision before it multiplies the screen size.
    const double share = double(float(Percent)) / double(100.0f);
    const double height = std::floor(share * screen.height());
    const double width = std::floor(share * screen.width());
    const double top = (screen.height() - height) / 2;
    const double left = (screen.width() - width) / 2;

    QPoint origin;
    if (screenOverride().isEmpty()) {
        if (const QScreen *primary = QGuiApplication::primaryScreen())
            origin = primary->availableGeometry().topLeft();
    }
    m_form->move(origin.x() + toPixels(left), origin.y() + toPixels(top));
    m_form->resize(toPixels(width), toPixels(height));
    ResizeControls();
}

void clsResize::SetFormHeight(QWidget *form, double twips)
{
    if (form)
        form->resize(form->width(), toPixels(twips));
}

void clsResize::SetFormWidth(QWidget *form, double twips)
{
    if (form)
        form->resize(toPixels(twips), form->height());
}

void clsResize::SizeAnalysisForm()
{
    SizeFormToScreen(75);
    SetFormHeight(m_form, kAnalysisHeight);
    SetFormWidth(m_form, kAnalysisWidth);
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!m_form)
        return;
    QWidget *client = clientArea(m_form);
    if (controlsIn(client).isEmpty())
        return;
    if (m_form->isMinimized())
        return;
    if (m_mustRecord) {
        RegistraPosizioni();
        return;
    }
    if (m_recordedWidth == 0 || m_recordedHeight == 0)
        return;

    const QSize inner = client->size();
    const double heightRatio = inner.height() * kTwipsPerPixel / m_recordedHeight;
    const double widthRatio = inner.width() * kTwipsPerPixel / m_recordedWidth;

    // Frozen for the whole pass, so that the controls move in one repaint.
    const bool updatesWereEnabled = m_form->updatesEnabled();
    m_form->setUpdatesEnabled(false);

    static const QString allFour = QStringLiteral("@L,T,W,H");
    for (const Record &record : std::as_const(m_records)) {
        QWidget *control = record.control;
        if (!control)
            continue;   // destroyed since the recording
        QString tag = control->property("Tag").toString().toUpper();
        if (!tag.startsWith(QLatin1Char('@')))
            tag = allFour;
        const bool scaleL = tag.contains(QLatin1Char('L'));
        const bool scaleT = tag.contains(QLatin1Char('T'));
        const bool scaleW = tag.contains(QLatin1Char('W'));
        const bool scaleH = tag.contains(QLatin1Char('H'));
        const int *v = record.values;

        if (record.isLine) {
            auto *line = qobject_cast<LineControl *>(control);
            if (!line)
                continue;
            line->setLine(scaleL ? v[0] * widthRatio : line->X1(), scaleT ? v[1] * heightRatio : line->Y1(),
                          scaleW ? v[2] * widthRatio : line->X2(), scaleH ? v[3] * heightRatio : line->Y2());
        } else {
            const QRect current = control->geometry();
            control->setGeometry(scaleL ? toPixels(v[0] * widthRatio) : current.x(),
                                 scaleT ? toPixels(v[1] * heightRatio) : current.y(),
                                 scaleW ? toPixels(v[2] * widthRatio) : current.width(),
                                 scaleH ? toPixels(v[3] * heightRatio) : current.height());
        }
    }

    if (updatesWereEnabled)
        m_form->setUpdatesEnabled(true);
}

QSize clsResize::screenSizeTwips()
{
    if (!screenOverride().isEmpty())
        return screenOverride();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QSize pixels = primary ? primary->availableGeometry().size() : QSize(1024, 768);
    return pixels * int(kTwipsPerPixel);
}

void clsResize::setScreenSizeTwipsForTest(const QSize &twips)
{
    screenOverride() = twips;
}
