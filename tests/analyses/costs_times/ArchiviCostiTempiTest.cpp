#include "CostiTempiTest.h"

#include "core/Modulo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QByteArray sliderTipo2 = "400\r\n2530\r\n960\r\n110\r\n680\r\n1135\r\n1000\r\n185\r\n630\r\n1150\r\n550\r\n0\r\n"
                               "140\r\n300\r\n60\r\n170\r\n";
const QByteArray archivioCosti = "\"10000\",\"5000\",\"200000\",\"15000\",2\r\n" + sliderTipo2;

class ArchiviCostiTempiTest : public CostiTempiTest
{
protected:
    QString path(const QString &name) { return m_dir.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QByteArray read(const QString &name)
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void open(QWidget *w, const QString &file)
    {
        answerDialog(file);
        trigger(w, "apri");
    }
    QString nomeFile(const QString &window) { return WindowRegistry::state(window).NomeFile; }

    // The costs window as the worked example leaves it.
    void expectWorkedCosts(QWidget *w)
    {
        EXPECT_EQ(texts(w, "costo", {2, 9, 13, 18}), QStringList({"3000", "2335", "60000", "15000"}));
        EXPECT_EQ(text(w, "tecnich"), "10000");
        EXPECT_EQ(text(w, "oner"), "5000");
        EXPECT_EQ(text(w, "total"), "230000");
        EXPECT_EQ(total(w), "100");
        EXPECT_EQ(label(w, "labello"), "Totale dei lavori e delle percentuali");
        EXPECT_EQ(text(w, "ris_2"), "50600");
        EXPECT_TRUE(tipo(w, 2)->isChecked());
    }

    QTemporaryDir m_dir;
};

TEST_F(ArchiviCostiTempiTest, CostsSaveWritesTheBoxesTheTypeAndTheSliders)
{
    QWidget *w = fullCosts();
    answerDialog(path("Vantegra-costi-rossi"));
    trigger(w, "salva");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(gControlloCosti.leading(), 0);
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].kind, CommonDialog::Kind::Save);
    EXPECT_EQ(dialogs[0].title, "Salva file");
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-costi-");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-costi- | Vantegra-costi-*");
    EXPECT_EQ(dialogs[0].filterIndex, 1);
    EXPECT_EQ(read("Vantegra-costi-rossi"), archivioCosti);
    EXPECT_EQ(nomeFile("costare"), path("Vantegra-costi-rossi"));

    // A second save goes to the same file without a dialog; texts stay as typed.
    set(w, "costo_18", "15000,5");
    trigger(w, "salva");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(read("Vantegra-costi-rossi").startsWith("\"10000\",\"5000\",\"200000\",\"15000,5\",2\r\n"));

    QWidget *t = fullTimes();
    answerDialog(path("Vantegra-tempi-1"));
    trigger(t, "salvanome");
    EXPECT_EQ(dialogs.last().filter, "File Vantegra-tempi- | Vantegra-tempi-*");
    EXPECT_EQ(read("Vantegra-tempi-1"), "\"60\",\"120\",\"400\",\"90\",\"60\",2\r\n" + sliderTipo2);
}

TEST_F(ArchiviCostiTempiTest, ReadingRebuildsTheWindowFromItsRecord)
{
    const QString file = write("Vantegra-costi-a", archivioCosti);
    QWidget *w = costi();
    open(w, file);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, "Apri file");
    EXPECT_EQ(dialogs[0].fileName, "");
    EXPECT_EQ(dialogs[0].filter, "Tutti i file (*.*)|*.*|File Vantegra-costi- | Vantegra-costi-*");
    EXPECT_EQ(dialogs[0].filterIndex, 2);
    expectWorkedCosts(w);
    EXPECT_EQ(nomeFile("costare"), file);

    // The same file again into the same window changes nothing.
    open(w, file);
    expectWorkedCosts(w);

    // And into a window closed and opened again, whose stored values were those of the file.
    closeWindow(w);
    w = costi();
    open(w, file);
    EXPECT_TRUE(messages.isEmpty());
    expectWorkedCosts(w);
}

