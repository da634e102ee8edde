#include "core/clsResize.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window of 600 x 400 pixels (9000 x 6000 twips) with one control of each kind that matters.
struct DesignForm
{
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QLineEdit *box = new QLineEdit(form.get());
    QFrame *frame = new QFrame(form.get());
    QPushButton *inFrame = new QPushButton(frame);
    LineControl *line = new LineControl(form.get());
    QLabel *vertical = new QLabel(form.get());
    QLabel *plainTag = new QLabel(form.get());

    DesignForm()
    {
        form->resize(600, 400);
        box->setGeometry(30, 45, 150, 30);
        frame->setGeometry(300, 60, 240, 180);
        inFrame->setGeometry(15, 30, 90, 30);
        line->setLine(150, 3000, 6000, 3000);
        vertical->setGeometry(60, 300, 120, 45);
        vertical->setProperty("Tag", QStringLiteral("@th"));
        plainTag->setGeometry(420, 300, 90, 60);
        plainTag->setProperty("Tag", QStringLiteral("riga"));
    }
};

using Geometries = QList<QRect>;
Geometries geometries(const DesignForm &f)
{
    return {f.box->geometry(), f.frame->geometry(), f.inFrame->geometry(), f.vertical->geometry(),
            f.plainTag->geometry()};
}

class ResizeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        layout.SourceForm(f.form.get());
        layout.ResizeControls();    // the first request records the design layout
    }
    void TearDown() override { clsResize::setScreenSizeTwipsForTest(QSize()); }

    void resizeTo(int width, int height)
    {
        f.form->resize(width, height);
        layout.ResizeControls();
    }

    DesignForm f;
    clsResize layout;
};

} // namespace

TEST(ResizeRecording, StartsEmptyRecordsOnTheFirstRequestWithoutMovingAnything)
{
    DesignForm f;
    const Geometries design = geometries(f);
    clsResize layout;
    EXPECT_EQ(layout.SourceForm(), nullptr);
    EXPECT_TRUE(layout.mustRecord());
    layout.ResizeControls();                        // no window yet: nothing happens
    EXPECT_TRUE(layout.mustRecord());

    layout.SourceForm(f.form.get());
    EXPECT_EQ(layout.SourceForm(), f.form.get());
    EXPECT_TRUE(layout.mustRecord());               // setting the window records nothing
    EXPECT_EQ(layout.recordedCount(), 0);

    f.form->resize(900, 400);
    layout.ResizeControls();                        // records, does not scale
    EXPECT_FALSE(layout.mustRecord());
    EXPECT_EQ(layout.recordedWidth(), 13500);
    EXPECT_EQ(layout.recordedHeight(), 6000);
    EXPECT_EQ(layout.recordedCount(), 6);           // the frame's button included
    EXPECT_EQ(geometries(f), design);
}

TEST_F(ResizeTest, TwiceTheWidthDoublesLeftWidthAndTheLinesXs)
{
    resizeTo(1200, 400);
    EXPECT_EQ(f.box->geometry(), QRect(60, 45, 300, 30));
    EXPECT_EQ(f.frame->geometry(), QRect(600, 60, 480, 180));
    EXPECT_EQ(f.inFrame->geometry(), QRect(30, 30, 180, 30));   // relative to its frame
    EXPECT_DOUBLE_EQ(f.line->X1(), 300);
    EXPECT_DOUBLE_EQ(f.line->X2(), 12000);
    EXPECT_DOUBLE_EQ(f.line->Y1(), 3000);
    EXPECT_DOUBLE_EQ(f.line->Y2(), 3000);
    EXPECT_EQ(f.line->geometry(), QRect(20, 200, 781, 1));      // the line's box follows its ends
    EXPECT_EQ(f.vertical->geometry(), QRect(60, 300, 120, 45)); // "@TH": no horizontal change
}

TEST_F(ResizeTest, TagsChooseWhatIsScaled)
{
    resizeTo(900, 800);
    EXPECT_EQ(f.vertical->geometry(), QRect(60, 600, 120, 90));     // "@th" read as "@TH"
    EXPECT_EQ(f.plainTag->geometry(), QRect(630, 600, 135, 120));   // not "@": all four
    EXPECT_DOUBLE_EQ(f.line->Y1(), 6000);
    EXPECT_DOUBLE_EQ(f.line->X2(), 9000);
}

