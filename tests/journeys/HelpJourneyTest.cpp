#include "support/WindowTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"

#include <QPushButton>

namespace {

class HelpJourney : public WindowTest
{
};

// From the main data window's toolbar and menu to every help window, and out through the help
// contents' own exit button, which closes them all.
TEST_F(HelpJourney, ToolbarAndMenuReachEveryHelpWindowAndTheExitClosesThem)
{
    auto *dati = show<Dati>(QStringLiteral("dati"));
    const QStringList perPosizione = {"sommario", "frmTip", "supportoclienti", "informa"};
    for (int i = 0; i < perPosizione.size(); ++i) {
        dati->Toolbar1_ButtonClick(15 + i);
        EXPECT_TRUE(isShown(perPosizione[i])) << perPosizione[i].toStdString();
    }
    trigger(dati, "finestra");   // the window's own guide, without a question
    EXPECT_TRUE(isShown("guidadati"));
    EXPECT_TRUE(messages.isEmpty());

    answerNext(vb::Yes);
    click(find<QPushButton>(WindowRegistry::existing("sommario"), "esco"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, "Attenzione: i dati non archiviati andranno persi !");
    processEvents();
    for (const QString &nome : perPosizione + QStringList{"dati", "guidadati"})
        EXPECT_EQ(WindowRegistry::existing(nome), nullptr) << nome.toStdString();
    EXPECT_TRUE(isShown("frmSplash"));
}

} // namespace
