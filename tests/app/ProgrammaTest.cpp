#include "app/Programma.h"

#include <QCoreApplication>
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

namespace {

std::string domandaSostituzione()
{
    return QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?").toStdString();
}

// The buttons of a save dialog as Qt draws it.
std::string pulsantiDiSalvataggio()
{
    QFileDialog dialogo;
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    QStringList testi;
    for (const QAbstractButton *b : dialogo.findChild<QDialogButtonBox *>()->buttons())
        testi << b->text();
    testi.sort();
    return testi.join(QLatin1Char('|')).toStdString();
}

} // namespace

// Qt's own dialogs speak Italian where Qt's Italian translations are installed, and stay as Qt
// writes them where they are not.
TEST(TraduzioniQt, TheFileDialogsAndTheReplaceQuestionSpeakItalianWhereInstalled)
{
    const std::string domanda = domandaSostituzione();
    const std::string pulsanti = pulsantiDiSalvataggio();
    QTemporaryDir senza;
    EXPECT_EQ(CaricaTraduzioniQt(senza.path()), nullptr);
    EXPECT_EQ(domandaSostituzione(), domanda);

    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(cartella + QStringLiteral("/qtbase_it.qm")))
        GTEST_SKIP() << "Qt's Italian translations are not installed";
    const std::unique_ptr<QTranslator> traduzioni(CaricaTraduzioniQt(cartella));
    ASSERT_NE(traduzioni, nullptr);
    EXPECT_EQ(domandaSostituzione(), "%1 esiste già.\nVuoi sostituirlo?");
    EXPECT_EQ(pulsantiDiSalvataggio(), "&Salva|Annulla");
    EXPECT_NE(pulsanti, "&Salva|Annulla");
}