TEST_F(ResizeTest, ScalesFromTheDesignEveryTimeSoNothingDrifts)
{
    const Geometries design = geometries(f);
    resizeTo(700, 500);
    EXPECT_EQ(f.box->geometry(), QRect(35, 56, 175, 38));   // 45 x 1.25 = 56.25, 30 x 1.25 = 37.5
    EXPECT_DOUBLE_EQ(f.line->X2(), 7000);

    for (const QSize size : {QSize(317, 251), QSize(613, 389), QSize(1000, 703), QSize(600, 400)})
        resizeTo(size.width(), size.height());
    EXPECT_EQ(geometries(f), design);
    EXPECT_DOUBLE_EQ(f.line->X1(), 150);
    EXPECT_DOUBLE_EQ(f.line->Y1(), 3000);
    EXPECT_DOUBLE_EQ(f.line->X2(), 6000);
    EXPECT_DOUBLE_EQ(f.line->Y2(), 3000);
}

TEST_F(ResizeTest, MinimisedWindowIsLeftAloneUntilRestored)
{
    const Geometries design = geometries(f);
    f.form->setWindowState(Qt::WindowMinimized);
    resizeTo(1200, 800);
    EXPECT_EQ(geometries(f), design);

    f.form->setWindowState(Qt::WindowNoState);
    layout.ResizeControls();
    EXPECT_EQ(f.box->geometry(), QRect(60, 90, 300, 60));
}

TEST_F(ResizeTest, ReInitialiseMakesTheCurrentLayoutTheReference)
{
    resizeTo(1200, 400);
    f.box->setGeometry(0, 0, 100, 20);
    layout.ReInitialise();
    EXPECT_EQ(layout.recordedWidth(), 18000);
    resizeTo(600, 400);
    EXPECT_EQ(f.box->geometry(), QRect(0, 0, 50, 20));
}

TEST_F(ResizeTest, ControlsGoneSinceTheRecordingArePassedOver)
{
    delete f.frame;     // takes its button with it
    resizeTo(1200, 400);
    EXPECT_EQ(f.box->geometry(), QRect(60, 45, 300, 30));
}

TEST(ResizeRecording, RecordedSizeOfZeroDoesNothing)
{
    DesignForm f;
    f.form->setMinimumSize(0, 0);
    f.form->resize(0, 400);
    clsResize layout;
    layout.SourceForm(f.form.get());
    layout.ResizeControls();
    ASSERT_EQ(layout.recordedWidth(), 0);
    const Geometries before = geometries(f);
    f.form->resize(600, 400);
    layout.ResizeControls();
    EXPECT_EQ(geometries(f), before);
}

TEST(ResizeRecording, LineEndsAreRecordedToTheNearestWholeTwipTiesToEven)
{
    QWidget form;
    form.resize(100, 100);
    auto *line = new LineControl(&form);
    line->setLine(10.5, 11.5, 20.4, 20.6);
    auto *other = new QLabel(&form);
    other->setGeometry(0, 0, 10, 10);
    clsResize layout;
    layout.SourceForm(&form);
    layout.ResizeControls();
    form.resize(200, 100);
    layout.ResizeControls();
    EXPECT_DOUBLE_EQ(line->X1(), 20);   // 10.5 recorded as 10
    EXPECT_DOUBLE_EQ(line->Y1(), 12);   // 11.5 recorded as 12
    EXPECT_DOUBLE_EQ(line->X2(), 40);
    EXPECT_DOUBLE_EQ(line->Y2(), 21);
}

TEST(ResizeControlsOfAMainWindow, MenusToolbarsAndLayoutsArePassedOver)
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("Apri"));
    window.addToolBar(QStringLiteral("Toolbar1"))->addAction(QStringLiteral("Salva"));
    window.statusBar()->showMessage(QStringLiteral("pronto"));
    auto *central = new QWidget;
    window.setCentralWidget(central);
    auto *box = new QLineEdit(central);
    box->setGeometry(15, 15, 150, 30);
    auto *group = new QGroupBox(central);
    group->setGeometry(300, 15, 200, 100);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QPushButton(QStringLiteral("dentro")));
    window.resize(640, 480);

    clsResize layout;
    layout.SourceForm(&window);
    layout.ResizeControls();
    EXPECT_EQ(layout.recordedCount(), 2);   // the box and the group, not what its layout holds
    const QSize inner = central->size();
    EXPECT_EQ(layout.recordedWidth(), inner.width() * 15);
    EXPECT_EQ(layout.recordedHeight(), inner.height() * 15);
    EXPECT_LT(inner.height(), 480);         // below the menu bar and the toolbar

    window.resize(640 + inner.width(), 480);
    layout.ResizeControls();
    EXPECT_EQ(central->width(), 2 * inner.width());
    EXPECT_EQ(box->geometry(), QRect(30, 15, 300, 30));
    EXPECT_EQ(group->geometry(), QRect(600, 15, 400, 100));
    EXPECT_EQ(window.menuBar()->width(), window.width());   // still placed by the window
}