TEST_F(ArchiviCostiTempiTest, ReadingTakesTheSlidersButNotTheTable)
{
    QByteArray record = archivioCosti;
    record.replace("\r\n400\r\n2530\r\n", "\r\n0\r\n2930\r\n");   // work 1 moved onto work 2
    QWidget *w = costi();
    open(w, write("Vantegra-costi-b", record));
    EXPECT_EQ(slider(w, 1)->value(), 0);
    EXPECT_EQ(text(w, "correz_2"), "29,3");
    EXPECT_EQ(text(w, "ris_2"), "58600");
    EXPECT_EQ(total(w), "100");
    EXPECT_EQ(gPercentualiOpere[1].leading(), 400);
    // The profit, read last, leaves the categories as the file holds them, though their items
    // round to 1000 and 49.
    closeWindow(w);
    w = costi();
    open(w, write("Vantegra-costi-c", "\"1001\",\"50\",\"200000\",\"15000\",2\r\n" + sliderTipo2));
    EXPECT_EQ(text(w, "tecnich"), "1001");
    EXPECT_EQ(text(w, "oner"), "50");
    EXPECT_EQ(text(w, "total"), "216051");
}

TEST_F(ArchiviCostiTempiTest, TimesReadingLeavesAnEmptyCategoryEmpty)
{
    QWidget *w = tempi();
    open(w, write("Vantegra-tempi-a", "\"60\",\"120\",\"400\",\"\",\"60\",3\r\n" + sliderTipo2));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(text(w, "tempocatast"), "");
    EXPECT_EQ(texts(w, "giorni", {10, 11, 12}), QStringList({"", "", ""}));
    EXPECT_EQ(texts(w, "giorni", {14, 15}), QStringList({"30", "30"}));
    EXPECT_EQ(text(w, "tempototal"), "640");
    EXPECT_TRUE(tipo(w, 3)->isChecked());
    EXPECT_EQ(gTipoTempi.leading(), 3);
    EXPECT_EQ(slider(w, 2)->value(), 2530);   // the sliders of the file, not type 3's
}

