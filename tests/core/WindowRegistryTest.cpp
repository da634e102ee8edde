#include "support/WindowTest.h"

#include "core/AnalysisWindow.h"

#include <QLabel>
#include <QPointer>

namespace {

// A window that counts its loads and unloads.
class Probe : public QWidget, public FormLifecycle
{
public:
    static inline int loads = 0;
    static inline int unloads = 0;
    static inline QStringList unloadOrder;

    void Form_Load() override { ++loads; }
    void Form_Unload() override
    {
        ++unloads;
        unloadOrder << objectName();
    }
};

class WindowRegistryTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Probe::loads = Probe::unloads = 0;
        Probe::unloadOrder.clear();
        WindowRegistry::registerWindow("sonda", [] { return new Probe; });
    }
};

} // namespace

TEST_F(WindowRegistryTest, OneInstanceCreatedHiddenWithItsLoadRun)
{
    EXPECT_EQ(WindowRegistry::existing("sonda"), nullptr);
    QWidget *w = WindowRegistry::instance("sonda");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "sonda");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Probe::loads, 1);

    EXPECT_EQ(WindowRegistry::instance("sonda"), w);
    WindowRegistry::show("sonda");
    EXPECT_EQ(WindowRegistry::existing("sonda"), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Probe::loads, 1);
}

TEST_F(WindowRegistryTest, UnloadForgetsTheWindowButKeepsItsState)
{
    QPointer<QWidget> w = WindowRegistry::instance("sonda");
    WindowRegistry::state("sonda").NomeFile = "/tmp/Vantegra-dati-uno";
    WindowRegistry::unload("sonda");
    EXPECT_EQ(Probe::unloads, 1);
    EXPECT_EQ(WindowRegistry::existing("sonda"), nullptr);
    EXPECT_FALSE(w->isVisible());   // destroyed only once control is back in the event loop
    processEvents();
    EXPECT_TRUE(w.isNull());

    WindowRegistry::instance("sonda");
    EXPECT_EQ(Probe::loads, 2);
    EXPECT_EQ(WindowRegistry::state("sonda").NomeFile, "/tmp/Vantegra-dati-uno");
}

TEST_F(WindowRegistryTest, CloseBoxUnloadsUnlessTheWindowOnlyHides)
{
    show<QWidget>("sonda")->close();
    EXPECT_EQ(Probe::unloads, 1);
    EXPECT_EQ(WindowRegistry::existing("sonda"), nullptr);

    WindowRegistry::registerWindow("nascosta", [] { return new Probe; }, WindowRegistry::OnClose::Hide);
    QWidget *w = show<QWidget>("nascosta");
    w->close();
    EXPECT_EQ(Probe::unloads, 1);
    EXPECT_EQ(WindowRegistry::existing("nascosta"), w);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(WindowRegistryTest, UnknownNamesArePassedOverSilently)
{
    WindowRegistry::show("inesistente");
    WindowRegistry::unload("inesistente");
    EXPECT_EQ(WindowRegistry::instance("inesistente"), nullptr);
    EXPECT_EQ(WindowRegistry::existing("inesistente"), nullptr);
    EXPECT_EQ(WindowRegistry::get<QLabel>("sonda"), nullptr);   // wrong type: no window
}

TEST_F(WindowRegistryTest, LoadFindsTheWindowBeingLoaded)
{
    // A window whose load reaches itself through the registry must not be created twice.
    struct SelfReader : QWidget, FormLifecycle
    {
        QWidget *seen = nullptr;
        void Form_Load() override { seen = WindowRegistry::instance("specchio"); }
    };
    WindowRegistry::registerWindow("specchio", [] { return new SelfReader; });
    auto *w = WindowRegistry::get<SelfReader>("specchio");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->seen, w);
}

TEST_F(WindowRegistryTest, AnalysisWindowKeepsNomeFileAndItsSizeAcrossUnloads)
{
    WindowRegistry::registerWindow("analisi", [] { return new AnalysisWindow; });
    auto *w = window<AnalysisWindow>("analisi");
    EXPECT_EQ(w->size(), QSize(640, 455));   // 9600 x 6825 twips at 15 twips a pixel
    EXPECT_TRUE(w->NomeFile().isEmpty());
    w->NomeFile() = "/tmp/Vantegra-valore-prova";
    WindowRegistry::unload("analisi");
    processEvents();
    EXPECT_EQ(window<AnalysisWindow>("analisi")->NomeFile(), "/tmp/Vantegra-valore-prova");
}