TEST(ResizeControlsOfAMainWindow, ResizeHandlerFollowsTheShownWindowWithDrawingFrozen)
{
    struct Form : QMainWindow
    {
        clsResize layout;
        void resizeEvent(QResizeEvent *event) override
        {
            QMainWindow::resizeEvent(event);
            layout.ResizeControls();
        }
    } window;
    struct Probe : QWidget
    {
        using QWidget::QWidget;
        QList<bool> windowUpdatesWhenMoved;
        void moveEvent(QMoveEvent *) override { windowUpdatesWhenMoved << window()->updatesEnabled(); }
    };
    auto *central = new QWidget;
    window.setCentralWidget(central);
    auto *probe = new Probe(central);
    probe->setGeometry(60, 60, 60, 60);
    window.resize(600, 400);
    window.layout.SourceForm(&window);
    window.layout.ResizeControls();
    window.show();
    probe->windowUpdatesWhenMoved.clear();

    window.resize(1200, 800);
    EXPECT_EQ(probe->geometry(), QRect(120, 120, 120, 120));
    ASSERT_FALSE(probe->windowUpdatesWhenMoved.isEmpty());
    EXPECT_FALSE(probe->windowUpdatesWhenMoved.first());
    EXPECT_TRUE(window.updatesEnabled());
}

TEST_F(ResizeTest, SizeFormToScreenCentresThreeQuartersOfTheScreen)
{
    clsResize::setScreenSizeTwipsForTest(QSize(15360, 11520));
    clsResize fresh;
    fresh.SourceForm(f.form.get());
    fresh.SizeFormToScreen(75);
    EXPECT_EQ(f.form->pos(), QPoint(1920 / 15, 1440 / 15));
    EXPECT_EQ(f.form->size(), QSize(11520 / 15, 8640 / 15));
    EXPECT_EQ(fresh.recordedWidth(), 9000);                 // the design, recorded first
    EXPECT_EQ(f.box->geometry(), QRect(38, 65, 192, 43));   // then scaled by 768/600 and 576/400

    clsResize::SetFormHeight(f.form.get(), clsResize::kAnalysisHeight);
    clsResize::SetFormWidth(f.form.get(), clsResize::kAnalysisWidth);
    fresh.ResizeControls();     // what the window's resize handler does
    EXPECT_EQ(f.form->size(), QSize(640, 455));
    EXPECT_EQ(f.form->pos(), QPoint(128, 96));
    EXPECT_EQ(f.box->geometry(), QRect(32, 51, 160, 34));
}

TEST(ResizeScreen, AnalysisWindowStepAndOddPercentages)
{
    clsResize::setScreenSizeTwipsForTest(QSize(15360, 11520));
    QWidget form;
    form.resize(300, 200);
    (new QLabel(&form))->setGeometry(0, 0, 30, 20);
    clsResize layout;
    layout.SourceForm(&form);
    layout.SizeAnalysisForm();
    EXPECT_EQ(form.geometry(), QRect(128, 96, 640, 455));
    EXPECT_EQ(layout.recordedWidth(), 4500);

    // 33 % of 11520 twips is 3801.6: Int gives 3801 (253.4 pixels, 253 on screen); the top,
    // (11520 - 3801) / 2 = 3859.5 twips, is not rounded before it becomes 257.3 pixels.
    // Across, 33 % of 15360 is 5068.8: 5068 twips wide (337.9 pixels), 5146 from the left.
    const unsigned char percent = 33;
    layout.SizeFormToScreen(percent);
    EXPECT_EQ(form.geometry(), QRect(343, 257, 338, 253));
    clsResize::setScreenSizeTwipsForTest(QSize());
    EXPECT_GT(clsResize::screenSizeTwips().width(), 0);
}

TEST(LineControlDrawing, DrawsBetweenItsEndsOnly)
{
    QWidget form;
    form.resize(100, 100);
    form.setStyleSheet(QStringLiteral("background: white"));
    auto *line = new LineControl(&form);
    line->setLine(150, 150, 1350, 1350);    // (10, 10) to (90, 90) pixels
    line->setBorderColor(Qt::red);
    const QImage image = form.grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(90, 90), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(50, 20), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(95, 95), QColor(Qt::red));
}
