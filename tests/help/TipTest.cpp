#include "support/WindowTest.h"

#include "help/RegistraInformazioni.h"
#include "help/frmTip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

// The message the window shows for a missing tips file, as the user reads it.
const QString kMancante = QStringLiteral(
    "Impossibile trovare il file Vantegra-suggerimenti.TXT\n\n"
    "Creare un file di testo denominato Vantegra-suggerimenti.TXT utilizzando il Blocco note e "
    "inserendo un suggerimento per ogni riga. Inserire il file nella stessa directory dell'applicazione. ");

class TipTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestreInformazioni();
        ASSERT_TRUE(folder.isValid());
        frmTip::setCartella(folder.path());
    }
    void TearDown() override
    {
        frmTip::setCartella(QString());
        WindowTest::TearDown();
    }

    void writeTips(const QByteArray &bytes)
    {
        QFile f(folder.filePath(frmTip::NomeFileSuggerimenti));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    frmTip *tips() { return show<frmTip>("frmTip"); }
    QString shown(frmTip *w) { return find<QLabel>(w, "lblTipText")->text(); }
    void next(frmTip *w) { click(find<QPushButton>(w, "cmdNextTip")); }
    void previous(frmTip *w) { click(find<QPushButton>(w, "cmdprecedente")); }

    QTemporaryDir folder;
};

} // namespace

