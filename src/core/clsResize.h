#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>

// A straight line drawn on a window, given by its end points in twips (15 twips = 1 pixel)
// relative to its parent. The widget covers the box between the two points, so moving an end
// point moves and resizes the widget; the layout class scales the end points themselves.
class LineControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double X1 READ X1 WRITE setX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(double X2 READ X2 WRITE setX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE setY2)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

public:
    explicit LineControl(QWidget *parent = nullptr);

    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    QColor BorderColor() const { return m_color; }
    int BorderWidth() const { return m_width; }

    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);
    void setLine(double x1, double y1, double x2, double y2);   // all four, one move
    void setBorderColor(const QColor &color);
    void setBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color = Qt::black;
    int m_width = 1;
};

// Proportional layout of a window's controls. The design layout (the window's inner size and
// every control's position and size, in twips) is recorded once; afterwards every resize moves
// and stretches each control in proportion to the window's inner size, always from the recorded
// values, so that sizes never drift. It also sizes and centres a window on the screen.
//
// The window's inner size is its central widget's size for a QMainWindow, otherwise the
// widget's own size. Its controls are the widgets placed by absolute geometry: the window's
// children (for a QMainWindow, the central widget's children), in creation order, each followed
// by its own children when it is a plain container (QWidget, QFrame or QGroupBox exactly, and
// only while it has no layout). Passed over: windows (dialogs, popups), menus, menu bars,
// toolbars, status bars, dock widgets, Qt's own helper widgets and whatever a layout manages.
//
// A control's dynamic property "Tag" (a text) may restrict what is scaled: an upper-cased tag
// beginning with "@" scales Left with "L", Top with "T", Width with "W" and Height with "H"
// anywhere in it (for a LineControl: X1, Y1, X2, Y2); any other tag scales all four.
class clsResize
{
public:
    clsResize();    // Class_Initialize: no window, nothing recorded, must record
    ~clsResize();   // Class_Terminate: drops the records and the window
    clsResize(const clsResize &) = delete;
    clsResize &operator=(const clsResize &) = delete;

    QWidget *SourceForm() const;
    void SourceForm(QWidget *New_SourceForm);   // stores the window only: no recording

    void ReInitialise();                        // records the current layout as the reference
    void SizeFormToScreen(const unsigned char &Percent);
    void ResizeControls();                      // the window's resize handler calls this

    // A window's outer Height and Width in twips (whole pixels, rounded to the nearest). A shown
    // window lays its controls out again through its resize handler; a hidden one when shown.
    static void SetFormHeight(QWidget *form, double twips);
    static void SetFormWidth(QWidget *form, double twips);

    // The load step of the seven analysis windows after SizeFormToScreen(75): their own size,
    // Height 6825 and then Width 9600 twips (640 x 455 pixels), keeping the centred Top and
    // Left. SizeAnalysisForm does the three steps and lays the controls out for the final size.
    static constexpr double kTwipsPerPixel = 15.0;
    static constexpr int kAnalysisHeight = 6825;
    static constexpr int kAnalysisWidth = 9600;
    void SizeAnalysisForm();

    // The screen in twips: the primary screen's available area, unless a test set another.
    static QSize screenSizeTwips();
    static void setScreenSizeTwipsForTest(const QSize &twips);  // an empty size restores the real one

    // What has been recorded (for tests and checks).
    bool mustRecord() const { return m_mustRecord; }
    int recordedWidth() const { return m_recordedWidth; }
    int recordedHeight() const { return m_recordedHeight; }
    int recordedCount() const { return int(m_records.size()); }

private:
    struct Record
    {
        QPointer<QWidget> control;
        bool isLine = false;
        int values[4] = {0, 0, 0, 0};   // Left, Top, Width, Height, or X1, Y1, X2, Y2; twips
    };

    void RegistraPosizioni();

    QPointer<QWidget> m_form;
    int m_recordedWidth = 0;
    int m_recordedHeight = 0;
    QList<Record> m_records;
    bool m_mustRecord = true;
};