// A category whose new value splits into the same sub-items as the old one (29 and 30 days both
// give 15 + 15; 8000 and 8001 euro the same three charges) still moves the total, pasted or read
// over the window, and a saved window read again gives back its total and what it sends.
TEST_F(ArchiviCostiTempiTest, TheTotalFollowsEveryCategoryTypedOrRead)
{
    gRigaScelta = QStringLiteral("1");
    const auto salvaCome = [this](QWidget *w, const QString &nome) {
        answerDialog(path(nome));
        trigger(w, "salvanome");
        return path(nome);
    };
    const auto anniInviati = [this](QWidget *w) {
        click(find<QPushButton>(w, "cmdtempi"));
        return gAnni[1].numeric().value_or(-1);
    };

    QWidget *t = tempi();
    for (const auto &[casella, giorni] : {std::pair{"tempoprog", "75"}, {"tempoperm", "140"},
                                          {"tempocostr", "624"}, {"tempocatast", "62"}, {"tempoabit", "29"}})
        typeInto(t, casella, giorni);
    ASSERT_EQ(text(t, "tempototal"), "930");
    const QString giorni29 = salvaCome(t, "Vantegra-tempi-29");
    set(t, "tempoabit", "30");
    EXPECT_EQ(texts(t, "giorni", {14, 15}), QStringList({"15", "15"}));
    EXPECT_EQ(text(t, "tempototal"), "931");
    const QString giorni30 = salvaCome(t, "Vantegra-tempi-30");
    open(t, giorni29);
    EXPECT_EQ(text(t, "tempototal"), "930");
    EXPECT_EQ(anniInviati(t), 2.5);
    open(t, giorni30);
    EXPECT_EQ(text(t, "tempoabit"), "30");
    EXPECT_EQ(text(t, "tempototal"), "931");
    EXPECT_EQ(anniInviati(t), 2.6);
    // The same file read into a fresh window.
    closeWindow(t);
    t = tempi();
    open(t, giorni30);
    EXPECT_EQ(text(t, "tempototal"), "931");
    EXPECT_EQ(anniInviati(t), 2.6);

    QWidget *c = costi();
    for (const auto &[casella, euro] : {std::pair{"tecnich", "10000"}, {"oner", "8000"}, {"costruz", "200000"},
                                        {"costo_18", "15000"}})
        typeInto(c, casella, euro);
    ASSERT_EQ(text(c, "total"), "233000");
    const QString euro8000 = salvaCome(c, "Vantegra-costi-8000");
    set(c, "oner", "8001");
    EXPECT_EQ(texts(c, "costo", {9, 10, 11}), QStringList({"3736", "2432", "1832"}));
    EXPECT_EQ(text(c, "total"), "233001");
    const QString euro8001 = salvaCome(c, "Vantegra-costi-8001");
    open(c, euro8000);
    EXPECT_EQ(text(c, "total"), "233000");
    open(c, euro8001);
    EXPECT_EQ(text(c, "oner"), "8001");
    EXPECT_EQ(text(c, "total"), "233001");
    click(find<QPushButton>(c, "cmdcosti"));
    EXPECT_EQ(gCostiTotali[1].text(), "233001");
    closeWindow(c);
    c = costi();
    open(c, euro8000);
    EXPECT_EQ(text(c, "total"), "233000");
    // Into a fresh window too; and typing the profit last keeps what was typed before it.
    closeWindow(c);
    c = costi();
    open(c, euro8001);
    EXPECT_EQ(text(c, "oner"), "8001");
    EXPECT_EQ(text(c, "total"), "233001");
    set(c, "costo_18", "15001");
    EXPECT_EQ(text(c, "oner"), "8001");
    EXPECT_EQ(text(c, "total"), "233002");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ArchiviCostiTempiTest, RefusedFileChangesNothing)
{
    QWidget *w = costi();
    typeInto(w, "tecnich", "7");
    chooseType(w, 1);
    WindowRegistry::state("costare").NomeFile = path("prima");
    const struct
    {
        QByteArray contenuto;
        const char *motivo;
    } cattivi[] = {
        {"\"10000\",\"5000\",\"200000\",\"15000\",7\r\n" + sliderTipo2, "il tipo di edificio deve essere 1, 2 o 3"},
        {"\"10000\",\"5000\",\"200000\",\"15000\",2\r\n" + QByteArray(sliderTipo2).replace("2530", "25300"),
         "la riga 3"},
        {"\"60\",\"120\",\"400\",\"90\",\"60\",2\r\n" + sliderTipo2, "la prima riga"},
    };
    for (const auto &c : cattivi) {
        messages.clear();
        open(w, write("Vantegra-costi-x", c.contenuto));
        ASSERT_EQ(messages.size(), 1) << c.motivo;
        EXPECT_TRUE(messages[0].text.startsWith("Il file \"Vantegra-costi-x\" non è un archivio dei costi di Vantegra: "
                                                + QString::fromUtf8(c.motivo)))
            << messages[0].text.toStdString();
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_EQ(text(w, "tecnich"), "7");
        EXPECT_EQ(text(w, "costruz"), "");
        EXPECT_EQ(gTipoCosti.leading(), 1);
        EXPECT_TRUE(tipo(w, 1)->isChecked());
        EXPECT_EQ(slider(w, 2)->value(), 2720);
        EXPECT_EQ(nomeFile("costare"), path("prima"));
    }
}

TEST_F(ArchiviCostiTempiTest, ChecksStopAtTheFirstMissingValue)
{
    QWidget *t = fullTimes();
    set(t, "tempoprog", "");
    trigger(t, "controlla");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digita un valore per i tempi di progettazione o nei campi successivi relativi.");
    EXPECT_EQ(messages[0].icon(), vb::Information);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    set(t, "tempoprog", "0,5");   // counts 0
    trigger(t, "controlla");
    EXPECT_EQ(messages[1].text, messages[0].text);

    QWidget *c = costi();
    typeInto(c, "tecnich", "10000");
    typeInto(c, "oner", "5000");
    typeInto(c, "costruz", "200000");
    messages.clear();
    trigger(c, "controlla");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digita valori riconoscibili per il profitto dell'imprenditore.");
    EXPECT_EQ(messages[0].icon(), vb::Critical);

    typeInto(c, "costo_18", "15000");
    trigger(c, "controlla");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].text, "Clicca su l tasto TOTALE COSTI per inserire il valore automaticamente nei dati della "
                                "stima del terreno.");
    EXPECT_EQ(messages[1].icon(), vb::Information);
    // Asked by the report or the combined save: silent, and the flag says it passed.
    gControlloCosti = 1;
    window<Costare>("costare")->controlla_click();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(gControlloCosti.leading(), 0);

    // A save under the silent check writes nothing and shows only the check's message.
    set(c, "costo_18", "");
    trigger(c, "salva");
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[2].text, "Digita valori riconoscibili per il profitto dell'imprenditore.");
    EXPECT_TRUE(dialogs.isEmpty());
}

} // namespace