TEST(TipLines, SplitAtEveryKindOfLineEnd)
{
    const struct
    {
        const char *text;
        QStringList tips;
    } cases[] = {
        {"", {}},
        {"uno", {"uno"}},
        {"uno\r\ndue\r\n", {"uno", "due"}},
        {"uno\r\ndue", {"uno", "due"}},
        {"uno\r\ndue\r\n\r\n", {"uno", "due", ""}},   // an empty last line is a tip
        {"uno\r\n\r\ntre", {"uno", "", "tre"}},
        {"uno\rdue", {"uno", "due"}},
        {"uno\ndue\n", {"uno", "due"}},               // written on Linux
        {"uno\n\ndue\r\ntre\rquattro", {"uno", "", "due", "tre", "quattro"}},
        {"\r\n", {""}},
        {"  con blanchi  \r\n", {"  con blanchi  "}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RigheSuggerimenti(QString::fromLatin1(c.text)), c.tips) << c.text;
}

TEST(TipLines, ReadWindowsCodePageAndUtf8WithByteOrderMark)
{
    EXPECT_EQ(TestoSuggerimenti(QByteArray("perch\xE9 \x80 \x93x\x94")), QString::fromUtf8("perché € “x”"));
    EXPECT_EQ(TestoSuggerimenti(QByteArray("\xEF\xBB\xBFperch\xC3\xA9 \xE2\x82\xAC\r\n")),
              QString::fromUtf8("perché €\r\n"));
}

TEST(TipLines, ShippedFileIsWindowsTextWithOneUsefulTipPerLine)
{
    const QString path = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(
        QStringLiteral("../../resources/program/Vantegra-suggerimenti.TXT"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));   // every line ends with CR LF
    const QStringList tips = RigheSuggerimenti(TestoSuggerimenti(bytes));
    EXPECT_GE(tips.size(), 20);
    for (const QString &tip : tips) {
        EXPECT_FALSE(tip.trimmed().isEmpty());
        EXPECT_LE(tip.size(), 250) << tip.toStdString();   // fits the tip label
        EXPECT_FALSE(tip.contains(QChar(0xC3))) << "UTF-8 read as Windows-1252: " << tip.toStdString();
    }
    EXPECT_TRUE(tips.join(' ').contains(QString::fromUtf8("è")));
}

TEST_F(TipTest, StepsForwardRoundAndBackToTheFirst)
{
    writeTips("primo\r\nsecondo\r\nterzo\r\n");
    frmTip *w = tips();
    EXPECT_EQ(w->windowTitle(), "Suggerimento del giorno");
    EXPECT_EQ(find<QLabel>(w, "Label1")->text(), "Non tutti sanno che...");
    EXPECT_EQ(shown(w), "primo");
    EXPECT_EQ(w->TipIndex(), 1);

    previous(w);   // no wrap backwards
    EXPECT_EQ(shown(w), "primo");
    next(w);
    EXPECT_EQ(shown(w), "secondo");
    next(w);
    EXPECT_EQ(shown(w), "terzo");
    previous(w);
    EXPECT_EQ(shown(w), "secondo");
    next(w);
    next(w);   // after the last, the first
    EXPECT_EQ(shown(w), "primo");
    EXPECT_EQ(w->TipIndex(), 1);
}

TEST_F(TipTest, EmptyLinesAreTipsOneTipStaysAndNoTipsShowNothing)
{
    writeTips("primo\n\nterzo");
    frmTip *w = tips();
    EXPECT_EQ(w->TipList(), (QStringList{"primo", "", "terzo"}));
    next(w);
    EXPECT_EQ(shown(w), "");
    next(w);
    EXPECT_EQ(shown(w), "terzo");
    WindowRegistry::unload("frmTip");
    processEvents();

    writeTips("solo questo\r\n");
    w = tips();
    next(w);
    EXPECT_EQ(shown(w), "solo questo");
    previous(w);
    EXPECT_EQ(shown(w), "solo questo");
    WindowRegistry::unload("frmTip");
    processEvents();

    writeTips("");   // a file with no line: no tip and no message
    w = tips();
    next(w);
    previous(w);
    EXPECT_EQ(shown(w), "");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TipTest, MissingFileIsReportedInTheWindowWhateverIsPressed)
{
    frmTip *w = tips();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(shown(w), kMancante);
    QString exact = kMancante;
    EXPECT_EQ(frmTip::MessaggioFileMancante(), exact.replace("\n", "\r\n"));
    for (int i = 0; i < 5; ++i) {
        next(w);
        previous(w);
    }
    EXPECT_EQ(shown(w), kMancante);
    EXPECT_TRUE(w->TipList().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TipTest, HiddenDirectoryOrUnreadableFilesCountAsMissing)
{
    frmTip *w = tips();   // no file: the missing message
    EXPECT_FALSE(w->LoadTips(QString()));

    QFile hidden(folder.filePath(".suggerimenti.TXT"));
    ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
    hidden.write("nascosto\r\n");
    hidden.close();
    EXPECT_FALSE(w->LoadTips(hidden.fileName()));

    ASSERT_TRUE(QDir(folder.path()).mkdir("cartella.TXT"));
    EXPECT_FALSE(w->LoadTips(folder.filePath("cartella.TXT")));

    EXPECT_TRUE(w->TipList().isEmpty());
    EXPECT_EQ(w->TipIndex(), 0);
    EXPECT_EQ(shown(w), kMancante);

    QFile locked(folder.filePath("chiuso.TXT"));
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.write("chiuso\r\n");
    locked.close();
    locked.setPermissions(QFileDevice::Permissions());
    // The superuser reads any file; a file whose reading fails stands in for it then.
    const QString unreadable = geteuid() == 0 ? QStringLiteral("/proc/self/mem") : locked.fileName();
    EXPECT_FALSE(w->LoadTips(unreadable));
    EXPECT_TRUE(w->TipList().isEmpty());
    EXPECT_EQ(shown(w), kMancante);
}

TEST_F(TipTest, ClosingHidesAndTheFileIsReadOnlyOnce)
{
    writeTips("primo\r\nsecondo\r\n");
    frmTip *w = tips();
    next(w);
    click(find<QPushButton>(w, "cmdOK"));
    EXPECT_FALSE(w->isVisible());

    writeTips("cambiato\r\n");
    EXPECT_EQ(tips(), w);   // the same window, not loaded again
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(shown(w), "secondo");
    EXPECT_EQ(w->TipList(), (QStringList{"primo", "secondo"}));

    w->close();   // the close box hides too
    processEvents();
    EXPECT_EQ(WindowRegistry::existing("frmTip"), w);
    EXPECT_FALSE(w->isVisible());
}
