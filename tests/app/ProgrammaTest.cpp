#include "app/Programma.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <memory>
#include <string>

// The question before a file is replaced and the buttons of a save dialog, as Qt writes them.
static std::string testiDiQt()
{
    QFileDialog dialogo;
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    QStringList testi{QFileDialog::tr("%1 already exists.\nDo you want to replace it?")};
    for (const QAbstractButton *b : dialogo.findChild<QDialogButtonBox *>()->buttons())
        testi << b->text();
    return testi.join(QLatin1Char('|')).toStdString();
}

// Qt's own dialogs speak Italian where Qt's Italian translations are installed, and stay as Qt
// writes them where they are not.
TEST(TraduzioniQt, TheFileDialogsAndTheReplaceQuestionSpeakItalianWhereInstalled)
{
    const std::string senza = testiDiQt();
    QTemporaryDir vuota;
    EXPECT_EQ(CaricaTraduzioniQt(vuota.path()), nullptr);
    EXPECT_EQ(testiDiQt(), senza);

    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(cartella + QStringLiteral("/qtbase_it.qm")))
        GTEST_SKIP() << "Qt's Italian translations are not installed";
    const std::unique_ptr<QTranslator> traduzioni(CaricaTraduzioniQt(cartella));
    ASSERT_NE(traduzioni, nullptr);
    EXPECT_EQ(testiDiQt(), "%1 esiste già.\nVuoi sostituirlo?|&Salva|Annulla");
    EXPECT_NE(senza, testiDiQt());
}
